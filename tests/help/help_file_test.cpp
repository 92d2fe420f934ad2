#include "help/help_file.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zelt {
namespace {

HelpSyntaxError ErrorOf(std::string_view text)
{
    const HelpParse parse = ParseHelpFile(text);
    EXPECT_FALSE(parse.file) << text;
    return parse.error;
}

TEST(HelpFileFormat, TopicsWithTitlesAndMarkdownBodies)
{
    const HelpParse parse = ParseHelpFile("ZELTHELP 1\n"
                                          "; the contents\n"
                                          "\n"
                                          "@topic 1000 Contents\n"
                                          "\n"
                                          "See [the list folder](1111).\n"
                                          "\n"
                                          "* one\n"
                                          "\n"
                                          "@topic  1111   Location of lists  \n"
                                          "Where the lists are.\n"
                                          "; a remark for the writers\n"
                                          "\\@ and \\; start lines here\n");
    ASSERT_TRUE(parse.file);
    ASSERT_EQ(parse.file->topics().size(), 2u);
    const HelpTopic* contents = parse.file->find(1000);
    ASSERT_NE(contents, nullptr);
    EXPECT_EQ(contents->title, "Contents");
    EXPECT_EQ(contents->body, "See [the list folder](1111).\n\n* one\n");
    const HelpTopic* lists = parse.file->find(1111);
    ASSERT_NE(lists, nullptr);
    EXPECT_EQ(lists->title, "Location of lists");
    EXPECT_EQ(lists->body, "Where the lists are.\n\\@ and \\; start lines here\n");
    EXPECT_EQ(parse.file->find(1112), nullptr);
}

TEST(HelpFileFormat, CrLfLinesAndAByteOrderMarkAreAccepted)
{
    const HelpParse parse = ParseHelpFile("\xEF\xBB\xBFZELTHELP 1\r\n@topic 7 Seven\r\nText\r\n");
    ASSERT_TRUE(parse.file);
    EXPECT_EQ(parse.file->find(7)->body, "Text\n");
    EXPECT_EQ(parse.file->find(7)->title, "Seven");
}

TEST(HelpFileFormat, FaultsNameTheirLine)
{
    EXPECT_EQ(ErrorOf("").line, 1);
    EXPECT_EQ(ErrorOf("ZELTHELP 2\n@topic 1 A\n").line, 1);
    EXPECT_EQ(ErrorOf("ZELTHELP 1\n\nstray text\n@topic 1 A\n"),
              (HelpSyntaxError{3, "text stands before the first topic"}));
    EXPECT_EQ(ErrorOf("ZELTHELP 1\n@topic 1 A\n@topic 1 B\n"),
              (HelpSyntaxError{3, "topic 1 is defined twice"}));
    EXPECT_EQ(ErrorOf("ZELTHELP 1\n@topic 12\n"), (HelpSyntaxError{2, "topic 12 has no title"}));
    for (const char* bad : {"@topic x A", "@topic 0 A", "@topic -3 A", "@topic 99999999999 A",
                            "@topic", "@topic +5 A"})
        EXPECT_EQ(ErrorOf(std::string("ZELTHELP 1\n") + bad + "\n").line, 2) << bad;
    EXPECT_EQ(ErrorOf("ZELTHELP 1\n@topic 1 A\n@include other\n").line, 3);
    EXPECT_EQ(ErrorOf("ZELTHELP 1\n; only remarks\n\n"),
              (HelpSyntaxError{3, "the file holds no topic"}));
}

TEST(HelpFileFormat, FilesBeyondTheLimitsAreDamaged)
{
    const std::string head = "ZELTHELP 1\n@topic 1 A\n";
    const std::string longLine(HelpLineLengthLimit + 1, 'x');
    EXPECT_EQ(ErrorOf(head + "short\n" + longLine + "\n"),
              (HelpSyntaxError{4, "the line is longer than 4096 bytes"}));
    std::string body;
    while (body.size() <= HelpTopicSizeLimit)
        body += "`a`a`a`a`a`a`a`a`a`a\n";
    EXPECT_EQ(ErrorOf(head + "text\n@topic 2 B\n" + body + "@topic 3 C\n"),
              (HelpSyntaxError{4, "topic 2 is longer than 8192 bytes"}));
    EXPECT_EQ(ErrorOf(head + body), (HelpSyntaxError{2, "topic 1 is longer than 8192 bytes"}));

    std::string file = head;
    while (file.size() <= HelpFileSizeLimit)
        file += "\n@topic " + std::to_string(file.size()) + " T\n";
    const HelpSyntaxError tooLong = ErrorOf(file);
    EXPECT_EQ(tooLong.reason, "the file is longer than 4194304 bytes");
    EXPECT_EQ(tooLong.line, std::count(file.begin(), file.begin() + HelpFileSizeLimit, '\n') + 1);

    // Right at the limits the file is fine.
    std::string atLimits = head + std::string(HelpLineLengthLimit, 'y') + "\n";
    atLimits += std::string(HelpTopicSizeLimit - HelpLineLengthLimit - 2, 'z') + "\n";
    const HelpParse parse = ParseHelpFile(atLimits);
    ASSERT_TRUE(parse.file) << parse.error.reason;
    EXPECT_EQ(parse.file->find(1)->body.size(), HelpTopicSizeLimit);
}

TEST(HelpFileFormat, LinksLeadToContextNumbers)
{
    EXPECT_EQ(TopicLinkTarget("1111"), 1111);
    EXPECT_EQ(TopicLinkTarget("#1000"), 1000);
    EXPECT_EQ(TopicLinkTarget("https://example.org/"), std::nullopt);
    EXPECT_EQ(TopicLinkTarget("11a"), std::nullopt);
    EXPECT_EQ(TopicLinkTarget(""), std::nullopt);
    EXPECT_EQ(TopicLinkTarget("#"), std::nullopt);
}

TEST(HelpFileOnDisk, MissingDamagedAndGoodFiles)
{
    test::TempDir dir;
    const std::filesystem::path path = dir.path() / "ZELTVIEW.HLP";
    HelpLoad load = LoadHelpFile(path);
    EXPECT_EQ(load.problem, HelpLoad::Problem::Missing);
    EXPECT_EQ(HelpProblemText(load, "/p/ZELTVIEW.HLP"),
              "The help file /p/ZELTVIEW.HLP is missing.");

    std::filesystem::create_directories(path);
    load = LoadHelpFile(path);
    EXPECT_EQ(load.problem, HelpLoad::Problem::Unreadable);
    EXPECT_EQ(HelpProblemText(load, "H"), "The help file H cannot be read.");
    std::filesystem::remove(path);

    test::WriteBytes(path, "ZELTHELP 1\n@topic 5\n");
    load = LoadHelpFile(path);
    EXPECT_EQ(load.problem, HelpLoad::Problem::Malformed);
    EXPECT_EQ(HelpProblemText(load, "H"),
              "The help file H is damaged: line 2: topic 5 has no title.");

    test::WriteBytes(path, "ZELTHELP 1\n@topic 5 Five\nbody\n");
    load = LoadHelpFile(path);
    EXPECT_EQ(load.problem, HelpLoad::Problem::None);
    ASSERT_TRUE(load.file);
    EXPECT_NE(load.file->find(5), nullptr);
    EXPECT_EQ(MissingTopicText(1111, "H"), "The help file H has no topic 1111.");

    // Only the start of a huge file is read.
    std::filesystem::resize_file(path, std::uintmax_t{1} << 36);
    load = LoadHelpFile(path);
    EXPECT_EQ(load.problem, HelpLoad::Problem::Malformed);
    EXPECT_EQ(load.error.reason, "the file is longer than 4194304 bytes");
}

} // namespace
} // namespace zelt
