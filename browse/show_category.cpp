#include "browse/show_category.h"

#include "browse/category_box.h"
#include "list/loaded_list.h"

namespace zelt {

std::vector<TopicNumber> RowsOfCategory(const TopicTable& topics, CategoryChar category)
{
    std::vector<TopicNumber> rows;
    rows.reserve(topics.size());
    const auto count = static_cast<TopicNumber>(topics.size());
    for (TopicNumber n = 0; n < count; ++n) {
        if (category == AllCategoriesCode || topics.category(n) == category)
            rows.push_back(n);
    }
    rows.shrink_to_fit();
    return rows;
}

void ApplyCategoryView(LoadedList& list, CategoryChar category, std::int32_t row)
{
    list.setRowMap(RowsOfCategory(list.topics(), category));
    list.view.currentCategory = category;
    const bool rowExists = row >= 0 && row < list.viewRowCount();
    list.view.selectedTopic = rowExists ? static_cast<std::int32_t>(list.topicAtRow(row)) : 0;
}

} // namespace zelt
