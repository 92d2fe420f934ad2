#include "cli_helpers.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

std::string List()
{
    return DosLines({
        "Information",
        Divider('D', "2109"),
        "INT 21 - DOS - WRITE STRING",
        Divider('B', "1000"),
        "INT 10 - VIDEO - MSDOS MODE \x8E",
        Divider('D', "2140"),
        "INT 21 - dos - write file\x01",
        Divider('D', "2F16"),
        "INT 2F - DOSX - \x84",
    });
}

TEST(FindCommand, EveryHitOfSearchAgainInOrder)
{
    TempDir dir;
    const std::string list = dir.write("INTERRUP.LST", List());
    auto run = RunCli({"find", list, "dos"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "1\t2109 INT 21 - DOS - WRITE STRING\n"
                       "2\t1000 INT 10 - VIDEO - MSDOS MODE \u00C4\n"
                       "3\t2140 INT 21 - dos - write file\\x01\n"
                       "4\t2F16 INT 2F - DOSX - \u00E4\n");
    run = RunCli({"find", "--case", list, "dos"});
    EXPECT_EQ(run.out, "3\t2140 INT 21 - dos - write file\\x01\n");
    run = RunCli({"find", "--words", list, "DOS"});
    EXPECT_EQ(run.out, "1\t2109 INT 21 - DOS - WRITE STRING\n"
                       "3\t2140 INT 21 - dos - write file\\x01\n");
    // The identifier, the blank and the title are one line.
    EXPECT_EQ(RunCli({"find", list, "2140 INT"}).out, "3\t2140 INT 21 - dos - write file\\x01\n");
}

TEST(FindCommand, TextAndCategoryAreCodePageCharacters)
{
    TempDir dir;
    const std::string list = dir.write("INTERRUP.LST", List());
    // U+00C4 is byte 8Eh; its lower case, byte 84h, is another character.
    EXPECT_EQ(RunCli({"find", list, "\u00C4"}).out, "2\t1000 INT 10 - VIDEO - MSDOS MODE \u00C4\n");
    EXPECT_EQ(RunCli({"find", list, "\u00E4"}).out, "4\t2F16 INT 2F - DOSX - \u00E4\n");
    EXPECT_EQ(RunCli({"find", list, "\u263A"}).out, "3\t2140 INT 21 - dos - write file\\x01\n");

    const std::string inD = "1\t2109 INT 21 - DOS - WRITE STRING\n"
                            "3\t2140 INT 21 - dos - write file\\x01\n"
                            "4\t2F16 INT 2F - DOSX - \u00E4\n";
    EXPECT_EQ(RunCli({"find", "--category", "D", list, "DOS"}).out, inD);
    EXPECT_EQ(RunCli({"find", list, "DOS", "--category", "68"}).out, inD);
    EXPECT_EQ(RunCli({"find", "--category", "B", list, "DOS"}).out,
              "2\t1000 INT 10 - VIDEO - MSDOS MODE \u00C4\n");
    EXPECT_EQ(RunCli({"find", "--category", "255", list, "DOS"}).out.size(),
              RunCli({"find", list, "DOS"}).out.size());
    // Options end at "--".
    EXPECT_EQ(RunCli({"find", list, "--", "--words"}).exitCode, 1);
}

TEST(FindCommand, ExitStatusAsGrep)
{
    TempDir dir;
    const std::string list = dir.write("INTERRUP.LST", List());
    auto run = RunCli({"find", list, "CMOS"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(RunCli({"find", "--category", "X", list, "DOS"}).exitCode, 1);

    for (const std::vector<std::string_view>& args : {
             std::vector<std::string_view>{"find"},
             {"find", list},
             {"find", list, ""},
             {"find", list, "\u20AC"},
             {"find", list, "\xFF"},
             {"find", list, "DOS", "extra"},
             {"find", "--category", "DD", list, "DOS"},
             {"find", "--category", "256", list, "DOS"},
             {"find", "--category", "", list, "DOS"},
             {"find", "--category", "D", "--category", "B", list, "DOS"},
             {"find", list, "DOS", "--category"},
             {"find", "--regex", list, "DOS"},
         }) {
        run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.size() << " " << args.back();
        EXPECT_NE(run.err, "");
        EXPECT_EQ(run.out, "");
    }
    run = RunCli({"find", dir.file("MISSING.LST"), "DOS"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "zelt: Unable to find \"MISSING.LST\" !\n");
}

} // namespace
} // namespace zelt::test
