#include "output/html_writer.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

TEST(HtmlWriter, FormattedTopicInThePreformattedBlock)
{
    const TopicDocument document{"INT 21\nRet: <AX> & more\n\tSeeAlso: A,#1\xC4\x01",
                                 {{SpanKind::Title, 0, 6},
                                  {SpanKind::Label, 7, 3},
                                  {SpanKind::Link, 34, 1},
                                  {SpanKind::Ref, 36, 2},
                                  {SpanKind::Ref, 36, 2, false}}};
    EXPECT_EQ(HtmlOf(document, {"Courier New", 10, {1, 2, 255}}),
              "<html><head><meta charset=\"utf-8\"></head><body>"
              "<pre style=\"font-family: 'Courier New'; font-size: 10pt\">"
              "<b style=\"color: #0102ff\">INT 21</b>\n"
              "<u style=\"color: #0102ff\">Ret</u>: &lt;AX&gt; &amp; more\n"
              "\tSeeAlso: <span style=\"color: #008000\">A</span>,"
              "<span style=\"color: #008080\">#1</span>\u2500\u263A"
              "</pre></body></html>");
}

TEST(HtmlWriter, FontNamesCannotLeaveTheirQuotes)
{
    const std::string html =
        HtmlOf({"x", {{SpanKind::Link, 0, 1, false}}}, {"O'Neil \"Mono\" <&>\\", 8, {}});
    EXPECT_NE(html.find("font-family: 'O\\'Neil &quot;Mono&quot; &lt;&amp;>\\\\'; "),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("pt\">x</pre>"), std::string::npos) << "an uncoloured link is plain text";
}

} // namespace
} // namespace zelt::test
