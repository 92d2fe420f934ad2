#pragma once

#include "ui/screen_scale.h"

#include <QDialog>
#include <QRect>
#include <vector>

namespace zelt {

// A dialog of the list tools: fixed border with only the system menu, the
// main window's font, and controls at their design positions.
class ToolDialog : public QDialog {
public:
    ToolDialog(const char* objectName, const QString& caption, QWidget* parent);

protected:
    // A control's rectangle in design pixels, relative to its parent; a height
    // of 0 keeps the control's own.
    void place(QWidget& control, int left, int top, int width, int height = 0);
    // Sets every placed control and the client area. The design fits its
    // texts in the font it was drawn with; where this font needs more room,
    // the whole layout is widened by the same factor.
    void finishLayout(int clientWidth, int clientHeight);
    int scaled(int designPixels) const { return m_scale.scaled(designPixels); }

private:
    struct Placement {
        QWidget* control;
        QRect design;
    };

    double widthFactor() const;

    ScreenScale m_scale;
    std::vector<Placement> m_placements;
};

} // namespace zelt
