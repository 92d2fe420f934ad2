#include "search/topic_text_search.h"

#include "base/file_io.h"
#include "search/line_scan.h"

#include <algorithm>

namespace zelt {

namespace {

constexpr std::size_t None = std::string_view::npos;

void AppendGrouped(std::string& out, std::size_t value)
{
    const std::string digits = std::to_string(value);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
}

void AppendCount(std::string& out, std::size_t count, std::string_view one, std::string_view many)
{
    AppendGrouped(out, count);
    out += ' ';
    out += count == 1 ? one : many;
}

} // namespace

TopicTextWalk::TopicTextWalk(std::string_view listBytes, const TopicTable& topics,
                             const SearchPattern& pattern)
    : m_bytes(listBytes)
    , m_topics(topics)
    , m_finder(pattern)
    , m_length(pattern.size())
    , m_wholeWords(pattern.options().wholeWords)
    , m_none(pattern.empty() ||
             pattern.text().find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
{}

void TopicTextWalk::findFrom(std::size_t from) noexcept
{
    m_searchedFrom = from;
    m_found = m_finder.find(m_bytes, from);
}

bool TopicTextWalk::enterTopic()
{
    if (m_next >= m_topics.size())
        return false;
    m_topic = static_cast<TopicNumber>(m_next++);
    // Positions come from line counts or an index file, so they may point past
    // the end of the file; a damaged index may even give negative ones.
    const auto size = static_cast<std::int64_t>(m_bytes.size());
    const std::int64_t start = std::clamp<std::int64_t>(m_topics.start(m_topic), 0, size);
    const std::int64_t end =
        std::clamp<std::int64_t>(start + std::max(m_topics.length(m_topic), 0), start, size);
    const auto begin = static_cast<std::size_t>(start);
    m_end = static_cast<std::size_t>(end);
    m_counted = begin;
    m_line = 1;
    m_lineStart = begin;
    m_lineEnd = None;
    // Topics that overlap the one before have their shared bytes searched
    // again; otherwise the occurrence found so far still holds.
    if (begin < m_searchedFrom || (m_found != None && m_found < begin))
        findFrom(begin);
    m_inTopic = true;
    return true;
}

std::optional<TopicTextLine> TopicTextWalk::next()
{
    if (m_none)
        return std::nullopt;
    for (;;) {
        if (!m_inTopic && !enterTopic())
            return std::nullopt;
        const std::size_t at = m_found;
        if (at == None || at + m_length > m_end) {
            m_inTopic = false;
            continue;
        }
        if (at >= m_counted) {
            const LineScan scan = ScanLines(m_bytes, m_counted, at);
            if (scan.zero != None) {
                m_end = scan.zero;
                continue;
            }
            m_counted = at;
            if (scan.lineEnds > 0) {
                m_line += static_cast<std::uint32_t>(scan.lineEnds);
                m_lineStart = scan.lineStart;
                m_lineEnd = None;
            }
        }
        if (m_lineEnd == None) {
            m_lineEnd = LineEndFrom(m_bytes, at + m_length, m_end);
            if (m_lineEnd < m_end && m_bytes[m_lineEnd] == '\0')
                m_end = m_lineEnd;
        }
        const std::string_view line = m_bytes.substr(m_lineStart, m_lineEnd - m_lineStart);
        const std::size_t column = at - m_lineStart;
        if (m_wholeWords && !PassesWholeWordRule(line, column, m_length)) {
            // A later occurrence, even one inside this, may still pass.
            findFrom(at + 1);
            continue;
        }
        const TopicTextLine hit{m_topic, m_line, static_cast<std::uint32_t>(column), line};
        m_counted = m_lineEnd;
        findFrom(m_lineEnd);
        return hit;
    }
}

TopicTextResult SearchTopicTexts(std::string_view listBytes, const TopicTable& topics,
                                 const SearchPattern& pattern, std::size_t limit)
{
    TopicTextResult result;
    TopicTextWalk walk(listBytes, topics, pattern);
    std::optional<TopicNumber> lastTopic;
    while (const auto hit = walk.next()) {
        ++result.lineCount;
        if (hit->topic != lastTopic) {
            ++result.topicCount;
            lastTopic = hit->topic;
        }
        if (result.hits.size() < limit)
            result.hits.push_back({hit->topic, hit->line, hit->column, std::string(hit->text)});
    }
    return result;
}

std::optional<TopicTextResult> SearchTopicTextsInFile(const std::filesystem::path& listFile,
                                                      const TopicTable& topics,
                                                      const SearchPattern& pattern,
                                                      std::size_t limit)
{
    const auto bytes = ReadFileBytes(listFile);
    if (!bytes)
        return std::nullopt;
    return SearchTopicTexts(*bytes, topics, pattern, limit);
}

std::string TopicTextCountText(std::size_t lineCount, std::size_t topicCount)
{
    if (lineCount == 0)
        return "Not found";
    std::string text;
    AppendCount(text, lineCount, "line", "lines");
    text += " in ";
    AppendCount(text, topicCount, "topic", "topics");
    return text;
}

} // namespace zelt
