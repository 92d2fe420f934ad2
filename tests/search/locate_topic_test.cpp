#include "base/ascii_text.h"
#include "search/locate_topic.h"

#include <gtest/gtest.h>
#include <random>

namespace zelt::test {
namespace {

TopicTable Topics(std::initializer_list<std::pair<std::string_view, std::string_view>> topics)
{
    TopicTable table;
    for (const auto& [identifier, title] : topics)
        table.append(identifier, title, 'D', 0, 0);
    return table;
}

std::optional<TopicNumber> Locate(const TopicTable& topics, std::string_view prefix,
                                  std::string_view fragment)
{
    const LocateQuery query(prefix, fragment);
    const auto linear = LocateTopic(topics, query);
    EXPECT_EQ(TopicLocator(topics).locate(query), linear) << prefix << " / " << fragment;
    return linear;
}

TEST(LocateTopic, PrefixAndFragmentAreTrimmedAndUpperCased)
{
    const LocateQuery query(" \t2f16  \x01", "\x1F write \r\n");
    EXPECT_EQ(query.prefix, "2F16");
    EXPECT_EQ(query.fragment, "WRITE");
    EXPECT_EQ(LocateQuery("\xE4x", "").prefix, "\xE4X");
    EXPECT_TRUE(LocateQuery(" \t", "\r\n").searchesNothing());
}

TEST(LocateTopic, TheFirstMatchFromTopicOne)
{
    const TopicTable topics = Topics({{"2109", "A WRITE"},
                                      {"2109", "DOS WRITE"},
                                      {"21", "DOS"},
                                      {" 2109 ", "READ"},
                                      {"2109", "write string"},
                                      {"214C", "EXIT"}});
    // Topic 0 is never a candidate, even when it alone matches.
    EXPECT_EQ(Locate(topics, "2109", "write"), 1u);
    EXPECT_EQ(Locate(topics, "2109", "A WRITE"), std::nullopt);
    EXPECT_EQ(Locate(topics, "21", ""), 1u);
    EXPECT_EQ(Locate(topics, "2109", "READ"), 3u);
    EXPECT_EQ(Locate(topics, "2109", "STRING"), 4u);
    EXPECT_EQ(Locate(topics, "214c  ", ""), 5u);
    EXPECT_EQ(Locate(topics, "214D", ""), std::nullopt);
    // Only a fragment: titles alone, anywhere in them.
    EXPECT_EQ(Locate(topics, "", "ex"), 5u);
    EXPECT_EQ(Locate(topics, "", "DOS"), 1u);
    // A prefix is no substring: it starts the identifier.
    EXPECT_EQ(Locate(topics, "109", ""), std::nullopt);
    EXPECT_EQ(Locate(topics, "2109X", ""), std::nullopt);
}

TEST(LocateTopic, BothEmptyFailsWithoutSearching)
{
    const TopicTable topics = Topics({{"[List Info]", ""}, {"", ""}, {"21", "DOS"}});
    EXPECT_EQ(Locate(topics, "", ""), std::nullopt);
    EXPECT_EQ(Locate(topics, "  ", "\t"), std::nullopt);
    EXPECT_EQ(Locate(TopicTable(), "21", ""), std::nullopt);
    EXPECT_EQ(Locate(Topics({{"21", "DOS"}}), "21", ""), std::nullopt);
}

// The rule written out plainly, to check the searches against.
std::optional<TopicNumber> PlainLocate(const TopicTable& topics, const LocateQuery& query)
{
    if (query.searchesNothing())
        return std::nullopt;
    for (TopicNumber n = 1; n < topics.size(); ++n) {
        const std::string identifier = UpperAscii(TrimControlAndBlank(topics.identifier(n)));
        const std::string title = UpperAscii(TrimControlAndBlank(topics.title(n)));
        if (identifier.starts_with(query.prefix) && title.find(query.fragment) != std::string::npos)
            return n;
    }
    return std::nullopt;
}

TEST(LocateTopic, TitlesAloneAcrossManyThousandBytes)
{
    TopicTable topics;
    for (int i = 0; i < 5000; ++i)
        topics.append("21", "INT 21 - SOME FUNCTION NUMBER " + std::to_string(i), 'D', 0, 0);
    topics.append("21", std::string(70000, 'x') + "LONG", 'D', 0, 0);
    topics.append("21", "A\nB", 'D', 0, 0);
    const auto locate = [&](std::string_view fragment) {
        const LocateQuery query("", fragment);
        const auto found = LocateTopic(topics, query);
        EXPECT_EQ(found, PlainLocate(topics, query)) << fragment;
        return found;
    };
    EXPECT_EQ(locate("number 4999"), 4999u);
    EXPECT_EQ(locate("number 12"), 12u);
    EXPECT_EQ(locate("xlong"), 5000u);
    // No occurrence runs from one title into the next.
    EXPECT_EQ(locate("4999INT"), std::nullopt);
    EXPECT_EQ(locate("4999\nINT"), std::nullopt);
    EXPECT_EQ(locate("a\nb"), 5001u);
    // Topic 0 alone holds it.
    EXPECT_EQ(locate("NUMBER 0"), std::nullopt);
}

TEST(LocateTopic, TheIndexAnswersAsTheWalkOnRandomTables)
{
    std::mt19937 random(7);
    const std::string alphabet = "01aAbB -";
    const auto word = [&](std::size_t most) {
        std::string text(random() % (most + 1), ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        return text;
    };
    for (int round = 0; round < 30; ++round) {
        TopicTable topics;
        const std::size_t count = random() % 40;
        for (std::size_t i = 0; i < count; ++i)
            topics.append(word(4), word(5), 'D', 0, 0);
        const TopicLocator locator(topics);
        for (int query = 0; query < 200; ++query) {
            const LocateQuery q(word(3), random() % 3 == 0 ? word(2) : "");
            const auto expected = PlainLocate(topics, q);
            ASSERT_EQ(LocateTopic(topics, q), expected)
                << "'" << q.prefix << "' '" << q.fragment << "'";
            ASSERT_EQ(locator.locate(q), expected) << "'" << q.prefix << "' '" << q.fragment << "'";
        }
    }
}

} // namespace
} // namespace zelt::test
