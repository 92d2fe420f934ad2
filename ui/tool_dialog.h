#pragma once

#include "ui/design_layout.h"

#include <QDialog>

namespace zelt {

// A dialog of the list tools: fixed border with only the system menu, the
// main window's font, and controls at their design positions.
class ToolDialog : public QDialog {
public:
    ToolDialog(const char* objectName, const QString& caption, QWidget* parent);

protected:
    // A control's rectangle in design pixels, relative to its parent; a height
    // of 0 keeps the control's own.
    void place(QWidget& control, int left, int top, int width, int height = 0)
    {
        m_layout.place(control, left, top, width, height);
    }
    // Sets every placed control and the client area, with room for the texts
    // in this font (see DesignLayout).
    void finishLayout(int clientWidth, int clientHeight);
    int scaled(int designPixels) const { return m_layout.scaled(designPixels); }

private:
    DesignLayout m_layout;
};

} // namespace zelt
