#pragma once

#include "list/topic_table.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace zelt {

// A topic that was shown: its list, its number, and the list file's size and
// write time then, which tell whether the number still means that topic.
struct HistoryEntry {
    std::filesystem::path listFile;
    TopicNumber topic = 0;
    std::uint64_t listSize = 0;
    std::filesystem::file_time_type listWriteTime{};

    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

// Whether an entry can be shown again.
using HistoryEntryUsable = std::function<bool(const HistoryEntry&)>;

// Whether the entry's list is still there as it was when the topic was shown.
bool ListUnchangedOnDisk(const HistoryEntry& entry);

// The topics shown, oldest first, with the one Back and Forward stand on.
class TopicHistory {
public:
    static constexpr std::size_t MaxEntries = 100;

    // A topic shown by any route but Back and Forward: it follows the current
    // entry, and the entries that Forward would have reached go. Showing the
    // current entry's topic again adds nothing.
    void record(HistoryEntry entry);

    bool canGoBack(const HistoryEntryUsable& usable) const;
    bool canGoForward(const HistoryEntryUsable& usable) const;
    // The nearest usable entry before (after) the current one, which becomes
    // the current one; the unusable ones passed on the way are dropped, never
    // shown as other topics. Nothing, and no change, when there is none.
    std::optional<HistoryEntry> back(const HistoryEntryUsable& usable);
    std::optional<HistoryEntry> forward(const HistoryEntryUsable& usable);

    const std::vector<HistoryEntry>& entries() const noexcept { return m_entries; }
    // Index of the current entry; meaningless while there are none.
    std::size_t current() const noexcept { return m_current; }

private:
    std::vector<HistoryEntry> m_entries;
    std::size_t m_current = 0;
};

} // namespace zelt
