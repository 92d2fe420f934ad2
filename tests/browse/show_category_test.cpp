#include "browse/category_box.h"
#include "browse/show_category.h"
#include "list/loaded_list.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

// Topics 0 (!), 1 (D), 2 (B), 3 (D).
LoadedList FourTopics()
{
    LoadedList list;
    list.beginLoad(4);
    list.addTopic("[List Info]", "", '!', 0, 10);
    list.addTopic("21", "DOS", 'D', 10, 10);
    list.addTopic("13", "BIOS", 'B', 20, 10);
    list.addTopic("2F", "MULTIPLEX", 'D', 30, 10);
    list.finishLoad();
    return list;
}

std::vector<TopicNumber> Rows(const LoadedList& list)
{
    return {list.rowMap().begin(), list.rowMap().end()};
}

TEST(ShowCategory, NarrowsToOneCategoryAndBack)
{
    LoadedList list = FourTopics();
    ApplyCategoryView(list, 'D', 0);
    EXPECT_EQ(Rows(list), (std::vector<TopicNumber>{1, 3}));
    EXPECT_EQ(list.viewRowCount(), 2);
    EXPECT_EQ(list.view.selectedTopic, 1);
    EXPECT_EQ(list.view.currentCategory, 'D');

    ApplyCategoryView(list, AllCategoriesCode, 0);
    EXPECT_EQ(Rows(list), (std::vector<TopicNumber>{0, 1, 2, 3}));
    EXPECT_EQ(list.view.currentCategory, AllCategoriesCode);
    EXPECT_EQ(list.view.selectedTopic, 0);
    EXPECT_EQ(list.topicCount(), 4);
}

TEST(ShowCategory, SelectsTheGivenRow)
{
    LoadedList list = FourTopics();
    ApplyCategoryView(list, 'D', 1);
    EXPECT_EQ(list.view.selectedTopic, 3);
    ApplyCategoryView(list, 'D', 2);
    EXPECT_EQ(list.view.selectedTopic, 0);
    ApplyCategoryView(list, 'X', 0);
    EXPECT_EQ(list.viewRowCount(), 0);
    EXPECT_EQ(list.view.selectedTopic, 0);
    EXPECT_EQ(list.view.currentCategory, 'X');
}

TEST(ShowCategory, RowsOfAnEmptyTable)
{
    EXPECT_TRUE(RowsOfCategory(TopicTable{}, AllCategoriesCode).empty());
}

} // namespace
} // namespace zelt
