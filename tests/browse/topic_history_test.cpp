#include "browse/topic_history.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <set>

namespace zelt::test {
namespace {

HistoryEntry Entry(const char* list, TopicNumber topic)
{
    return {list, topic, 100, {}};
}

// Every entry usable but those of the lists named.
HistoryEntryUsable AllBut(std::set<std::string> gone)
{
    return [gone](const HistoryEntry& e) { return !gone.contains(e.listFile.string()); };
}

TEST(TopicHistory, BackAndForwardWalkTheTopicsShown)
{
    TopicHistory history;
    const auto all = AllBut({});
    EXPECT_FALSE(history.canGoBack(all));
    EXPECT_FALSE(history.back(all));
    history.record(Entry("A", 1));
    history.record(Entry("A", 1));
    history.record(Entry("B", 2));
    history.record(Entry("A", 3));
    EXPECT_EQ(history.entries().size(), 3u);
    EXPECT_TRUE(history.canGoBack(all));
    EXPECT_FALSE(history.canGoForward(all));

    EXPECT_EQ(history.back(all), Entry("B", 2));
    EXPECT_EQ(history.back(all), Entry("A", 1));
    EXPECT_FALSE(history.back(all));
    EXPECT_EQ(history.forward(all), Entry("B", 2));
    EXPECT_TRUE(history.canGoForward(all));

    // A topic shown from the middle drops what Forward would have reached.
    history.record(Entry("C", 4));
    EXPECT_FALSE(history.canGoForward(all));
    EXPECT_EQ(history.entries().size(), 3u);
    EXPECT_EQ(history.back(all), Entry("B", 2));
}

TEST(TopicHistory, EntriesOfChangedListsAreSkippedAndDropped)
{
    TopicHistory history;
    for (const char* list : {"A", "B", "B", "C"})
        history.record(Entry(list, static_cast<TopicNumber>(history.entries().size())));
    EXPECT_FALSE(history.canGoBack(AllBut({"A", "B"})));
    EXPECT_FALSE(history.back(AllBut({"A", "B"})));
    EXPECT_EQ(history.entries().size(), 4u);

    EXPECT_EQ(history.back(AllBut({"B"})), Entry("A", 0));
    EXPECT_EQ(history.entries().size(), 2u);
    EXPECT_EQ(history.forward(AllBut({})), Entry("C", 3));

    history.record(Entry("D", 4));
    history.back(AllBut({}));
    history.back(AllBut({}));
    EXPECT_FALSE(history.canGoForward(AllBut({"C", "D"})));
    EXPECT_EQ(history.forward(AllBut({"C"})), Entry("D", 4));
    EXPECT_EQ(history.entries().size(), 2u);
}

TEST(TopicHistory, KeepsTheNewestHundred)
{
    TopicHistory history;
    for (TopicNumber n = 0; n < 150; ++n)
        history.record(Entry("A", n));
    ASSERT_EQ(history.entries().size(), TopicHistory::MaxEntries);
    EXPECT_EQ(history.entries().front().topic, 50u);
    EXPECT_EQ(history.current(), 99u);
}

TEST(ListUnchangedOnDisk, ComparesSizeAndWriteTime)
{
    const TempDir temp;
    const auto list = temp.path() / "A.LST";
    WriteBytes(list, "topics");
    const auto time = std::filesystem::last_write_time(list);
    EXPECT_TRUE(ListUnchangedOnDisk({list, 1, 6, time}));
    EXPECT_FALSE(ListUnchangedOnDisk({list, 1, 7, time}));
    EXPECT_FALSE(ListUnchangedOnDisk({list, 1, 6, time - std::chrono::seconds(1)}));
    EXPECT_FALSE(ListUnchangedOnDisk({temp.path() / "B.LST", 1, 6, time}));
}

} // namespace
} // namespace zelt::test
