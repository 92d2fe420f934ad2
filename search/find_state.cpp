#include "search/find_state.h"

namespace zelt {

FindHistory::Change FindHistory::add(std::string_view text)
{
    Change change;
    if (!m_entries.empty() && m_entries.front() == text)
        return change;
    m_entries.insert(m_entries.begin(), std::string(text));
    change.inserted = true;
    if (m_entries.size() > MaxEntries) {
        m_entries.pop_back();
        change.droppedLast = true;
    }
    return change;
}

FindValues FindDialogMemory::opened(FindValues current)
{
    if (current.searchIn < 0)
        current.searchIn = 0;
    m_restoreOnClose = true;
    m_saved = current;
    return current;
}

std::optional<FindValues> FindDialogMemory::closed()
{
    if (!m_restoreOnClose)
        return std::nullopt;
    m_restoreOnClose = false;
    return m_saved;
}

} // namespace zelt
