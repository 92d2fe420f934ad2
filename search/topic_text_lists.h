#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// Which lists Search Topic Texts searches.
enum class TopicTextScope { OpenList, AllLists };

// A list to search and the name its rows show.
struct TopicTextList {
    std::filesystem::path file;
    std::string caption;
};

// The open list alone (none while no list is open), or every list the List
// menu offers for the lists folder, in the menu's order and with its captions.
std::vector<TopicTextList> TopicTextSearchLists(TopicTextScope scope, std::string_view openListFile,
                                                const std::filesystem::path& listsFolder,
                                                bool displayAllLists);

// Rows beyond this many are counted but not listed.
inline constexpr std::size_t MaxTopicTextRows = 10'000;
inline constexpr std::string_view TopicTextMoreNote = "Only the first 10,000 lines are listed";

// A hit line as its row shows it: tabs widened to the next multiple of 8,
// the blanks at its start dropped (not those of the hit), and where the hit
// lies in that text.
struct TopicTextRowLine {
    std::string text;
    std::size_t hitStart = 0;
    std::size_t hitLength = 0;

    friend bool operator==(const TopicTextRowLine&, const TopicTextRowLine&) = default;
};

TopicTextRowLine RowLineOf(std::string_view line, std::size_t column, std::size_t length);

} // namespace zelt
