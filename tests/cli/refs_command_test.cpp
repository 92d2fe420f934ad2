#include "cli_helpers.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

std::string InterruptList()
{
    return DosLines({
        "Information; a title-less topic's see-also line is no see-also line",
        "SeeAlso: INT 21",
        Divider('D', "214B"),
        "INT 21 - DOS 2+ - EXEC",
        "SeeAlso: AH=4Ch,INT 2F\"WIN\",CMOS 10h,#01234,INT 99,PORT 60h",
        "",
        Divider('D', "214C"),
        "INT 21 - DOS 2+ - EXIT",
        "SeeAlso: INT 2F\"NOPE\",INT 2F\"\x01\"",
        "",
        Divider('D', "2F"),
        "INT 2F - MULTIPLEX",
        "",
        Divider('W', "2F"),
        "INT 2F - WINDOWS",
    });
}

TEST(RefsCommand, OneLinePerReferenceOfEveryTopic)
{
    TempDir dir;
    const auto run = RunCli({"refs", dir.write("INTERRUP.LST", InterruptList())});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "1\tAH=4Ch\t1\tfound\t214C  \t\t2\n"
                       "1\tINT 2F\"WIN\"\t1\tfound\t2F    \tWIN\t4\n"
                       "1\tCMOS 10h\t1\tunrecognised\t\t\t-1\n"
                       "1\t#01234\t0\t-\t\t\t-1\n"
                       "1\tINT 99\t1\tnot-found\t99    \t\t-1\n"
                       "1\tPORT 60h\t0\t-\t\t\t-1\n"
                       "2\tINT 2F\"NOPE\"\t1\tfound-without-fragment\t2F    \tNOPE\t3\n"
                       // The locate trims the fragment away: found at the first try.
                       "2\tINT 2F\"\\x01\"\t1\tfound\t2F    \t\\x01\t3\n");
}

TEST(RefsCommand, BrokenListsTheLinksThatLeadNowhere)
{
    TempDir dir;
    const std::string list = dir.write("INTERRUP.LST", InterruptList());
    const auto run = RunCli({"refs", "--broken", list});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "1\t214B\tCMOS 10h\tunrecognised\n"
                       "1\t214B\tINT 99\tnot-found\n");
    EXPECT_EQ(RunCli({"refs", list, "--broken"}).out, run.out);
}

TEST(RefsCommand, ListsThatFollowNothing)
{
    TempDir dir;
    // The same text as a table list: every reference but a table's is a link,
    // none is followed; under another name none is a link.
    auto run = RunCli({"refs", dir.write("TABLES.LST", InterruptList())});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("1\tAH=4Ch\t1\tignored\t\t\t-1\n"), std::string::npos);
    EXPECT_NE(run.out.find("1\t#01234\t0\t-\t\t\t-1\n"), std::string::npos);
    run = RunCli({"refs", dir.write("OTHER.LST", InterruptList())});
    EXPECT_NE(run.out.find("1\tAH=4Ch\t0\t-\t\t\t-1\n"), std::string::npos);
    EXPECT_EQ(RunCli({"refs", "--broken", dir.file("OTHER.LST")}).out, "");
}

TEST(RefsCommand, Failures)
{
    TempDir dir;
    EXPECT_EQ(RunCli({"refs"}).exitCode, 2);
    EXPECT_EQ(RunCli({"refs", "--broken"}).exitCode, 2);
    EXPECT_EQ(RunCli({"refs", "--broken", "--broken", "A.LST"}).exitCode, 2);
    EXPECT_EQ(RunCli({"refs", "--all", "A.LST"}).exitCode, 2);
    EXPECT_EQ(RunCli({"refs", "A.LST", "B.LST"}).exitCode, 2);
    const auto run = RunCli({"refs", dir.file("MISSING.LST")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "zelt: Unable to find \"MISSING.LST\" !\n");
}

TEST(Help, NamesTheSearchVerbs)
{
    const auto run = RunCli({"--help"});
    EXPECT_NE(run.out.find("refs [--broken] LIST"), std::string::npos);
    EXPECT_NE(run.out.find("find [--case] [--words] [--category C] LIST TEXT"), std::string::npos);
}

} // namespace
} // namespace zelt::test
