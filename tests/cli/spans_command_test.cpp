#include "cli_helpers.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

using namespace std::string_literals;

std::string Sample()
{
    return DosLines({"Info: text", "", Divider('D', "214C"), "INT 21 - EXIT", "Return: nothing",
                     "SeeAlso: AH=4Bh,INT 2F/AX=1600h,#01234", "", Divider('B', "1000"),
                     "INT 10 \xC4 SET", "Note\tone\x01\nSeeAlso: INT 10"}) +
           "end\0SeeAlso: INT 11"s;
}

TEST(SpansCommand, PrintsEveryTopicsSpansUnderDefaultSettings)
{
    TempDir dir;
    const std::string name = dir.write("INTERRUP.LST", Sample());
    auto run = RunCli({"spans", name});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "1\ttitle\t0\t13\n"
                       "1\tlabel\t14\t6\n"
                       "1\tlabel\t30\t7\n"
                       "1\tlink\t39\t6\n"
                       "1\tlink\t46\t15\n"
                       "1\tref\t62\t6\n"
                       "2\ttitle\t0\t12\n"
                       "2\tlabel\t23\t7\n"
                       "2\tlink\t32\t6\n");

    // The same text in the ports list: no links, and a non-".LST" file is one
    // topic without title, so nothing is formatted.
    run = RunCli({"spans", dir.write("PORTS.LST", Sample())});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("1\tref\t39\t6\n1\tref\t46\t15\n1\tref\t62\t6\n"), std::string::npos);
    EXPECT_EQ(run.out.find("link"), std::string::npos);
    const TempDir sections;
    run = RunCli({"spans", sections.write("INTERRUP.A", Sample())});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
}

TEST(SpansCommand, Failures)
{
    TempDir dir;
    EXPECT_EQ(RunCli({"spans"}).exitCode, 2);
    EXPECT_EQ(RunCli({"spans", "A.LST", "B.LST"}).exitCode, 2);
    EXPECT_EQ(RunCli({"spans", "--scan"}).exitCode, 2);
    const auto run = RunCli({"spans", dir.file("MISSING.LST")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "zelt: Unable to find \"MISSING.LST\" !\n");
}

TEST(Help, NamesTheTopicVerbs)
{
    const auto run = RunCli({"--help"});
    EXPECT_NE(run.out.find("show LIST N"), std::string::npos);
    EXPECT_NE(run.out.find("spans LIST"), std::string::npos);
}

} // namespace
} // namespace zelt::test
