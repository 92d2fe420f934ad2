#pragma once

#include "list/topic_table.h"
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
