#include "browse/view_lines.h"
#include "list/list_loader.h"
#include "list/topic_reader.h"
#include "output/text_writer.h"
#include "output/topic_document.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

TEST(TextWriter, EveryLineBreakBecomesCrLf)
{
    EXPECT_EQ(PlainTextOf("a\nb\n\nc"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(PlainTextOf("\n"), "\r\n");
    EXPECT_EQ(PlainTextOf(""), "");
    EXPECT_EQ(PlainTextOf("\t\xC4\x01 x"), "\t\xC4\x01 x");
    EXPECT_EQ(PlainTextOf(DocumentOfShownBytes("lf\ncr\rcrlf\r\n", {}).text),
              "lf\r\ncr\r\ncrlf\r\n");
}

TEST(TextWriter, UnicodeTextShowsEveryCharacterAsTheViewDoes)
{
    EXPECT_EQ(Utf8TextOf("a\n\tb\xC4\x01\x7F\xFF"), "a\n\tb\u2500\u263A\u2302\u00A0");
    EXPECT_EQ(Utf8TextOf(""), "");
}

// Saved as text, every topic of every sample list is its own stretch of the
// list file, whether the text comes from the file or back from the view.
TEST(TextWriter, TopicsOfTheSampleListsAreTheirBytesInTheList)
{
    std::size_t checked = 0;
    for (const auto& entry : fs::directory_iterator(ZELT_SAMPLES_DIR)) {
        if (entry.path().extension() != ".LST")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        LoadedList list;
        LoadRequest request;
        request.listFileName = entry.path().string();
        request.onlyParseLst = true;
        request.indexMode.loadTopicsDirect = true;
        LoadObserver quiet;
        ASSERT_TRUE(LoadListTopics(list, request, quiet).loaded);
        auto reader = TopicReader::Open(request.listFileName);
        ASSERT_TRUE(reader);
        const TopicTable& topics = list.topics();
        for (TopicNumber n = 0; n < topics.size(); ++n) {
            const auto bytes = reader->read(topics.start(n), topics.length(n));
            ASSERT_TRUE(bytes);
            const std::string_view shown = ShownBytes(*bytes);
            ASSERT_EQ(PlainTextOf(DocumentOfShownBytes(shown, {}).text), *bytes) << "topic " << n;
            ASSERT_EQ(PlainTextOf(BytesOfViewText(ViewText(shown))), *bytes) << "topic " << n;
            ++checked;
        }
    }
    EXPECT_GT(checked, 500u);
}

} // namespace
} // namespace zelt::test
