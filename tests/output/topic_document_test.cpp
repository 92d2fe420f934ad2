#include "browse/view_lines.h"
#include "output/topic_document.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

using namespace std::string_literals;

TEST(TopicDocument, EveryLineEndIsOneBreakAndIndexesAreViewPositions)
{
    const std::string shown = "title\r\nlf\nlone cr\rcr cr lf\r\r\n\tend"s;
    const TopicDocument document = DocumentOfShownBytes(shown, {{SpanKind::Label, 6, 2}});
    EXPECT_EQ(document.text, "title\nlf\nlone cr\ncr cr lf\n\n\tend");
    ASSERT_EQ(document.spans.size(), 1u);
    EXPECT_EQ(document.text.substr(6, 2), "lf");
    EXPECT_EQ(document.text.size(), ViewText(shown).size());

    EXPECT_EQ(DocumentOfShownBytes("", {}).text, "");
    EXPECT_EQ(DocumentOfShownBytes("\r\n", {}).text, "\n");
    EXPECT_EQ(DocumentOfShownBytes("a\n\r", {}).text, "a\n\n");
}

TEST(TopicDocument, TheViewTextMapsBackToItsBytes)
{
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            everyByte += static_cast<char>(byte);
    }
    const std::string shown = everyByte + "\r\n" + everyByte + "\n";
    EXPECT_EQ(BytesOfViewText(ViewText(shown)), everyByte + "\n" + everyByte + "\n");
    EXPECT_EQ(BytesOfViewText(u"\u2500\u263A\t\u2029\u20AC"), "\xC4\x01\t\n?")
        << "the euro sign is no character of code page 437";
}

TEST(TopicDocument, ASliceCutsTheSpansToItself)
{
    TopicDocument document{
        "0123456789", {{SpanKind::Title, 0, 3}, {SpanKind::Link, 4, 4}, {SpanKind::Ref, 9, 1}}};
    const TopicDocument slice = SliceOfDocument(document, 2, 5);
    EXPECT_EQ(slice.text, "23456");
    EXPECT_EQ(slice.spans,
              (std::vector<FormatSpan>{{SpanKind::Title, 0, 1}, {SpanKind::Link, 2, 3}}));
    EXPECT_EQ(SliceOfDocument(document, 0, 100).spans, document.spans);
    EXPECT_EQ(SliceOfDocument(document, 20, 3).text, "");
    EXPECT_TRUE(SliceOfDocument(document, 3, 1).spans.empty());
}

} // namespace
} // namespace zelt::test
