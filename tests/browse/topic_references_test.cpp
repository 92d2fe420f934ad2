#include "browse/topic_references.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

using Kind = TextReference::Kind;

struct Expected {
    Kind kind;
    std::size_t position; // view position: each line end counts one
    std::string_view text;
};

void ExpectReferences(std::string_view text, std::string_view title, ListKind kind,
                      const std::vector<Expected>& expected)
{
    const std::vector<TextReference> found = TopicReferences(text, title, kind);
    ASSERT_EQ(found.size(), expected.size()) << text;
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].kind, expected[i].kind) << i;
        EXPECT_EQ(found[i].position, expected[i].position) << i;
        EXPECT_EQ(found[i].text, expected[i].text) << i;
        EXPECT_EQ(found[i].length, expected[i].text.size()) << i;
    }
}

// See-also references as the collection finds them, linkable or not and with
// a blank after a comma kept; table numbers in every other line, the title
// line included, each only when no digit follows.
TEST(TopicReferences, SeeAlsoReferencesAndTableNumbersInTextOrder)
{
    const std::string_view text = "INT 10 - VIDEO (#00001)\r\n"          // 0..23, break 23
                                  "\tAL = mode (see #00100, #P0004)\r\n" // 24..55, break 55
                                  "SeeAlso: AH=0Fh,#00101, PORT 03C8h\n" // 56..90, break 90
                                  "#012345 #X1234x ##01234";             // 91..
    ExpectReferences(text, "VIDEO", ListKind::Interrup,
                     {
                         {Kind::Table, 16, "#00001"},
                         {Kind::Table, 40, "#00100"},
                         {Kind::Table, 48, "#P0004"},
                         {Kind::SeeAlso, 65, "AH=0Fh"},
                         {Kind::SeeAlso, 72, "#00101"},
                         {Kind::SeeAlso, 79, " PORT 03C8h"},
                         {Kind::Table, 99, "#X1234"},
                         {Kind::Table, 108, "#01234"},
                     });
    // Without a title the view makes nothing of see-also lines; their table numbers stay.
    ExpectReferences("[List Info]\r\nSeeAlso: INT 21,#00002", "", ListKind::Interrup,
                     {{Kind::Table, 28, "#00002"}});
    EXPECT_EQ(TopicReferences(text, ListKind::Interrup).size(), 8u);
}

} // namespace
} // namespace zelt::test
