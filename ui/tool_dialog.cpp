#include "ui/tool_dialog.h"

namespace zelt {

ToolDialog::ToolDialog(const char* objectName, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    if (parent != nullptr) {
        setFont(parent->font());
        m_scale = ScreenScale::Of(*parent);
    }
}

void ToolDialog::setClientSize(int width, int height)
{
    setFixedSize(m_scale.scaled(width), m_scale.scaled(height));
}

void ToolDialog::place(QWidget& control, int left, int top, int width, int height) const
{
    control.setGeometry(m_scale.scaled(left), m_scale.scaled(top), m_scale.scaled(width),
                        m_scale.scaled(height));
}

} // namespace zelt
