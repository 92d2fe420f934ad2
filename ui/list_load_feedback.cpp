#include "ui/list_load_feedback.h"

#include "ui/hint_handler.h"
#include "ui/qt_text.h"
#include "ui/status_bar_panels.h"

namespace zelt {

ListLoadFeedback::ListLoadFeedback(StatusBarPanels& status, HintHandler& hints)
    : m_status(status)
    , m_hints(hints)
{}

void ListLoadFeedback::loadBegan(std::string_view statusText)
{
    m_busy.emplace();
    m_status.setProgress(0);
    m_hints.setHint(FromUtf8(statusText));
}

void ListLoadFeedback::progressShown(bool visible)
{
    m_status.showProgress(visible);
}

void ListLoadFeedback::progressChanged(int value)
{
    m_status.setProgress(value);
}

void ListLoadFeedback::loadEnded()
{
    m_busy.reset();
    m_hints.setHint(QStringLiteral(" "));
}

} // namespace zelt
