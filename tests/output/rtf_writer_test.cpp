#include "output/rtf_writer.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

const OutputStyle Style{"Courier New", 9, {0, 120, 215}};

constexpr char Header[] = "{\\rtf1\\ansi\\ansicpg437\\deff0\\deftab720\\uc1\r\n"
                          "{\\fonttbl{\\f0\\fnil Courier New;}}\r\n"
                          "{\\colortbl;\\red0\\green120\\blue215;\\red0\\green128\\blue0;"
                          "\\red0\\green128\\blue128;}\r\n"
                          "\\pard\\plain\\f0\\fs18 ";

TEST(RtfWriter, FormattedTopic)
{
    const TopicDocument document{"INT 21 - DOS\nReturn: AX\nSeeAlso: AH=4Bh,#01234\n",
                                 {{SpanKind::Title, 0, 12},
                                  {SpanKind::Label, 13, 6},
                                  {SpanKind::Link, 33, 6},
                                  {SpanKind::Ref, 40, 6}}};
    EXPECT_EQ(RichTextOf(document, Style), std::string(Header) +
                                               "{\\b\\cf1 INT 21 - DOS}\\par\r\n"
                                               "{\\ul\\cf1 Return}: AX\\par\r\n"
                                               "SeeAlso: {\\cf2 AH=4Bh},{\\cf3 #01234}\\par\r\n"
                                               "\r\n}\r\n");
}

TEST(RtfWriter, UncolouredReferencesArePlainText)
{
    const TopicDocument document{"SeeAlso: A,B",
                                 {{SpanKind::Link, 9, 1, false}, {SpanKind::Ref, 11, 1, false}}};
    EXPECT_EQ(RichTextOf(document, Style), std::string(Header) + "SeeAlso: A,B\r\n}\r\n");
}

TEST(RtfWriter, SpecialCharactersAreEscaped)
{
    const TopicDocument document{"{a\\b}\t\xC4\xB3\x01\x7F\xFF", {}};
    EXPECT_EQ(RichTextOf(document, Style),
              std::string(Header) +
                  "\\{a\\\\b\\}\\tab \\u9472\\'c4\\u9474\\'b3\\u9786?\\u8962?\\u160\\'ff\r\n}\r\n");
}

TEST(RtfWriter, FontNamesAreEscapedAndUnicode)
{
    const auto fontTable = [](std::string name) {
        const std::string rtf = RichTextOf({}, {std::move(name), 8, {}});
        const std::size_t start = rtf.find("\\fnil ") + 6;
        return rtf.substr(start, rtf.find(";}}") - start);
    };
    EXPECT_EQ(fontTable("A{b}\\c;d"), "A\\{b\\}\\\\cd");
    EXPECT_EQ(fontTable("\xEF\xBC\xAD\xEF\xBC\xB3 Gothic"), "\\u-211?\\u-205? Gothic");
    EXPECT_EQ(fontTable("\xF0\x9F\x98\x80"), "\\u-10179?\\u-8704?") << "U+1F600 as surrogates";
    EXPECT_EQ(fontTable("bad\xC3"), "bad?");
    EXPECT_NE(RichTextOf({}, {"X", 0, {}}).find("\\fs2 "), std::string::npos)
        << "the size is at least one point";
}

TEST(RtfWriter, OverlappingOrOutlyingSpansAreCut)
{
    const TopicDocument document{"abcdef",
                                 {{SpanKind::Title, 0, 3},
                                  {SpanKind::Label, 2, 2},
                                  {SpanKind::Link, 5, 10},
                                  {SpanKind::Ref, 40, 2}}};
    EXPECT_EQ(RichTextOf(document, Style),
              std::string(Header) + "{\\b\\cf1 abc}{\\ul\\cf1 d}e{\\cf2 f}\r\n}\r\n");
}

} // namespace
} // namespace zelt::test
