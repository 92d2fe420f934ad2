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

void Count(TopicTextResult& result, std::optional<TopicNumber>& lastTopic, const TopicTextLine& hit,
           std::size_t limit)
{
    ++result.lineCount;
    if (hit.topic != lastTopic) {
        ++result.topicCount;
        lastTopic = hit.topic;
    }
    if (result.hits.size() < limit)
        result.hits.push_back({hit.topic, hit.line, hit.column, std::string(hit.text)});
}

} // namespace

TopicTextWalk::TopicTextWalk(std::string_view listBytes, const TopicTable& topics,
                             const SearchPattern& pattern)
    : TopicTextWalk(listBytes.size(), topics, pattern)
{
    setWindow(0, listBytes, true);
}

TopicTextWalk::TopicTextWalk(std::size_t listSize, const TopicTable& topics,
                             const SearchPattern& pattern)
    : m_topics(topics)
    , m_finder(pattern)
    , m_length(pattern.size())
    , m_wholeWords(pattern.options().wholeWords)
    , m_none(pattern.empty() ||
             pattern.text().find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
    , m_size(listSize)
{}

void TopicTextWalk::setWindow(std::size_t base, std::string_view bytes, bool last) noexcept
{
    m_base = base;
    m_window = bytes;
    m_last = last;
    if (last)
        m_size = base + bytes.size();
}

std::size_t TopicTextWalk::keepFrom() const noexcept
{
    return m_inTopic ? std::min(m_searchAt, m_lineStart) : m_searchAt;
}

void TopicTextWalk::searchFrom(std::size_t from) noexcept
{
    m_searchedFrom = from;
    m_searchAt = from;
    m_found = Pending;
}

bool TopicTextWalk::enterTopic()
{
    if (m_next >= m_topics.size())
        return false;
    m_topic = static_cast<TopicNumber>(m_next++);
    // Positions come from line counts or an index file, so they may point past
    // the end of the file; a damaged index may even give negative ones.
    const auto size = static_cast<std::int64_t>(m_size);
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
    if (begin < m_searchedFrom || (m_found < Pending && m_found < begin) ||
        (m_found == Pending && m_searchAt < begin))
        searchFrom(begin);
    m_inTopic = true;
    return true;
}

TopicTextStep TopicTextWalk::step()
{
    if (m_none)
        return {};
    const std::size_t windowEnd = m_base + m_window.size();
    for (;;) {
        if (!m_inTopic && !enterTopic())
            return {};
        if (m_found == Pending) {
            if (m_searchAt < m_base)
                return {std::nullopt, keepFrom()};
            if (m_searchAt < m_end) {
                const std::size_t at = m_finder.find(m_window, m_searchAt - m_base);
                if (at == None && !m_last) {
                    // Only an occurrence across the window's end is left.
                    if (windowEnd >= m_length)
                        m_searchAt = std::max(m_searchAt, windowEnd - m_length + 1);
                    if (windowEnd < m_end)
                        return {std::nullopt, keepFrom()};
                    // Later topics may lie past the window: they search anew.
                    m_inTopic = false;
                    continue;
                }
                m_found = at == None ? None : m_base + at;
            } else {
                // Nothing of this topic is left; the next one searches anew.
                m_inTopic = false;
                continue;
            }
        }
        const std::size_t at = m_found;
        if (at == None || at + m_length > m_end) {
            m_inTopic = false;
            continue;
        }
        if (at > m_counted) {
            const LineScan scan = ScanLines(m_window, m_counted - m_base, at - m_base);
            if (scan.zero != None) {
                m_end = m_base + scan.zero;
                continue;
            }
            m_counted = at;
            if (scan.lineEnds > 0) {
                m_line += static_cast<std::uint32_t>(scan.lineEnds);
                m_lineStart = m_base + scan.lineStart;
                m_lineEnd = None;
            }
        }
        if (m_lineEnd == None) {
            const std::size_t limit = std::min(m_end, windowEnd);
            const std::size_t end =
                m_base + LineEndFrom(m_window, at + m_length - m_base, limit - m_base);
            if (end == windowEnd && end < m_end && !m_last)
                return {std::nullopt, keepFrom()};
            m_lineEnd = end;
            if (end < m_end && m_window[end - m_base] == '\0')
                m_end = end;
        }
        const std::string_view line =
            m_window.substr(m_lineStart - m_base, m_lineEnd - m_lineStart);
        const std::size_t column = at - m_lineStart;
        if (m_wholeWords && !PassesWholeWordRule(line, column, m_length)) {
            // A later occurrence, even one inside this, may still pass.
            m_counted = at;
            searchFrom(at + 1);
            continue;
        }
        const TopicTextLine hit{m_topic, m_line, static_cast<std::uint32_t>(column), line};
        m_counted = m_lineEnd;
        searchFrom(m_lineEnd);
        return {hit, None};
    }
}

std::optional<TopicTextLine> TopicTextWalk::next()
{
    return step().hit;
}

bool ForEachTopicTextHitInFile(const std::filesystem::path& listFile, const TopicTable& topics,
                               const SearchPattern& pattern,
                               const std::function<bool(const TopicTextLine&)>& onHit)
{
    const FileHandle file = OpenSharedRead(listFile);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long fileSize = std::ftell(file.get());
    if (fileSize < 0)
        return false;
    const auto size = static_cast<std::size_t>(fileSize);
    // A buffer that stays in the processor's cache, used over and over: far
    // cheaper than fresh memory for the whole list. A window grows only for
    // a line longer than itself.
    std::size_t windowSize = 256 * 1024;
    std::string buffer;
    TopicTextWalk walk(size, topics, pattern);
    const auto read = [&](std::size_t from) {
        const std::size_t wanted = std::min(windowSize, size - std::min(from, size));
        if (buffer.size() < wanted)
            buffer.resize(wanted);
        if (std::fseek(file.get(), static_cast<long>(from), SEEK_SET) != 0)
            return false;
        const std::size_t got = std::fread(buffer.data(), 1, wanted, file.get());
        if (std::ferror(file.get()))
            return false;
        walk.setWindow(from, std::string_view(buffer.data(), got),
                       got < wanted || from + got >= size);
        return true;
    };
    if (!read(0))
        return false;
    for (;;) {
        const TopicTextStep step = walk.step();
        if (step.hit) {
            if (!onHit(*step.hit))
                return true;
            continue;
        }
        if (step.needFrom == None)
            return true;
        if (step.needFrom == walk.windowBase())
            windowSize *= 2;
        if (!read(step.needFrom))
            return false;
    }
}

TopicTextResult SearchTopicTexts(std::string_view listBytes, const TopicTable& topics,
                                 const SearchPattern& pattern, std::size_t limit)
{
    TopicTextResult result;
    std::optional<TopicNumber> lastTopic;
    TopicTextWalk walk(listBytes, topics, pattern);
    while (const auto hit = walk.next())
        Count(result, lastTopic, *hit, limit);
    return result;
}

std::optional<TopicTextResult> SearchTopicTextsInFile(const std::filesystem::path& listFile,
                                                      const TopicTable& topics,
                                                      const SearchPattern& pattern,
                                                      std::size_t limit)
{
    TopicTextResult result;
    std::optional<TopicNumber> lastTopic;
    const bool read =
        ForEachTopicTextHitInFile(listFile, topics, pattern, [&](const TopicTextLine& hit) {
            Count(result, lastTopic, hit, limit);
            return true;
        });
    if (!read)
        return std::nullopt;
    return result;
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
