#include "ui/history_mouse_buttons.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace zelt {

HistoryMouseButtons::HistoryMouseButtons(QWidget& window, std::function<void()> back,
                                         std::function<void()> forward)
    : QObject(&window)
    , m_window(window)
    , m_back(std::move(back))
    , m_forward(std::move(forward))
{
    // The controls take mouse presses of any button for themselves, so the
    // window alone would never see these.
    QCoreApplication::instance()->installEventFilter(this);
}

HistoryMouseButtons::~HistoryMouseButtons()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool HistoryMouseButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != &m_window)
        return false;
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (button == Qt::BackButton)
        m_back();
    else if (button == Qt::ForwardButton)
        m_forward();
    else
        return false;
    return true;
}

} // namespace zelt
