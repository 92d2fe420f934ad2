#include "ui/busy_window.h"

#include <QApplication>

namespace zelt {

BusyWindow::BusyWindow()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyWindow::~BusyWindow()
{
    QApplication::restoreOverrideCursor();
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
