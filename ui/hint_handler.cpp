#include "ui/hint_handler.h"

#include "app/status_texts.h"
#include "ui/qt_text.h"
#include "ui/status_bar_panels.h"

#include <QApplication>
#include <QStatusTipEvent>

namespace zelt {

HintHandler::HintHandler(QWidget& window, StatusBarPanels& status)
    : QObject(&window)
    , m_window(window)
    , m_status(&status)
{
    qApp->installEventFilter(this);
}

HintHandler::~HintHandler()
{
    qApp->removeEventFilter(this);
}

void HintHandler::setHint(const QString& hint)
{
    m_hint = hint;
    showHintInStatusBar();
}

bool HintHandler::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::StatusTip)
        return QObject::eventFilter(watched, event);
    setHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
}

void HintHandler::showHintInStatusBar()
{
    if (m_status == nullptr)
        return;
    const std::string text = HintPanelText(ToUtf8(m_hint), m_window.isActiveWindow());
    m_status->setPanelText(HintPanel, FromUtf8(text));
}

} // namespace zelt
