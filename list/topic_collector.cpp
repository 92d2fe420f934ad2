#include "list/topic_collector.h"

#include "base/ascii_text.h"
#include "base/code_page_437.h"
#include "list/divider_line.h"

#include <algorithm>
#include <limits>

namespace zelt {

namespace {
// At most this many bytes (a blank line) between two dividers drop the first one's topic.
constexpr std::int64_t DroppedTopicBytes = 2;
// The whole-file topic leaves out a last line end, present or not.
constexpr std::int64_t WholeFileLineEnd = 2;
constexpr std::int64_t MaxOffset = std::numeric_limits<std::int32_t>::max();
} // namespace

std::string WholeFileIdentifier(std::string_view fileName)
{
    return UpperAscii(Utf8ToCp437(fileName));
}

TopicCollector::TopicCollector(LoadedList& list, bool parseDividers)
    : m_list(list)
    , m_parseDividers(parseDividers)
{}

void TopicCollector::dividerOrTitle(std::string_view text, std::size_t lineEnd)
{
    const auto lineStart = m_position;
    m_position += static_cast<std::int64_t>(text.size() + lineEnd);
    if (!m_parseDividers)
        return;

    if (IsDividerLine(text)) {
        if (m_topicCount == 0) {
            m_topicCount = 1;
            m_category = InformationCategory;
            m_identifier = ListInfoIdentifier;
            m_title.clear();
        }
        // A topic with at most a blank line of text is dropped and replaced.
        if (lineStart - m_start > DroppedTopicBytes) {
            addPending(lineStart);
            ++m_topicCount;
        }
        m_category = static_cast<CategoryChar>(text[8]);
        AssignIdentifier(m_identifier, text);
        m_start = m_position;
        // A title is cleared here so that a divider on the file's last line
        // never inherits the previous topic's title.
        m_title.clear();
        // After a dropped divider the expectation of a title carries over to
        // a following '!' divider.
        if (m_category != InformationCategory)
            m_expectTitle = true;
        m_list.growForScan(m_topicCount);
    } else if (m_expectTitle) {
        AssignTitle(m_title, text);
        m_expectTitle = false;
    }
}

void TopicCollector::addPending(std::int64_t end)
{
    const std::int64_t length = end - m_start;
    if (m_start > MaxOffset || length > MaxOffset) {
        m_overflow = true;
        return;
    }
    m_list.addTopic(m_identifier, m_title, m_category, static_cast<std::int32_t>(m_start),
                    static_cast<std::int32_t>(length));
}

bool TopicCollector::finish(std::string_view fileName, std::uint64_t fileSize)
{
    if (m_topicCount == 0) {
        m_topicCount = 1;
        m_identifier = WholeFileIdentifier(fileName);
        m_category = WholeFileCategory;
        m_start = 0;
        m_title.clear();
        // A file shorter than a line end still has a length of 0, never less.
        const auto size = static_cast<std::int64_t>(std::min<std::uint64_t>(fileSize, MaxOffset));
        addPending(std::max<std::int64_t>(size - WholeFileLineEnd, 0));
    } else {
        addPending(m_position);
    }
    m_list.finishLoad();
    return !m_overflow;
}

} // namespace zelt
