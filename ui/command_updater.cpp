#include "ui/command_updater.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

namespace zelt {

CommandUpdater::CommandUpdater(std::function<void()> update, QObject* parent)
    : QObject(parent)
    , m_update(std::move(update))
{
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &CommandUpdater::idle);
    QCoreApplication::instance()->installEventFilter(this);
}

CommandUpdater::~CommandUpdater()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void CommandUpdater::updateNow()
{
    m_dirty = false;
    m_update();
}

bool CommandUpdater::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::FocusIn:
    case QEvent::Shortcut:
    case QEvent::WindowActivate:
        m_dirty = true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CommandUpdater::idle()
{
    if (m_dirty)
        updateNow();
}

} // namespace zelt
