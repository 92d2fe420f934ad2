#pragma once

#include "list/loaded_list.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zelt {

// The identifier of a file that is one topic: its name upper-cased, in the
// list's code page.
std::string WholeFileIdentifier(std::string_view fileName);

// Turns the lines of a list file, one at a time, into topics of a loaded
// list. Positions count each line end as the bytes it has in the file, so
// they are exact for CR LF and lone-CR lines alike; a last line without one
// counts as if it ended in CR LF, as it always has.
class TopicCollector {
public:
    TopicCollector(LoadedList& list, bool parseDividers);

    // A line without its line end, and the bytes of that line end (0 to 2).
    void line(std::string_view text, std::size_t lineEndBytes)
    {
        // Text lines need nothing but their length.
        if (!m_expectTitle &&
            (text.size() < 36 || text.size() > 74 || text[0] != '-' || !m_parseDividers)) {
            m_position += static_cast<std::int64_t>(text.size() + CountedLineEnd(lineEndBytes));
            return;
        }
        dividerOrTitle(text, CountedLineEnd(lineEndBytes));
    }
    // Adds the last topic; a file without dividers becomes one whole-file
    // topic named after the file. False when an offset leaves 32 bits.
    bool finish(std::string_view fileName, std::uint64_t fileSize);

    std::int64_t position() const noexcept { return m_position; }
    bool overflowed() const noexcept { return m_overflow; }

private:
    static constexpr std::size_t CountedLineEnd(std::size_t lineEndBytes) noexcept
    {
        return lineEndBytes == 0 ? 2 : lineEndBytes;
    }
    void dividerOrTitle(std::string_view text, std::size_t lineEnd);
    void addPending(std::int64_t end);

    LoadedList& m_list;
    bool m_parseDividers;
    std::int64_t m_position = 0;
    std::int32_t m_topicCount = 0;
    bool m_expectTitle = false;
    bool m_overflow = false;

    std::string m_identifier;
    std::string m_title;
    CategoryChar m_category = 0;
    std::int64_t m_start = 0;
};

} // namespace zelt
