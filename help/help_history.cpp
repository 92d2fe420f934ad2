#include "help/help_history.h"

namespace zelt {

void HelpHistory::visit(int context)
{
    if (current() == context)
        return;
    if (!m_visited.empty())
        m_visited.resize(m_position + 1);
    m_visited.push_back(context);
    m_position = m_visited.size() - 1;
}

std::optional<int> HelpHistory::current() const
{
    if (m_visited.empty())
        return std::nullopt;
    return m_visited[m_position];
}

std::optional<int> HelpHistory::back()
{
    if (canGoBack())
        --m_position;
    return current();
}

std::optional<int> HelpHistory::forward()
{
    if (canGoForward())
        ++m_position;
    return current();
}

} // namespace zelt
