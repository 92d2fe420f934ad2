#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// SearchStart: where the next search begins, in the unit of the scope (a grid
// row, a topic number or a view position). Every search that misses, a new
// search, a closed list and a topic shown while the shown topic is searched
// start again at the top.
class SearchPosition {
public:
    std::int32_t value() const noexcept { return m_value; }

    void newSearch() noexcept { m_value = 0; }
    // A topic-line hit or a located topic, shown on this grid row.
    void hitOnGridRow(std::int32_t row) noexcept { m_value = row + 1; }
    // A hit in the shown topic's text at this position: the next search may
    // find an occurrence that starts inside this one.
    void hitInText(std::int32_t position) noexcept { m_value = position + 1; }
    void miss() noexcept { m_value = 0; }
    void listClosed() noexcept { m_value = 0; }
    void topicLoaded(bool searchingShownTopic) noexcept
    {
        if (searchingShownTopic)
            m_value = 0;
    }

private:
    std::int32_t m_value = 0;
};

// The drop-down list of earlier search texts, newest first.
class FindHistory {
public:
    static constexpr std::size_t MaxEntries = 19;

    // What add did to the list, for a control that mirrors it.
    struct Change {
        bool inserted = false;
        bool droppedLast = false;
    };

    // Inserts the text at the top unless it equals the newest entry exactly;
    // an older equal entry stays where it is. Beyond 19 entries the oldest goes.
    Change add(std::string_view text);

    const std::vector<std::string>& entries() const noexcept { return m_entries; }

private:
    std::vector<std::string> m_entries;
};

// The Find dialog's four values.
struct FindValues {
    std::string text;
    int searchIn = -1; // no scope chosen yet
    bool matchCase = false;
    bool wholeWords = false;

    friend bool operator==(const FindValues&, const FindValues&) = default;
};

// The values the dialog was opened with, put back when it closes without a
// search started from it (Cancel, Esc or the close box).
class FindDialogMemory {
public:
    // The dialog opens with these values: the first opening chooses scope 0.
    FindValues opened(FindValues current);
    void searchStarted() noexcept { m_restoreOnClose = false; }
    // The values to put back as the dialog closes, if any.
    std::optional<FindValues> closed();

    bool restoreOnClose() const noexcept { return m_restoreOnClose; }

private:
    bool m_restoreOnClose = false;
    FindValues m_saved;
};

} // namespace zelt
