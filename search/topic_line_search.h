#pragma once

#include "list/topic_table.h"
#include "search/search_text.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zelt {

class LoadedList;

// Where the Find dialog searches; the index of its "Search in" item.
enum class SearchScope : int {
    CurrentCategory = 0, // topic lines of the grid's rows; positions are grid rows
    AllCategories = 1,   // topic lines of every topic; positions are topic numbers
    CurrentTopic = 2,    // the shown topic's text; positions are view positions
};

// Tests topic lines, the identifier, one blank and the title, against one
// pattern without building a string per topic.
class TopicLineMatcher {
public:
    explicit TopicLineMatcher(const SearchPattern& pattern);

    bool matches(std::string_view identifier, std::string_view title);

private:
    const SearchPattern& m_pattern;
    std::string m_line;
};

// The first candidate from `start` on whose topic line matches: a grid row of
// `rows`, or with all topics a topic number. Nothing when there is none,
// also when start lies past the last candidate.
std::optional<std::int32_t> FindTopicLineInRows(const TopicTable& topics,
                                                std::span<const TopicNumber> rows,
                                                const SearchPattern& pattern, std::int32_t start);
std::optional<std::int32_t> FindTopicLineInAll(const TopicTable& topics,
                                               const SearchPattern& pattern, std::int32_t start);

// The search of a topic-line scope over the open list's view.
std::optional<std::int32_t> FindTopicLine(const LoadedList& list, SearchScope scope,
                                          const SearchPattern& pattern, std::int32_t start);

// Whether a hit at topic number h is shown by switching the grid to the
// category box's first entry (the all-categories view) first, rather than by
// moving the grid to row h as a click does.
bool ShowsHitInFirstCategory(SearchScope scope, CategoryChar currentCategory) noexcept;

} // namespace zelt
