#include "browse/see_also.h"
#include "browse/view_lines.h"

#include <gtest/gtest.h>
#include <random>

namespace zelt::test {
namespace {

struct Case {
    ListKind kind;
    std::vector<std::string_view> linkable;
    std::vector<std::string_view> notLinkable;
};

TEST(SeeAlso, LinkableReferencesFollowTheListKind)
{
    const Case cases[] = {
        {ListKind::Interrup,
         {"INT 21/AH=4Ch", "int 10", "AX=4B00h", "BX=1", "CMOS 10h", "DX=2", "sub", "In"},
         {"#01234", " INT 16", "MEM 0040h:0017h", "PORT 0060h", "E", "I", "@F000h:FFF0h"}},
        {ListKind::Ports, {"PORT 0060h", "port 60", "Po"}, {"P", "INT 21", "#P0060", "PS/2"}},
        {ListKind::Memory, {"MEM 0040h:0017h", "me"}, {"M", "MSR 10h", "INT 21"}},
        {ListKind::Cmos, {"CMOS 10h", "cm"}, {"C", "CPU", "INT 1A"}},
        {ListKind::Farcall, {"@F000h:FFF0h", "@"}, {" @F000h", "INT 15", "#F0001"}},
        {ListKind::Msr, {"MSR 0000001Bh", "ms"}, {"MEM 0040h", "M"}},
        {ListKind::I2c, {"I2C 50h/01h", "i2"}, {"INT 21", "I"}},
        {ListKind::Opcodes, {"AAA", " x", "1"}, {"#O001"}},
        {ListKind::Smm, {"SMM 01", "x"}, {"#S001"}},
        {ListKind::Tables, {"INT 21", " INT 16"}, {"#01234"}},
        {ListKind::Biblio, {"Book"}, {"#B001"}},
        {ListKind::Other, {}, {"INT 21", "PORT 0060h", "@F000h", "AAA"}},
        {ListKind::None, {}, {"INT 21", "AAA"}},
    };
    for (const Case& c : cases) {
        for (const std::string_view ref : c.linkable)
            EXPECT_TRUE(IsLinkableReference(ref, c.kind)) << ToInt(c.kind) << " " << ref;
        for (const std::string_view ref : c.notLinkable)
            EXPECT_FALSE(IsLinkableReference(ref, c.kind)) << ToInt(c.kind) << " " << ref;
    }
}

TEST(SeeAlso, ReferencesKeepTheirTextAndComputedColumns)
{
    const std::string_view line = "SeeAlso:  AH=4Bh, INT 2F,#01234";
    const auto refs = CollectSeeAlsoReferences(line, 7, ListKind::Interrup);
    ASSERT_EQ(refs.size(), 3u);
    EXPECT_EQ(refs[0].text, "AH=4Bh");
    EXPECT_EQ(refs[0].column, 9u);
    EXPECT_TRUE(refs[0].linkable);
    EXPECT_EQ(refs[1].text, " INT 2F");
    EXPECT_EQ(refs[1].column, 16u);
    EXPECT_FALSE(refs[1].linkable);
    EXPECT_EQ(refs[2].text, "#01234");
    EXPECT_EQ(refs[2].column, 24u);
    EXPECT_FALSE(refs[2].linkable);

    EXPECT_TRUE(CollectSeeAlsoReferences("SeeAlso:", 7, ListKind::Interrup).empty());
    EXPECT_TRUE(CollectSeeAlsoReferences("SeeAlso:  \t", 7, ListKind::Interrup).empty());
    EXPECT_TRUE(CollectSeeAlsoReferences("SeeAlso: ,INT 10", 7, ListKind::Interrup).empty());
    EXPECT_TRUE(IsSeeAlsoLabel("seeALSO"));
    EXPECT_FALSE(IsSeeAlsoLabel("SeeAlso "));
}

TEST(SeeAlso, ATopicsReferencesComeFromItsSeeAlsoLinesOnly)
{
    const std::string_view shown = "SeeAlso: INT 10\r\n"
                                   "Notes: SeeAlso: INT 11\r\n"
                                   "seealso: INT 12,#01\n"
                                   "See Also: INT 13\r"
                                   "SEEALSO:INT 14";
    const auto refs = TopicSeeAlsoReferences(shown, "TITLE", ListKind::Interrup);
    ASSERT_EQ(refs.size(), 3u);
    EXPECT_EQ(refs[0].text, "INT 12");
    EXPECT_EQ(refs[1].text, "#01");
    EXPECT_FALSE(refs[1].linkable);
    EXPECT_EQ(refs[2].text, "INT 14");
    // A topic without title is shown unformatted, without references.
    EXPECT_TRUE(TopicSeeAlsoReferences(shown, "", ListKind::Interrup).empty());
    EXPECT_EQ(LabelColon("Return: x"), 6u);
    EXPECT_EQ(LabelColon("Format of table: x"), std::nullopt);
    EXPECT_EQ(LabelColon("no colon"), std::nullopt);
}

// The references line by line, as the topic view's formatting finds them.
std::vector<std::string_view> ReferencesLineByLine(std::string_view shown)
{
    std::vector<std::string_view> texts;
    const std::vector<LineRange> lines = SplitViewLines(shown);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = shown.substr(lines[i].begin, lines[i].length);
        const auto colon = LabelColon(line);
        if (!colon || !IsSeeAlsoLabel(line.substr(0, *colon)))
            continue;
        for (const SeeAlsoReference& reference :
             CollectSeeAlsoReferences(line, *colon, ListKind::Interrup))
            texts.push_back(reference.text);
    }
    return texts;
}

TEST(SeeAlso, TopicReferencesAreThoseOfEverySeeAlsoLine)
{
    std::mt19937 random(3);
    const std::string_view pieces[] = {"SeeAlso:", "seeALSO: ", "See:", "\r\n", "\r", "\n",
                                       "INT 21",   ",",         " ",    ":",    "x",  "\t"};
    for (int round = 0; round < 2000; ++round) {
        std::string shown;
        const std::size_t count = random() % 16;
        for (std::size_t i = 0; i < count; ++i)
            shown += pieces[random() % std::size(pieces)];
        std::vector<std::string_view> found;
        for (const SeeAlsoReference& reference :
             TopicSeeAlsoReferences(shown, "TITLE", ListKind::Interrup))
            found.push_back(reference.text);
        ASSERT_EQ(found, ReferencesLineByLine(shown)) << shown;
    }
}

} // namespace
} // namespace zelt::test
