#include "search/find_state.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

using Entries = std::vector<std::string>;

TEST(FindHistory, NewestFirstWithoutRepeatingTheNewest)
{
    FindHistory history;
    EXPECT_TRUE(history.add("DOS").inserted);
    EXPECT_TRUE(history.add("VIDEO").inserted);
    EXPECT_TRUE(history.add("DOS").inserted);
    EXPECT_EQ(history.entries(), (Entries{"DOS", "VIDEO", "DOS"}));
    // The comparison with the newest entry is exact, and with it alone.
    EXPECT_FALSE(history.add("DOS").inserted);
    EXPECT_TRUE(history.add("dos").inserted);
    EXPECT_EQ(history.entries(), (Entries{"dos", "DOS", "VIDEO", "DOS"}));
}

TEST(FindHistory, KeepsNineteenEntries)
{
    FindHistory history;
    for (int i = 1; i <= 19; ++i)
        EXPECT_FALSE(history.add("text " + std::to_string(i)).droppedLast);
    ASSERT_EQ(history.entries().size(), 19u);
    EXPECT_EQ(history.entries().back(), "text 1");

    const FindHistory::Change change = history.add("text 20");
    EXPECT_TRUE(change.inserted);
    EXPECT_TRUE(change.droppedLast);
    ASSERT_EQ(history.entries().size(), 19u);
    EXPECT_EQ(history.entries().front(), "text 20");
    EXPECT_EQ(history.entries().back(), "text 2");
}

TEST(FindDialogMemory, PutsBackTheOpeningValuesUnlessASearchStarted)
{
    FindDialogMemory memory;
    EXPECT_EQ(memory.closed(), std::nullopt);
    // The first opening chooses the first scope.
    const FindValues first = memory.opened({"", -1, false, false});
    EXPECT_EQ(first.searchIn, 0);
    EXPECT_TRUE(memory.restoreOnClose());
    EXPECT_EQ(memory.closed(), first);
    EXPECT_FALSE(memory.restoreOnClose());

    const FindValues shown{"DOS", 2, true, true};
    EXPECT_EQ(memory.opened(shown), shown);
    memory.searchStarted();
    EXPECT_EQ(memory.closed(), std::nullopt);
}

TEST(SearchPosition, EveryTransition)
{
    SearchPosition position;
    EXPECT_EQ(position.value(), 0);
    position.hitOnGridRow(4);
    EXPECT_EQ(position.value(), 5);
    position.topicLoaded(false);
    EXPECT_EQ(position.value(), 5);
    position.topicLoaded(true);
    EXPECT_EQ(position.value(), 0);
    position.hitInText(10);
    EXPECT_EQ(position.value(), 11);
    position.miss();
    EXPECT_EQ(position.value(), 0);
    position.hitInText(0);
    position.listClosed();
    EXPECT_EQ(position.value(), 0);
    position.hitOnGridRow(0);
    position.newSearch();
    EXPECT_EQ(position.value(), 0);
}

} // namespace
} // namespace zelt::test
