#include "search/find_walk.h"

#include "search/find_state.h"
#include "search/topic_line_search.h"

namespace zelt {

namespace {

// Each hit moves the grid to its row, and Search Again goes on after that row.
template <typename Find, typename TopicOf>
std::vector<TopicNumber> Walk(Find find, TopicOf topicOf)
{
    std::vector<TopicNumber> hits;
    SearchPosition position;
    while (const auto hit = find(position.value())) {
        hits.push_back(topicOf(*hit));
        position.hitOnGridRow(*hit);
    }
    return hits;
}

} // namespace

std::vector<TopicNumber> WalkTopicLineHitsInRows(const TopicTable& topics,
                                                 std::span<const TopicNumber> rows,
                                                 const SearchPattern& pattern)
{
    return Walk(
        [&](std::int32_t start) { return FindTopicLineInRows(topics, rows, pattern, start); },
        [&](std::int32_t row) { return rows[static_cast<std::size_t>(row)]; });
}

std::vector<TopicNumber> WalkTopicLineHitsInAll(const TopicTable& topics,
                                                const SearchPattern& pattern)
{
    return Walk([&](std::int32_t start) { return FindTopicLineInAll(topics, pattern, start); },
                [](std::int32_t topic) { return static_cast<TopicNumber>(topic); });
}

} // namespace zelt
