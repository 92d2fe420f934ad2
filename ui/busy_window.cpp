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

WaitCursor::WaitCursor(bool shown)
    : m_shown(shown)
{
    if (m_shown)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    if (m_shown)
        QApplication::restoreOverrideCursor();
}

} // namespace zelt
