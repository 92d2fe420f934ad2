#include "ui/busy_window.h"

#include <QApplication>
#include <QWidget>

namespace zelt {

BusyWindow::BusyWindow(QWidget& window)
    : m_window(window)
{
    m_window.setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyWindow::~BusyWindow()
{
    QApplication::restoreOverrideCursor();
    m_window.setEnabled(true);
}

} // namespace zelt
