#include "browse/view_lines.h"
#include "list/list_loader.h"
#include "samples/generator/list_generator.h"
#include "search/topic_text_search.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <tuple>

namespace zelt::test {
namespace {

struct Range {
    std::int32_t start = 0;
    std::int32_t length = 0;
};

TopicTable Topics(std::initializer_list<Range> ranges)
{
    TopicTable topics;
    for (const Range& range : ranges)
        topics.append("T" + std::to_string(topics.size()), "", 'D', range.start, range.length);
    return topics;
}

using Hit = std::tuple<TopicNumber, std::uint32_t, std::uint32_t, std::string>;

std::vector<Hit> Hits(const TopicTextResult& result)
{
    std::vector<Hit> hits;
    for (const TopicTextHit& hit : result.hits)
        hits.emplace_back(hit.topic, hit.line, hit.column, hit.text);
    return hits;
}

// The plain way: each topic's text as the view shows it, line by line, with
// the topic view's own search.
std::vector<Hit> LineByLine(std::string_view bytes, const TopicTable& topics,
                            const SearchPattern& pattern)
{
    std::vector<Hit> hits;
    for (TopicNumber n = 0; n < topics.size(); ++n) {
        const auto size = static_cast<std::int64_t>(bytes.size());
        const std::int64_t start = std::clamp<std::int64_t>(topics.start(n), 0, size);
        const std::int64_t end =
            std::clamp<std::int64_t>(start + std::max(topics.length(n), 0), start, size);
        const std::string_view shown = ShownBytes(
            bytes.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
        std::uint32_t number = 0;
        for (const LineRange& range : SplitViewLines(shown)) {
            ++number;
            const std::string_view line = shown.substr(range.begin, range.byteLength);
            if (const auto at = FindForward(Haystack(line, pattern), pattern, 0))
                hits.emplace_back(n, number, static_cast<std::uint32_t>(*at), std::string(line));
        }
    }
    return hits;
}

// The walk given the list in windows as small as a few bytes, each starting
// where it asks, growing when it asks for the same start again.
std::vector<Hit> InWindows(std::string_view bytes, const TopicTable& topics,
                           const SearchPattern& pattern, std::size_t windowSize)
{
    std::vector<Hit> hits;
    TopicTextWalk walk(bytes.size(), topics, pattern);
    const auto give = [&](std::size_t from) {
        const std::string_view window = bytes.substr(std::min(from, bytes.size()), windowSize);
        walk.setWindow(from, window, from + window.size() >= bytes.size());
    };
    give(0);
    for (;;) {
        const TopicTextStep step = walk.step();
        if (step.hit) {
            hits.emplace_back(step.hit->topic, step.hit->line, step.hit->column, step.hit->text);
        } else if (step.needFrom == std::string_view::npos) {
            return hits;
        } else {
            if (step.needFrom == walk.windowBase())
                windowSize *= 2;
            give(step.needFrom);
        }
    }
}

constexpr SearchOptions IgnoreCase{false, false};
constexpr SearchOptions MatchCase{true, false};
constexpr SearchOptions WholeWords{false, true};
constexpr std::size_t NoLimit = std::size_t(-1);

TEST(TopicTextSearch, TheFindDialogsByteRulesLineByLine)
{
    using namespace std::string_view_literals;
    struct Case {
        const char* what;
        std::string_view list;
        std::vector<Range> topics;
        std::string_view text;
        SearchOptions options;
        std::vector<Hit> expected;
    };
    const Case cases[] = {
        {"only a to z fold",
         "ab DOS\r\nx dos\r\ndOs\r\n",
         {{0, 20}},
         "dos",
         IgnoreCase,
         {{0, 1, 3, "ab DOS"}, {0, 2, 2, "x dos"}, {0, 3, 0, "dOs"}}},
        {"case sensitive",
         "ab DOS\r\nx dos\r\n",
         {{0, 15}},
         "dos",
         MatchCase,
         {{0, 2, 2, "x dos"}}},
        {"codes above 127 never fold",
         "M\xC4RZ\r\nm\xE4rz\r\n",
         {{0, 12}},
         "m\xE4RZ",
         IgnoreCase,
         {{0, 2, 0, "m\xE4rz"}}},
        {"codes from 192 are word bytes",
         "\xC4"
         "DOS DOS\r\n\x84"
         "DOS\r\n",
         {{0, 16}},
         "DOS",
         WholeWords,
         {{0, 1, 5,
           "\xC4"
           "DOS DOS"},
          {0, 2, 1,
           "\x84"
           "DOS"}}},
        {"a later occurrence passes where the first fails",
         "MSDOS, DOSX and DOS.\r\n",
         {{0, 22}},
         "dos",
         WholeWords,
         {{0, 1, 16, "MSDOS, DOSX and DOS."}}},
        {"the title line is line 1",
         "DOS WRITE\r\ntext\r\n",
         {{0, 17}},
         "write",
         IgnoreCase,
         {{0, 1, 4, "DOS WRITE"}}},
        {"the last line needs no line end",
         "title\r\nsee DOS",
         {{0, 16}},
         "DOS",
         IgnoreCase,
         {{0, 2, 4, "see DOS"}}},
        {"a zero byte ends the text",
         "DOS\r\nab\0DOS\r\nDOS\r\n"sv,
         {{0, 18}},
         "DOS",
         IgnoreCase,
         {{0, 1, 0, "DOS"}}},
        {"a zero byte after a hit on its line",
         "x DOS\0DOS\r\nDOS"sv,
         {{0, 14}},
         "DOS",
         IgnoreCase,
         {{0, 1, 2, "x DOS"}}},
        {"lone CR line ends", "a\rb\r\rDOS\r", {{0, 9}}, "DOS", IgnoreCase, {{0, 4, 0, "DOS"}}},
        {"lone LF line ends",
         "a\nb\n\nx DOS\n",
         {{0, 11}},
         "DOS",
         IgnoreCase,
         {{0, 4, 2, "x DOS"}}},
        {"LF CR is two line ends", "a\n\rDOS", {{0, 6}}, "DOS", IgnoreCase, {{0, 3, 0, "DOS"}}},
        {"overlapping occurrences, one hit per line",
         "ABABABA\r\nABA\r\n",
         {{0, 14}},
         "aba",
         IgnoreCase,
         {{0, 1, 0, "ABABABA"}, {0, 2, 0, "ABA"}}},
        {"an occurrence inside a failing one",
         "xaa aa\r\n",
         {{0, 8}},
         "aa",
         WholeWords,
         {{0, 1, 4, "xaa aa"}}},
        {"an occurrence across a line end is none",
         "DO\r\nS\r\nDO\nS",
         {{0, 11}},
         "DO\r\nS",
         IgnoreCase,
         {}},
        {"topics see only their own bytes",
         "-DOS-\r\nDOS A\r\n-DOS-\r\nB DOS\r\n",
         {{7, 7}, {21, 7}},
         "DOS",
         IgnoreCase,
         {{0, 1, 0, "DOS A"}, {1, 1, 2, "B DOS"}}},
        {"an occurrence across a topic's end is none",
         "x DOS\r\n",
         {{0, 4}, {4, 3}},
         "DOS",
         IgnoreCase,
         {}},
        {"overlapping topics both hold the bytes",
         "a\r\nDOS\r\nb\r\n",
         {{0, 8}, {3, 8}},
         "dos",
         IgnoreCase,
         {{0, 2, 0, "DOS"}, {1, 1, 0, "DOS"}}},
        {"positions past the end of the file",
         "DOS",
         {{0, 5}, {5, 10}, {9, 2}},
         "DOS",
         IgnoreCase,
         {{0, 1, 0, "DOS"}}},
        {"the whole-word rule ends at the topic's end",
         "xDOSy",
         {{1, 3}},
         "DOS",
         WholeWords,
         {{0, 1, 0, "DOS"}}},
        {"an empty text finds nothing", "DOS", {{0, 3}}, "", IgnoreCase, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TopicTable topics;
        for (const Range& range : c.topics)
            topics.append("T", "", 'D', range.start, range.length);
        const SearchPattern pattern(c.text, c.options);
        EXPECT_EQ(Hits(SearchTopicTexts(c.list, topics, pattern, NoLimit)), c.expected);
        EXPECT_EQ(LineByLine(c.list, topics, pattern), c.expected);
    }
}

TEST(TopicTextSearch, TheLimitKeepsCountingLinesAndTopics)
{
    const std::string list = "DOS\r\nDOS\r\nx\r\nDOS\r\nDOS DOS\r\n";
    const TopicTable topics = Topics({{0, 10}, {10, 3}, {13, 15}});
    const SearchPattern pattern("dos", {});
    const TopicTextResult all = SearchTopicTexts(list, topics, pattern, NoLimit);
    EXPECT_EQ(all.hits.size(), 4u);
    EXPECT_EQ(all.lineCount, 4u);
    EXPECT_EQ(all.topicCount, 2u);
    EXPECT_FALSE(all.truncated());

    const TopicTextResult one = SearchTopicTexts(list, topics, pattern, 1);
    ASSERT_EQ(one.hits.size(), 1u);
    EXPECT_EQ(one.lineCount, 4u);
    EXPECT_EQ(one.topicCount, 2u);
    EXPECT_TRUE(one.truncated());
    EXPECT_EQ(SearchTopicTexts(list, topics, pattern, 0).lineCount, 4u);
}

TEST(TopicTextSearch, CountTexts)
{
    EXPECT_EQ(TopicTextCountText(0, 0), "Not found");
    EXPECT_EQ(TopicTextCountText(1, 1), "1 line in 1 topic");
    EXPECT_EQ(TopicTextCountText(2, 1), "2 lines in 1 topic");
    EXPECT_EQ(TopicTextCountText(999, 100), "999 lines in 100 topics");
    EXPECT_EQ(TopicTextCountText(1138, 612), "1,138 lines in 612 topics");
    EXPECT_EQ(TopicTextCountText(1234567, 1000), "1,234,567 lines in 1,000 topics");
}

TEST(TopicTextSearch, RandomListsAgreeWithALineByLineWalk)
{
    // Few distinct bytes, so that occurrences, line ends and zero bytes come often.
    constexpr std::string_view Alphabet("aAbB -\r\n\r\n\0\xC4\xE4"
                                        "1",
                                        15);
    std::mt19937 random(19);
    const auto below = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    for (int round = 0; round < 3000; ++round) {
        std::string list(below(200), ' ');
        for (char& c : list)
            c = Alphabet[below(Alphabet.size())];
        // Ascending starts with gaps, overlaps and ends past the file's.
        TopicTable topics;
        std::int32_t start = static_cast<std::int32_t>(below(4));
        for (std::size_t n = below(8); n > 0; --n) {
            topics.append("T", "", 'D', start, static_cast<std::int32_t>(below(80)));
            start += 1 + static_cast<std::int32_t>(below(50));
        }
        std::string text(1 + below(4), ' ');
        for (char& c : text)
            c = Alphabet[below(5)];
        const SearchPattern pattern(text, {below(2) == 0, below(2) == 0});
        SCOPED_TRACE(::testing::PrintToString(list) + " / " + text);
        const std::vector<Hit> expected = LineByLine(list, topics, pattern);
        ASSERT_EQ(Hits(SearchTopicTexts(list, topics, pattern, NoLimit)), expected);
        ASSERT_EQ(InWindows(list, topics, pattern, 1 + below(24)), expected);
    }
}

TEST(TopicTextSearch, GeneratedListsAgreeWithALineByLineWalk)
{
    TempDir dir;
    samples::GeneratorOptions options;
    // Larger than the file search's first window.
    options.topicCount = 1000;
    LoadedList list;
    list.files.listFileName = dir.file("INTERRUP.LST");
    ASSERT_TRUE(samples::WriteGeneratedList(list.files.listFileName, options));
    LoadRequest request;
    request.listFileName = list.files.listFileName;
    request.indexMode.loadTopicsDirect = true;
    LoadObserver quiet;
    ASSERT_TRUE(LoadListTopics(list, request, quiet).loaded);
    const std::string bytes = ReadBytes(list.files.listFileName);

    // Pieces of the list itself, with the case of some letters changed.
    std::mt19937 random(1138);
    const auto below = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    std::size_t hitLines = 0;
    for (int round = 0; round < 30; ++round) {
        std::string text = bytes.substr(below(bytes.size() - 8), 1 + below(7));
        for (char& c : text) {
            if (below(3) == 0 && std::isalpha(static_cast<unsigned char>(c)))
                c = static_cast<char>(c ^ 0x20);
        }
        const SearchPattern pattern(text, {below(2) == 0, below(2) == 0});
        SCOPED_TRACE(text);
        const auto found =
            SearchTopicTextsInFile(list.files.listFileName, list.topics(), pattern, NoLimit);
        ASSERT_TRUE(found);
        const std::vector<Hit> expected = LineByLine(bytes, list.topics(), pattern);
        ASSERT_EQ(Hits(*found), expected);
        ASSERT_EQ(InWindows(bytes, list.topics(), pattern, 4096), expected);
        hitLines += expected.size();
    }
    EXPECT_GT(hitLines, 500u);
    EXPECT_EQ(SearchTopicTextsInFile(dir.file("MISSING.LST"), list.topics(), SearchPattern("a", {}),
                                     NoLimit),
              std::nullopt);
}

} // namespace
} // namespace zelt::test
