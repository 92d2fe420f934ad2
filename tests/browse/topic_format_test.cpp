#include "browse/topic_format.h"
#include "browse/view_lines.h"

#include <gtest/gtest.h>
#include <ostream>

namespace zelt {

void PrintTo(const FormatSpan& span, std::ostream* out)
{
    static constexpr const char* Kinds[] = {"Title", "Label", "Link", "Ref"};
    *out << Kinds[static_cast<int>(span.kind)] << "(" << span.start << ", " << span.length
         << (span.coloured ? "" : ", plain") << ")";
}

} // namespace zelt

namespace zelt::test {
namespace {

using Spans = std::vector<FormatSpan>;
using Menu = std::vector<std::string>;

FormatSpan Title(int start, int length)
{
    return {SpanKind::Title, start, length, true};
}
FormatSpan Label(int start, int length)
{
    return {SpanKind::Label, start, length, true};
}
FormatSpan Link(int start, int length, bool coloured = true)
{
    return {SpanKind::Link, start, length, coloured};
}
FormatSpan Ref(int start, int length, bool coloured = true)
{
    return {SpanKind::Ref, start, length, coloured};
}

FormatOptions Defaults(ListKind kind)
{
    FormatOptions options;
    options.listKind = kind;
    return options;
}

// Title line of 10 characters; line 1 starts at 11.
constexpr std::string_view SeeAlsoTopic = "INT 21 - X\r\n"
                                          "SeeAlso: AH=4Bh,INT 2F/AX=1600h,#01234\r\n";

TEST(FormatTopic, TitleLineAndLabels)
{
    const std::string_view text = "INT 21 - EXIT\r\n"        // 0, 13
                                  "Return: nothing\r\n"      // 14
                                  "Format of the table:\r\n" // 30, blank before the colon
                                  "!Note: plain\r\n"         // 51
                                  "Ret\turn: x\r\n"          // 64, tab before the colon
                                  "AL:=0\r\n"                // 75
                                  ":x\r\n";                  // 81, empty label
    const TopicFormat format = FormatTopic(text, "INT 21 - EXIT", Defaults(ListKind::Interrup));
    EXPECT_EQ(format.spans, (Spans{Title(0, 13), Label(14, 6), Label(75, 2)}));
    EXPECT_TRUE(format.replaceSeeAlsoMenu);
    EXPECT_TRUE(format.seeAlsoMenu.empty());
    EXPECT_FALSE(format.seeAlsoButtonEnabled);
}

TEST(FormatTopic, PositionsCountEachLineEndAsOne)
{
    const std::string_view text = "Title\rReturn: x\nSeeAlso: INT 10\r\nA: b";
    const TopicFormat format = FormatTopic(text, "Title", Defaults(ListKind::Interrup));
    EXPECT_EQ(format.spans,
              (Spans{Title(0, 5), Label(6, 6), Label(16, 7), Link(25, 6), Label(32, 1)}));
}

TEST(FormatTopic, SeeAlsoLineInInterruptList)
{
    const TopicFormat format = FormatTopic(SeeAlsoTopic, "X", Defaults(ListKind::Interrup));
    EXPECT_EQ(format.spans,
              (Spans{Title(0, 10), Label(11, 7), Link(20, 6), Link(27, 15), Ref(43, 6)}));
    EXPECT_EQ(format.seeAlsoMenu, (Menu{"AH=4Bh", "INT 2F/AX=1600h"}));
    EXPECT_TRUE(format.seeAlsoButtonEnabled);
}

TEST(FormatTopic, SeeAlsoLineInListsThatDoNotLinkIt)
{
    for (const ListKind kind : {ListKind::Ports, ListKind::Other, ListKind::None}) {
        SCOPED_TRACE(ToInt(kind));
        const TopicFormat format = FormatTopic(SeeAlsoTopic, "X", Defaults(kind));
        EXPECT_EQ(format.spans,
                  (Spans{Title(0, 10), Label(11, 7), Ref(20, 6), Ref(27, 15), Ref(43, 6)}));
        EXPECT_TRUE(format.seeAlsoMenu.empty());
        EXPECT_FALSE(format.seeAlsoButtonEnabled);
    }
}

TEST(FormatTopic, ListsThatLinkEveryReferenceButFollowNone)
{
    // Opcodes, tables and bibliography keep labels plain; SMM underlines them.
    for (const ListKind kind :
         {ListKind::Opcodes, ListKind::Smm, ListKind::Tables, ListKind::Biblio}) {
        SCOPED_TRACE(ToInt(kind));
        const TopicFormat format = FormatTopic(SeeAlsoTopic, "X", Defaults(kind));
        Spans expected{Title(0, 10), Link(20, 6), Link(27, 15), Ref(43, 6)};
        if (kind == ListKind::Smm)
            expected.insert(expected.begin() + 1, Label(11, 7));
        EXPECT_EQ(format.spans, expected);
        EXPECT_EQ(format.seeAlsoMenu, (Menu{"AH=4Bh", "INT 2F/AX=1600h"}));
        EXPECT_FALSE(format.seeAlsoButtonEnabled);
    }
}

TEST(FormatTopic, FarCallReferencesStartWithAnAtSign)
{
    const std::string_view text = "X\r\nseealso: @F000h:FFF0h,INT 15\r\n";
    const TopicFormat format = FormatTopic(text, "X", Defaults(ListKind::Farcall));
    EXPECT_EQ(format.spans, (Spans{Title(0, 1), Label(2, 7), Link(11, 12), Ref(24, 6)}));
    EXPECT_EQ(format.seeAlsoMenu, (Menu{"@F000h:FFF0h"}));
    EXPECT_TRUE(format.seeAlsoButtonEnabled);
}

TEST(FormatTopic, ColouringAssumesOneBlankAfterTheColon)
{
    // Two blanks: every reference is coloured one position to its left.
    TopicFormat format =
        FormatTopic("X\r\nSeeAlso:  INT 10,INT 16\r\n", "X", Defaults(ListKind::Interrup));
    EXPECT_EQ(format.spans, (Spans{Title(0, 1), Label(2, 7), Link(11, 6), Link(18, 6)}));
    EXPECT_EQ(format.seeAlsoMenu, (Menu{"INT 10", "INT 16"}));

    // No blank: one to the right, and the last one is cut at the line's end.
    format =
        FormatTopic("X\r\nSeeAlso:INT 10,INT 16\r\nNext: y", "X", Defaults(ListKind::Interrup));
    EXPECT_EQ(format.spans,
              (Spans{Title(0, 1), Label(2, 7), Link(11, 6), Link(18, 5), Label(24, 4)}));

    // A reference whose range starts past the line's end is not coloured but
    // still reaches the menu.
    format = FormatTopic("X\r\nSeeAlso:A\r\nNext: y", "X", Defaults(ListKind::Interrup));
    EXPECT_EQ(format.spans, (Spans{Title(0, 1), Label(2, 7), Label(12, 4)}));
    EXPECT_EQ(format.seeAlsoMenu, (Menu{"A"}));
}

TEST(FormatTopic, CommasAloneSeparateReferences)
{
    // The blank after the comma makes " INT 16" a reference of its own that
    // the interrupt list does not link.
    TopicFormat format =
        FormatTopic("X\r\nSeeAlso: INT 10, INT 16\r\n", "X", Defaults(ListKind::Interrup));
    EXPECT_EQ(format.spans, (Spans{Title(0, 1), Label(2, 7), Link(11, 6), Ref(18, 7)}));
    EXPECT_EQ(format.seeAlsoMenu, (Menu{"INT 10"}));

    // Two commas in a row end the line's references; a trailing comma adds none.
    format = FormatTopic("X\r\nSeeAlso: INT 10,,INT 16\r\nSeeAlso: INT 13,\r\n", "X",
                         Defaults(ListKind::Interrup));
    EXPECT_EQ(format.seeAlsoMenu, (Menu{"INT 10", "INT 13"}));

    // Tabs and control bytes after the colon are skipped like blanks.
    format = FormatTopic("X\r\nSeeAlso:\t\x01INT 10\r\n", "X", Defaults(ListKind::Interrup));
    EXPECT_EQ(format.seeAlsoMenu, (Menu{"INT 10"}));
    EXPECT_EQ(format.spans.back(), Link(11, 6));
}

TEST(FormatTopic, OnlyTheSeeAlsoLabelCollectsReferences)
{
    const std::string_view text = "X\r\n"
                                  "SeeAlso2: INT 10\r\n"
                                  "See also: INT 11\r\n"
                                  "!SeeAlso: INT 12\r\n"
                                  "SEEALSO: INT 13\r\n";
    const TopicFormat format = FormatTopic(text, "X", Defaults(ListKind::Interrup));
    EXPECT_EQ(format.seeAlsoMenu, (Menu{"INT 13"}));
}

TEST(FormatTopic, TopicWithoutTitleIsLeftAlone)
{
    const TopicFormat format = FormatTopic(SeeAlsoTopic, "", Defaults(ListKind::Interrup));
    EXPECT_TRUE(format.spans.empty());
    EXPECT_FALSE(format.replaceSeeAlsoMenu);
    EXPECT_TRUE(format.seeAlsoMenu.empty());
    EXPECT_FALSE(format.seeAlsoButtonEnabled);
}

TEST(FormatTopic, FormattingOffKeepsLinksAndMenu)
{
    FormatOptions options = Defaults(ListKind::Interrup);
    options.topicFormatting = false;
    const TopicFormat format = FormatTopic(SeeAlsoTopic, "X", options);
    EXPECT_EQ(format.spans, (Spans{Link(20, 6, false), Link(27, 15, false), Ref(43, 6, false)}));
    EXPECT_EQ(format.seeAlsoMenu, (Menu{"AH=4Bh", "INT 2F/AX=1600h"}));
    EXPECT_TRUE(format.seeAlsoButtonEnabled);
}

TEST(FormatTopic, MenuOffLeavesReferencesPlainAndEmptiesTheMenu)
{
    FormatOptions options = Defaults(ListKind::Interrup);
    options.enabledSeeAlsoMenu = false;
    TopicFormat format = FormatTopic(SeeAlsoTopic, "X", options);
    EXPECT_EQ(format.spans, (Spans{Title(0, 10), Label(11, 7)}));
    EXPECT_TRUE(format.replaceSeeAlsoMenu);
    EXPECT_TRUE(format.seeAlsoMenu.empty());
    EXPECT_FALSE(format.seeAlsoButtonEnabled);

    // Without the scan (tables list, menu off) only the title line is formatted.
    options.listKind = ListKind::Tables;
    format = FormatTopic(SeeAlsoTopic, "X", options);
    EXPECT_EQ(format.spans, (Spans{Title(0, 10)}));
    EXPECT_TRUE(format.replaceSeeAlsoMenu);

    options.topicFormatting = false;
    format = FormatTopic(SeeAlsoTopic, "X", options);
    EXPECT_TRUE(format.spans.empty());
    EXPECT_TRUE(format.replaceSeeAlsoMenu);
}

TEST(FormatTopic, UndividedTextGetsNoTitleOrLabels)
{
    FormatOptions options = Defaults(ListKind::Interrup);
    options.parseDividers = false;
    const TopicFormat format = FormatTopic(SeeAlsoTopic, "X", options);
    EXPECT_EQ(format.spans, (Spans{Link(20, 6), Link(27, 15), Ref(43, 6)}));
}

TEST(FormatTopic, CutLinesAreFormattedOnlyWhereTheyAreShown)
{
    // The title line and a see-also line run far past the view's limit.
    const std::string title = "INT 21 - " + std::string(10000, 'T');
    const std::string seeAlso =
        "SeeAlso: AH=4Bh," + std::string(MaxViewLineLength - 20, 'x') + "AH=4Ch,INT 2F,AH=4Dh";
    const std::string text = title + "\r\n" + seeAlso + "\r\nReturn: ok";
    const TopicFormat format = FormatTopic(text, title, Defaults(ListKind::Interrup));
    const int line1 = static_cast<int>(MaxViewLineLength) + 2; // the mark, then the break
    const int refs = line1 + 9;
    const int cutAt = line1 + static_cast<int>(MaxViewLineLength);
    EXPECT_EQ(format.spans,
              (Spans{Title(0, static_cast<int>(MaxViewLineLength)), Label(line1, 7), Link(refs, 6),
                     Ref(refs + 7, cutAt - refs - 7), Label(cutAt + 2, 6)}));
    // References hidden behind the cut make no menu items.
    EXPECT_EQ(format.seeAlsoMenu, (Menu{"AH=4Bh"}));
}

} // namespace
} // namespace zelt::test
