#include "search/topic_text_lists.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

std::vector<std::string> Captions(const std::vector<TopicTextList>& lists)
{
    std::vector<std::string> captions;
    for (const TopicTextList& list : lists)
        captions.push_back(list.caption);
    return captions;
}

TEST(TopicTextSearchLists, TheOpenListOrTheListMenusLists)
{
    const TempDir folder;
    for (const char* name : {"ports.lst", "INTERRUP.LST", "86BUGS.LST", "notes.txt"})
        folder.write(name, "x");
    const std::string open = folder.file("INTERRUP.LST");

    const auto alone = TopicTextSearchLists(TopicTextScope::OpenList, open, folder.path(), false);
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_EQ(alone[0].file, std::filesystem::path(open));
    EXPECT_TRUE(TopicTextSearchLists(TopicTextScope::OpenList, "", folder.path(), true).empty());

    const auto all = TopicTextSearchLists(TopicTextScope::AllLists, "", folder.path(), false);
    EXPECT_EQ(Captions(all), (std::vector<std::string>{"Interrup.lst", "Ports.lst"}));
    EXPECT_EQ(all[1].file, folder.path() / "ports.lst");
    EXPECT_EQ(Captions(TopicTextSearchLists(TopicTextScope::AllLists, open, folder.path(), true)),
              (std::vector<std::string>{"86bugs.lst", "Interrup.lst", "Ports.lst"}));
}

struct RowLineCase {
    std::string_view line;
    std::size_t column;
    std::size_t length;
    TopicTextRowLine expected;
};

TEST(RowLineOf, WidensTabsAndDropsLeadingBlanksKeepingTheHit)
{
    const RowLineCase cases[] = {
        {"AX = 0000h", 0, 2, {"AX = 0000h", 0, 2}},
        {"    AX = 0000h", 9, 5, {"AX = 0000h", 5, 5}},
        {"\tAX\t= 1", 6, 1, {"AX      = 1", 10, 1}},
        {"ab\tcd", 1, 3, {"ab      cd", 1, 8}},
        // A hit that starts with blanks keeps them.
        {"   AX", 1, 4, {"  AX", 0, 4}},
        // A hit reaching the end of the line.
        {"x BIOS", 2, 4, {"x BIOS", 2, 4}},
    };
    for (const RowLineCase& c : cases)
        EXPECT_EQ(RowLineOf(c.line, c.column, c.length), c.expected) << c.line;
}

} // namespace
} // namespace zelt::test
