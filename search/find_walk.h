#pragma once

#include "list/topic_table.h"
#include "search/search_text.h"

#include <span>
#include <vector>

namespace zelt {

// The topics a new search at the top and then Search Again after Search Again
// select, up to the first miss: over the grid rows of a category view, or
// over all topics.
std::vector<TopicNumber> WalkTopicLineHitsInRows(const TopicTable& topics,
                                                 std::span<const TopicNumber> rows,
                                                 const SearchPattern& pattern);
std::vector<TopicNumber> WalkTopicLineHitsInAll(const TopicTable& topics,
                                                const SearchPattern& pattern);

} // namespace zelt
