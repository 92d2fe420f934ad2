#pragma once

#include "list/topic_table.h"
#include "search/pattern_finder.h"
#include "search/search_text.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// One line of a topic's text that holds the search text.
struct TopicTextHit {
    TopicNumber topic = 0;
    std::uint32_t line = 0; // from 1; line 1 is the title line
    std::uint32_t column =
        0;            // byte offset in the line of the first occurrence that passes the rules
    std::string text; // the whole line, code page 437 bytes, without its line end
};

struct TopicTextResult {
    std::vector<TopicTextHit> hits; // in list order, at most the limit asked for
    std::size_t lineCount = 0;      // every hit line, also those beyond the limit
    std::size_t topicCount = 0;     // topics with at least one hit line
    bool truncated() const noexcept { return lineCount > hits.size(); }
};

// A hit line as the walk finds it; the text points into the list's bytes.
struct TopicTextLine {
    TopicNumber topic = 0;
    std::uint32_t line = 0;
    std::uint32_t column = 0;
    std::string_view text;
};

// The hit lines one by one, in list order, for callers that write them out
// as they come instead of keeping them. The bytes and the topics must outlive
// the walk.
class TopicTextWalk {
public:
    TopicTextWalk(std::string_view listBytes, const TopicTable& topics,
                  const SearchPattern& pattern);

    std::optional<TopicTextLine> next();

private:
    bool enterTopic();
    void findFrom(std::size_t from) noexcept;

    std::string_view m_bytes;
    const TopicTable& m_topics;
    PatternFinder m_finder;
    std::size_t m_length = 0;
    bool m_wholeWords = false;
    // A pattern that holds a line end or a zero byte is on no line.
    bool m_none = false;

    std::size_t m_next = 0; // the topic to enter next
    bool m_inTopic = false;
    TopicNumber m_topic = 0;
    std::size_t m_end = 0; // where the topic's text ends
    // Lines are numbered up to m_counted; the line holding it begins at
    // m_lineStart and ends at m_lineEnd once that is known.
    std::size_t m_counted = 0;
    std::uint32_t m_line = 0;
    std::size_t m_lineStart = 0;
    std::size_t m_lineEnd = std::string_view::npos;
    // No occurrence lies in [m_searchedFrom, m_found).
    std::size_t m_searchedFrom = std::string_view::npos;
    std::size_t m_found = std::string_view::npos;
};

// Every line of every topic's text that holds the pattern (SearchPattern and its byte rules from
// search/search_text.h: only a-z fold, whole-word rule; a line is a hit when SOME occurrence
// passes), in list order. A topic's text is its bytes from Start for Length clipped to the file;
// a zero byte ends it; CR LF, a lone CR or a lone LF ends a line. One pass over the bytes with a
// fast substring search; hits mapped to topics through the topic table.
TopicTextResult SearchTopicTexts(std::string_view listBytes, const TopicTable& topics,
                                 const SearchPattern& pattern, std::size_t limit);
// The same over a list file read once (nothing when it cannot be read); no text is kept beyond
// the hit lines returned.
std::optional<TopicTextResult> SearchTopicTextsInFile(const std::filesystem::path& listFile,
                                                      const TopicTable& topics,
                                                      const SearchPattern& pattern,
                                                      std::size_t limit);

// The panel's count: "1,138 lines in 612 topics", "1 line in 1 topic", or "Not found" for none.
std::string TopicTextCountText(std::size_t lineCount, std::size_t topicCount);

} // namespace zelt
