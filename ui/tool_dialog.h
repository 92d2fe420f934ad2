#pragma once

#include "ui/screen_scale.h"

#include <QDialog>

namespace zelt {

// A dialog of the list tools: fixed border with only the system menu, the
// main window's font, and controls at their design positions.
class ToolDialog : public QDialog {
public:
    ToolDialog(const char* objectName, const QString& caption, QWidget* parent);

protected:
    // Client area and control rectangles in design pixels.
    void setClientSize(int width, int height);
    void place(QWidget& control, int left, int top, int width, int height) const;
    int scaled(int designPixels) const { return m_scale.scaled(designPixels); }

private:
    ScreenScale m_scale;
};

} // namespace zelt
