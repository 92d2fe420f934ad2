#include "browse/view_lines.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zelt::test {
namespace {

using namespace std::string_view_literals;

struct Line {
    std::size_t begin;
    std::size_t length;
    std::size_t position;

    friend bool operator==(const Line&, const Line&) = default;
};

std::vector<Line> Lines(std::string_view text)
{
    std::vector<Line> lines;
    for (const LineRange& line : SplitViewLines(text))
        lines.push_back({line.begin, line.length, line.position});
    return lines;
}

TEST(ViewLines, EveryKindOfLineEndIsOneBreakOfOnePosition)
{
    EXPECT_EQ(Lines("ab\r\ncd\ref\ngh"),
              (std::vector<Line>{{0, 2, 0}, {4, 2, 3}, {7, 2, 6}, {10, 2, 9}}));
    // LF then CR are two line ends; only CR followed by LF is one.
    EXPECT_EQ(Lines("a\n\rb"), (std::vector<Line>{{0, 1, 0}, {2, 0, 2}, {3, 1, 3}}));
    EXPECT_EQ(Lines("\r\n\r\n"), (std::vector<Line>{{0, 0, 0}, {2, 0, 1}, {4, 0, 2}}));
    EXPECT_EQ(Lines(""), (std::vector<Line>{{0, 0, 0}}));
    EXPECT_EQ(Lines("a\tb\vc\fd"), (std::vector<Line>{{0, 7, 0}}));
    EXPECT_EQ(ViewLength(SplitViewLines("ab\r\ncd\ref\ngh")), 11u);
    EXPECT_EQ(ViewLength(SplitViewLines("ab\r\n")), 3u);
}

TEST(ViewLines, ZeroByteEndsTheShownText)
{
    EXPECT_EQ(ShownBytes("ab\r\ncd\0ef"sv), "ab\r\ncd");
    EXPECT_EQ(ShownBytes("\0ab"sv), "");
    EXPECT_EQ(ShownBytes("ab\r\n"), "ab\r\n");
}

TEST(ViewLines, PositionsAndByteOffsetsMapBothWays)
{
    const std::string_view text = "ab\r\ncd\ref\ngh";
    const auto lines = SplitViewLines(text);
    const std::size_t offsets[] = {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    for (std::size_t position = 0; position < std::size(offsets); ++position) {
        EXPECT_EQ(ByteOffsetOfPosition(lines, position), offsets[position]) << position;
        EXPECT_EQ(PositionOfByteOffset(lines, offsets[position]), position) << position;
    }
    // The LF of a CR LF belongs to the same break.
    EXPECT_EQ(PositionOfByteOffset(lines, 3), 2u);
    EXPECT_EQ(ByteOffsetOfPosition(lines, 99), text.size());
    EXPECT_EQ(PositionOfByteOffset(lines, 99), 11u);
}

TEST(ViewLines, ViewTextHasOneCharacterPerPosition)
{
    const std::string_view text = "A\t\x01\xC4\r\n\x7F\rx\n\xFF";
    const std::u16string view = ViewText(text);
    EXPECT_EQ(view, u"A\t\u263A\u2500\u2029\u2302\u2029x\u2029\u00A0");
    EXPECT_EQ(view.size(), ViewLength(SplitViewLines(text)));
    EXPECT_EQ(ViewText(""), u"");
}

TEST(ViewLines, LinesBeyondTheLimitAreCutWithAMark)
{
    const std::string text = std::string(5000, 'a') + "\r\nbc\r" + std::string(4096, 'd') + "\n" +
                             std::string(4097, 'e');
    const auto lines = SplitViewLines(text);
    EXPECT_EQ(
        Lines(text),
        (std::vector<Line>{{0, 4096, 0}, {5002, 2, 4098}, {5005, 4096, 4101}, {9102, 4096, 8198}}));
    EXPECT_TRUE(lines[0].cut());
    EXPECT_FALSE(lines[2].cut()) << "exactly the limit is shown whole";
    EXPECT_TRUE(lines[3].cut());
    EXPECT_EQ(ViewLength(lines), 12295u);

    const std::u16string view = ViewText(text);
    ASSERT_EQ(view.size(), ViewLength(lines));
    EXPECT_EQ(view[4095], u'a');
    EXPECT_EQ(view[4096], ViewCutMark);
    EXPECT_EQ(view[4097], ViewLineBreak);
    EXPECT_EQ(view[8197], ViewLineBreak);
    EXPECT_EQ(view.back(), ViewCutMark);
    EXPECT_EQ(std::count(view.begin(), view.end(), ViewCutMark), 2);

    // The mark stands for the hidden bytes; the break still for the line end.
    EXPECT_EQ(ByteOffsetOfPosition(lines, 4096), 4096u);
    EXPECT_EQ(ByteOffsetOfPosition(lines, 4097), 5000u);
    EXPECT_EQ(PositionOfByteOffset(lines, 4500), 4096u);
    EXPECT_EQ(PositionOfByteOffset(lines, 4999), 4096u);
    EXPECT_EQ(PositionOfByteOffset(lines, 5000), 4097u);
    EXPECT_EQ(PositionOfByteOffset(lines, 5001), 4097u);
    EXPECT_EQ(PositionOfByteOffset(lines, text.size()), 12295u);
    for (std::size_t position = 0; position <= view.size(); ++position)
        ASSERT_EQ(PositionOfByteOffset(lines, ByteOffsetOfPosition(lines, position)), position);
}

TEST(ViewLines, OneHugeLineGivesASmallView)
{
    const std::string text(50'000'000, 'x');
    const std::u16string view = ViewText(text);
    EXPECT_EQ(view.size(), MaxViewLineLength + 1);
}

TEST(ViewLines, ViewBytesHaveOneBytePerLineEnd)
{
    EXPECT_EQ(ViewBytes("a\r\nb\rc\nd\n\re"), "a\nb\nc\nd\n\ne");
    EXPECT_EQ(ViewBytes("\r\n\r\n"), "\n\n");
    EXPECT_EQ(ViewBytes("tab\there\x01"), "tab\there\x01");
    EXPECT_EQ(ViewBytes("end\r"), "end\n");
    EXPECT_EQ(ViewBytes(""), "");
}

} // namespace
} // namespace zelt::test
