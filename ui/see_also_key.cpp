#include "ui/see_also_key.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QShortcut>
#include <QWidget>

namespace zelt {

SeeAlsoKey::SeeAlsoKey(QWidget& window, std::function<void()> popUp)
    : QObject(&window)
    , m_window(window)
    , m_popUp(std::move(popUp))
{
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Menu), &window);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, [this] { m_popUp(); });
    QCoreApplication::instance()->installEventFilter(this);
}

SeeAlsoKey::~SeeAlsoKey()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool SeeAlsoKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu) {
        const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        const auto* control = qobject_cast<QWidget*>(watched);
        if (menuEvent->reason() == QContextMenuEvent::Keyboard &&
            menuEvent->modifiers().testFlag(Qt::ControlModifier) && control != nullptr &&
            control->window() == &m_window) {
            m_popUp();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zelt
