#include "browse/category_box.h"
#include "browse/show_category.h"
#include "list/loaded_list.h"
#include "search/find_walk.h"
#include "search/topic_line_search.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

// Topics 0 (!), 1 (D), 2 (B), 3 (D), 4 (B), 5 (D).
LoadedList SixTopics()
{
    LoadedList list;
    list.beginLoad(6);
    list.addTopic("[List Info]", "", '!', 0, 10);
    list.addTopic("2109", "DOS WRITE STRING", 'D', 10, 10);
    list.addTopic("1000", "VIDEO - SET MODE", 'B', 20, 10);
    list.addTopic("2140", "MSDOS WRITE FILE", 'D', 30, 10);
    list.addTopic("1301", "DISK - RESET DOS", 'B', 40, 10);
    list.addTopic("2F16", "WINDOWS - DOSX", 'D', 50, 10);
    list.finishLoad();
    return list;
}

TEST(TopicLineSearch, AllCategoriesCountsTopicNumbersFromTheStart)
{
    const LoadedList list = SixTopics();
    const SearchPattern dos("dos", {});
    EXPECT_EQ(FindTopicLine(list, SearchScope::AllCategories, dos, 0), 1);
    EXPECT_EQ(FindTopicLine(list, SearchScope::AllCategories, dos, 2), 3);
    EXPECT_EQ(FindTopicLine(list, SearchScope::AllCategories, dos, 6), std::nullopt);
    EXPECT_EQ(FindTopicLine(list, SearchScope::AllCategories, dos, 99), std::nullopt);
    EXPECT_EQ(FindTopicLine(list, SearchScope::CurrentTopic, dos, 0), std::nullopt);
    // The identifier is part of the line, topic 0's too.
    EXPECT_EQ(FindTopicLine(list, SearchScope::AllCategories, SearchPattern("[list", {}), 0), 0);
    EXPECT_EQ(FindTopicLine(list, SearchScope::AllCategories, SearchPattern("2140 MS", {}), 0), 3);
}

TEST(TopicLineSearch, CurrentCategoryCountsGridRows)
{
    LoadedList list = SixTopics();
    ApplyCategoryView(list, 'B', 0);
    const SearchPattern dos("DOS", {});
    // Rows: 0 = topic 2, 1 = topic 4.
    EXPECT_EQ(FindTopicLine(list, SearchScope::CurrentCategory, dos, 0), 1);
    EXPECT_EQ(FindTopicLine(list, SearchScope::CurrentCategory, dos, 2), std::nullopt);
    EXPECT_EQ(FindTopicLine(list, SearchScope::AllCategories, dos, 0), 1);
}

TEST(TopicLineSearch, SearchAgainWalksEveryHitInOrder)
{
    LoadedList list = SixTopics();
    const SearchPattern dos("DOS", {});
    EXPECT_EQ(WalkTopicLineHitsInAll(list.topics(), dos), (std::vector<TopicNumber>{1, 3, 4, 5}));
    const SearchPattern word("DOS", {false, true});
    EXPECT_EQ(WalkTopicLineHitsInAll(list.topics(), word), (std::vector<TopicNumber>{1, 4}));
    const SearchPattern upper("dos", {true, false});
    EXPECT_TRUE(WalkTopicLineHitsInAll(list.topics(), upper).empty());

    const std::vector<TopicNumber> rows = RowsOfCategory(list.topics(), 'D');
    EXPECT_EQ(WalkTopicLineHitsInRows(list.topics(), rows, dos),
              (std::vector<TopicNumber>{1, 3, 5}));
    EXPECT_TRUE(WalkTopicLineHitsInRows(list.topics(), {}, dos).empty());
}

TEST(TopicLineSearch, HitsOfAllCategoriesSwitchAwayFromOneCategory)
{
    EXPECT_FALSE(ShowsHitInFirstCategory(SearchScope::CurrentCategory, 'D'));
    EXPECT_FALSE(ShowsHitInFirstCategory(SearchScope::AllCategories, AllCategoriesCode));
    EXPECT_TRUE(ShowsHitInFirstCategory(SearchScope::AllCategories, 'D'));
    EXPECT_TRUE(ShowsHitInFirstCategory(SearchScope::AllCategories, 0));
}

} // namespace
} // namespace zelt::test
