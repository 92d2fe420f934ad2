#include "cli/show_command.h"
#include "cli_helpers.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

using namespace std::string_literals;

// Topic 2 holds a lone LF inside a line, a control byte, a zero byte, and its
// last line has no line end.
std::string Sample()
{
    return DosLines({"Info text", "", Divider('D', "214C"), "INT 21 - EXIT", "Return: nothing",
                     "SeeAlso: AH=4Bh,INT 2F/AX=1600h,#01234", "", Divider('B', "1000"),
                     "INT 10 \xC4 SET", "Note\tone\x01\nSeeAlso: INT 10"}) +
           "end\0hidden"s;
}

TEST(ShowCommand, PrintsTheTopicAsTheViewShowsIt)
{
    TempDir dir;
    const std::string name = dir.write("INTERRUP.LST", Sample());
    auto run = RunCli({"show", name, "1"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "INT 21 - EXIT\nReturn: nothing\nSeeAlso: AH=4Bh,INT 2F/AX=1600h,#01234\n\n");

    run = RunCli({"show", name, "2"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "INT 10 \u2500 SET\nNote\tone\u263A\nSeeAlso: INT 10\nend");

    EXPECT_EQ(RunCli({"show", name, "0"}).out, "Info text\n\n");
}

TEST(ShowCommand, TextConversion)
{
    EXPECT_EQ(cli::TopicTextUtf8("a\r\nb\rc\n\n\r\td\x7F\x0B\x1A\xFF"s),
              "a\nb\nc\n\n\n\td\u2302\u2642\u2192\u00A0");
    EXPECT_EQ(cli::TopicTextUtf8("ab\0\r\ncd"s), "ab");
    EXPECT_EQ(cli::TopicTextUtf8(""), "");
}

TEST(ShowCommand, BadTopicNumbersFailAndMisplacedTopicsAreNotShown)
{
    TempDir dir;
    const std::string name = dir.write("INTERRUP.LST", Sample());
    auto run = RunCli({"show", name, "3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "zelt: no topic 3 in " + name + "; its topics are 0 to 2\n");
    EXPECT_EQ(RunCli({"show", name, "-1"}).exitCode, 1);

    run = RunCli({"show", name, "1x"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "zelt: '1x' is not a topic number\nusage: zelt show LIST N\n");
    EXPECT_EQ(RunCli({"show", name}).exitCode, 2);
    EXPECT_EQ(RunCli({"show", name, "1", "2"}).exitCode, 2);
    EXPECT_EQ(RunCli({"show", dir.file("MISSING.LST"), "0"}).exitCode, 1);

    // A current index that places the topic beyond the end of the list does
    // not belong to it: the list is scanned instead.
    const std::string other = dir.write("PORTS.LST", "short\r\n");
    WriteBytes(dir.file("PORTS.zeltv"), "P0060\x14P\x15"
                                        "10\x16"
                                        "5\x17\x18\x1FPORT\r\n");
    std::filesystem::last_write_time(dir.file("PORTS.zeltv"),
                                     std::filesystem::last_write_time(other));
    run = RunCli({"show", other, "0"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "short"); // a whole-file topic leaves out the last line end
}

} // namespace
} // namespace zelt::test
