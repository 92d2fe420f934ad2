#include "cli_helpers.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

std::string Sample()
{
    return DosLines({"Info \\ text", "", Divider('D', "214C"), "INT 21 - EXIT\tNOW", "text", "",
                     Divider('\x01', "1000"), "INT 10 \xC4 SET", "text"});
}

TEST(TopicsCommand, PrintsOneEscapedLinePerTopic)
{
    TempDir dir;
    const std::string name = dir.write("INTERRUP.LST", Sample());
    const auto run = RunCli({"topics", name});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "0\t!\t0\t15\t[List Info]\t\n"
                       "1\tD\t77\t27\t214C\tINT 21 - EXIT NOW\n"
                       "2\t\\x01\t166\t20\t1000\tINT 10 \u2500 SET\n");
    EXPECT_TRUE(fs::exists(dir.file("INTERRUP.zeltv")));
    // The second run reads the index file and prints the same.
    EXPECT_EQ(RunCli({"topics", name}).out, run.out);
}

TEST(TopicsCommand, ScanAndNoWriteLeaveTheIndexAlone)
{
    TempDir dir;
    const std::string name = dir.write("PORTS.LST", Sample());
    const std::string index = dir.file("PORTS.zeltv");
    EXPECT_EQ(RunCli({"topics", "--no-write", name}).exitCode, 0);
    EXPECT_FALSE(fs::exists(index));
    EXPECT_EQ(RunCli({"topics", "--scan", name}).exitCode, 0);
    EXPECT_FALSE(fs::exists(index));

    // --scan never reads a current index, however wrong it is.
    const std::string size = std::to_string(Sample().size());
    WriteBytes(index, "bogus\x14X\x15"
                      "0\x16" +
                          size + "\x17\x18\x1F\r\n");
    fs::last_write_time(index, fs::last_write_time(name));
    EXPECT_EQ(RunCli({"topics", name}).out, "0\tX\t0\t" + size + "\tbogus\t\n");
    EXPECT_EQ(RunCli({"topics", "--scan", name}).out.substr(0, 2), "0\t");
    EXPECT_NE(RunCli({"topics", "--scan", name}).out.find("214C"), std::string::npos);
}

TEST(TopicsCommand, FailuresGoToStandardErrorWithNonZeroExit)
{
    TempDir dir;
    auto run = RunCli({"topics", dir.file("MISSING.LST")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "zelt: Unable to find \"MISSING.LST\" !\n");

    fs::create_directory(dir.file("FOLDER.LST"));
    run = RunCli({"topics", dir.file("FOLDER.LST")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "zelt: Unable to find \"FOLDER.LST\" !\n");

    run = RunCli({"topics"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("usage"), std::string::npos);
    EXPECT_EQ(RunCli({"topics", "--fast", "X.LST"}).exitCode, 2);
    EXPECT_EQ(RunCli({"nosuchverb"}).exitCode, 2);
    EXPECT_EQ(RunCli({}).exitCode, 2);
}

TEST(TopicsCommand, IndexThatCannotBeWrittenIsAWarningOnly)
{
    TempDir dir;
    const std::string name = dir.write("INTERRUP.LST", Sample());
    fs::create_directories(dir.path() / "INTERRUP.zeltv" / "x");
    const auto run = RunCli({"topics", name});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("Unable to create indexfile !"), std::string::npos);
    EXPECT_NE(run.out.find("214C"), std::string::npos);
}

TEST(Help, ExplainsTheVerbs)
{
    const auto run = RunCli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("topics [--scan] [--no-write] LIST"), std::string::npos);
}

} // namespace
} // namespace zelt::test
