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
        m_layout = DesignLayout(ScreenScale::Of(*parent));
    }
}

void ToolDialog::finishLayout(int clientWidth, int clientHeight)
{
    setFixedSize(m_layout.finish(clientWidth, clientHeight));
}

} // namespace zelt
