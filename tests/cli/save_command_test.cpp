#include "cli/save_command.h"
#include "cli_helpers.h"
#include "output/rtf_writer.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

std::string Sample()
{
    return DosLines({"Info text", "", Divider('D', "214C"), "INT 21 - EXIT",
                     "Return: nothing \xC4\xB3", "SeeAlso: AH=4Bh,#01234", "", Divider('B', "1000"),
                     "INT 10 - SET", "\tAL = mode"});
}

std::string TopicStretch(const std::string& list, std::string_view from, std::string_view to)
{
    const std::size_t start = list.find(from);
    return list.substr(start, to.empty() ? std::string::npos : list.find(to) - start);
}

TEST(SaveCommand, TextIsTheTopicsOwnBytes)
{
    TempDir dir;
    const std::string list = dir.write("INTERRUP.LST", Sample());
    for (const char* name : {"214C.txt", "1000.TXT"}) {
        const std::string topic = name[0] == '2' ? "1" : "2";
        const auto run = RunCli({"save", list, topic, dir.file(name)});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(ReadBytes(dir.file("214C.txt")), TopicStretch(Sample(), "INT 21",
                                                            "-------"
                                                            "-B"));
    EXPECT_EQ(ReadBytes(dir.file("1000.TXT")), TopicStretch(Sample(), "INT 10", ""));
}

// Only a carriage return ends a line of the list, but the view breaks lines
// at a lone line feed too, and the saved text ends each of them in CR LF.
TEST(SaveCommand, LinesEndingInLineFeedsAloneAreSavedWithCrLf)
{
    TempDir dir;
    const std::string list =
        dir.write("PORTS.LST", "info\r\n" + Divider('P', "0060") +
                                   "\r\nPORT 0060 - KEYBOARD\r\n\tdata\n\tmore\rlast\n\r\n");
    ASSERT_EQ(RunCli({"save", list, "1", dir.file("0060.txt")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir.file("0060.txt")),
              "PORT 0060 - KEYBOARD\r\n\tdata\r\n\tmore\r\nlast\r\n\r\n");
}

TEST(SaveCommand, OtherNamesGetRichTextWithTheDefaultLook)
{
    TempDir dir;
    const std::string list = dir.write("INTERRUP.LST", Sample());
    for (const char* name : {"214C.rtf", "214C"}) {
        ASSERT_EQ(RunCli({"save", list, "1", dir.file(name)}).exitCode, 0);
        const std::string rtf = ReadBytes(dir.file(name));
        EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg437")) << name;
        EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil MS Sans Serif;}}"), std::string::npos);
        EXPECT_NE(rtf.find("\\red0\\green120\\blue215;"), std::string::npos);
        EXPECT_NE(rtf.find("\\fs16 {\\b\\cf1 INT 21 - EXIT}\\par\r\n"
                           "{\\ul\\cf1 Return}: nothing \\u9472\\'c4\\u9474\\'b3\\par\r\n"
                           "{\\ul\\cf1 SeeAlso}: {\\cf2 AH=4Bh},{\\cf3 #01234}\\par\r\n"),
                  std::string::npos)
            << rtf;
    }
}

TEST(SaveCommand, FailuresSayWhyAndKeepTheOldFile)
{
    TempDir dir;
    const std::string list = dir.write("INTERRUP.LST", Sample());
    const std::string old = dir.write("old.rtf", "old notes");

    auto run = RunCli({"save", list, "3", old});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "zelt: no topic 3 in " + list + "; its topics are 0 to 2\n");

    const std::string missing = dir.file("no/such/folder/x.rtf");
    run = RunCli({"save", list, "1", missing});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "zelt: Cannot create file " + missing + " (No such file or directory)\n");

    fs::permissions(old, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    run = RunCli({"save", list, "1", old});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "zelt: Cannot create file " + old + " (Permission denied)\n");
    EXPECT_EQ(ReadBytes(old), "old notes");
    fs::permissions(old, fs::perms::owner_write, fs::perm_options::add);

    const std::string otherSpelling = dir.file("./INTERRUP.LST");
    run = RunCli({"save", list, "1", otherSpelling});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "zelt: Cannot create file " + otherSpelling + " (It is the open list)\n");
    EXPECT_EQ(ReadBytes(list), Sample());
}

TEST(SaveCommand, Usage)
{
    TempDir dir;
    const std::string list = dir.write("INTERRUP.LST", Sample());
    auto run = RunCli({"save", list, "x1", dir.file("a.txt")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "zelt: 'x1' is not a topic number\nusage: zelt save LIST N FILE\n");
    EXPECT_EQ(RunCli({"save", list, "1"}).exitCode, 2);
    EXPECT_EQ(RunCli({"save", "--x", "1", "a"}).exitCode, 2);
    EXPECT_FALSE(fs::exists(dir.file("a.txt")));
    EXPECT_EQ(RunCli({"save", dir.file("missing.lst"), "0", dir.file("a.txt")}).exitCode, 1);
}

} // namespace
} // namespace zelt::test
