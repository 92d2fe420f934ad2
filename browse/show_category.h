#pragma once

#include "list/topic_table.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zelt {

class LoadedList;

// Posted as the application's hint while a category view is built; it stays
// until the next hint replaces it.
inline constexpr std::string_view ExtractingTopicsHint = "Extracting topics of current category...";

// The topics of a category in file order; AllCategoriesCode gives every topic.
std::vector<TopicNumber> RowsOfCategory(const TopicTable& topics, CategoryChar category);

// Narrows the list's view to a category and selects a row of it: the row map,
// the view row count, CurrentCategory and SelectedTopic (0 when the view has no
// such row). The window then refreshes the grid and the status bar.
void ApplyCategoryView(LoadedList& list, CategoryChar category, std::int32_t row);

} // namespace zelt
