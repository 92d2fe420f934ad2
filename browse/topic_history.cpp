#include "browse/topic_history.h"

#include "list/file_entry.h"

namespace zelt {

bool ListUnchangedOnDisk(const HistoryEntry& entry)
{
    const auto now = ReadFileEntry(entry.listFile);
    return now && now->size == entry.listSize && now->writeTime == entry.listWriteTime;
}

void TopicHistory::record(HistoryEntry entry)
{
    if (!m_entries.empty()) {
        if (m_entries[m_current] == entry)
            return;
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(m_current) + 1,
                        m_entries.end());
    }
    m_entries.push_back(std::move(entry));
    if (m_entries.size() > MaxEntries)
        m_entries.erase(m_entries.begin());
    m_current = m_entries.size() - 1;
}

bool TopicHistory::canGoBack(const HistoryEntryUsable& usable) const
{
    for (std::size_t i = m_current; i-- > 0;) {
        if (usable(m_entries[i]))
            return true;
    }
    return false;
}

bool TopicHistory::canGoForward(const HistoryEntryUsable& usable) const
{
    for (std::size_t i = m_current + 1; i < m_entries.size(); ++i) {
        if (usable(m_entries[i]))
            return true;
    }
    return false;
}

std::optional<HistoryEntry> TopicHistory::back(const HistoryEntryUsable& usable)
{
    for (std::size_t i = m_current; i-- > 0;) {
        if (!usable(m_entries[i]))
            continue;
        const auto first = m_entries.begin();
        m_entries.erase(first + static_cast<std::ptrdiff_t>(i) + 1,
                        first + static_cast<std::ptrdiff_t>(m_current));
        m_current = i;
        return m_entries[i];
    }
    return std::nullopt;
}

std::optional<HistoryEntry> TopicHistory::forward(const HistoryEntryUsable& usable)
{
    for (std::size_t i = m_current + 1; i < m_entries.size(); ++i) {
        if (!usable(m_entries[i]))
            continue;
        const auto first = m_entries.begin();
        m_entries.erase(first + static_cast<std::ptrdiff_t>(m_current) + 1,
                        first + static_cast<std::ptrdiff_t>(i));
        ++m_current;
        return m_entries[m_current];
    }
    return std::nullopt;
}

} // namespace zelt
