#pragma once

#include "list/topic_table.h"
#include "search/pattern_finder.h"
#include "search/search_text.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// One line of a topic's text that holds the search text.
struct TopicTextHit {
    TopicNumber topic = 0;
    // From 1; line 1 is the title line.
    std::uint32_t line = 0;
    // Byte offset in the line of the first occurrence that passes the rules.
    std::uint32_t column = 0;
    // The whole line, code page 437 bytes, without its line end.
    std::string text;
};

struct TopicTextResult {
    std::vector<TopicTextHit> hits; // in list order, at most the limit asked for
    std::size_t lineCount = 0;      // every hit line, also those beyond the limit
    std::size_t topicCount = 0;     // topics with at least one hit line
    bool truncated() const noexcept { return lineCount > hits.size(); }
};

// A hit line as the walk finds it; the text points into the bytes the walk
// was given.
struct TopicTextLine {
    TopicNumber topic = 0;
    std::uint32_t line = 0;
    std::uint32_t column = 0;
    std::string_view text;
};

// What the walk did: found a hit line, or needs the list's bytes from
// needFrom on (a window that starts there), or is done.
struct TopicTextStep {
    std::optional<TopicTextLine> hit;
    std::size_t needFrom = std::string_view::npos;
};

// The hit lines one by one, in list order, for callers that write them out
// as they come instead of keeping them. It works on a window of the list's
// bytes and asks for the next one when it runs out, so that a list can be
// read in pieces through one buffer. The topics must outlive the walk.
class TopicTextWalk {
public:
    // Over all of a list's bytes, which must outlive the walk; never needs
    // another window.
    TopicTextWalk(std::string_view listBytes, const TopicTable& topics,
                  const SearchPattern& pattern);
    // Over a list of listSize bytes given window by window, none yet.
    TopicTextWalk(std::size_t listSize, const TopicTable& topics, const SearchPattern& pattern);

    // The bytes from base on; `last` when they run to the list's end (which
    // is then taken as the end, also when the list was cut short meanwhile).
    void setWindow(std::size_t base, std::string_view bytes, bool last) noexcept;
    std::size_t windowBase() const noexcept { return m_base; }

    TopicTextStep step();
    // The next hit over all of a list's bytes.
    std::optional<TopicTextLine> next();

private:
    bool enterTopic();
    std::size_t keepFrom() const noexcept;

    const TopicTable& m_topics;
    PatternFinder m_finder;
    std::size_t m_length = 0;
    bool m_wholeWords = false;
    // A pattern that holds a line end or a zero byte is on no line.
    bool m_none = false;

    std::size_t m_size = 0;
    std::size_t m_base = 0;
    std::string_view m_window;
    bool m_last = false;

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
    // No occurrence starts in [m_searchedFrom, m_found) when m_found is a
    // position; none at all after m_searchedFrom when it is npos; none in
    // [m_searchedFrom, m_searchAt) when it is Pending, and the search goes
    // on from m_searchAt.
    std::size_t m_searchedFrom = 0;
    std::size_t m_searchAt = 0;
    std::size_t m_found = Pending;

    void searchFrom(std::size_t from) noexcept;

    static constexpr std::size_t Pending = std::string_view::npos - 1;
};

// The hit lines of a list file, read once, in pieces through one buffer, to
// onHit while it returns true. False when the file cannot be read.
bool ForEachTopicTextHitInFile(const std::filesystem::path& listFile, const TopicTable& topics,
                               const SearchPattern& pattern,
                               const std::function<bool(const TopicTextLine&)>& onHit);

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
