#include "cli_helpers.h"
#include "sample_files.h"
#include "samples/generator/list_generator.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::vector<std::string>> Rows(const std::string& out)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::istringstream parts(line);
        for (std::string cell; std::getline(parts, cell, '\t');)
            cells.push_back(cell);
        rows.push_back(std::move(cells));
    }
    return rows;
}

// The sample lists copied, as the companion writes index files beside them.
void CopySamples(const TempDir& dir)
{
    for (const fs::path& path : SampleLists())
        fs::copy_file(path, dir.path() / path.filename());
}

TEST(RefsAnywhere, EverySampleListResolvesAndTheInterruptListReachesEveryOther)
{
    TempDir dir;
    CopySamples(dir);
    for (const fs::path& sample : SampleLists()) {
        const std::string list = dir.file(sample.filename().string());
        SCOPED_TRACE(list);
        const CliRun all = RunCli({"refs", "--anywhere", list});
        EXPECT_EQ(all.exitCode, 0);
        EXPECT_EQ(all.err, "");
        std::string broken;
        std::set<std::string> reached;
        long previousTopic = 0;
        for (const auto& row : Rows(all.out)) {
            ASSERT_EQ(row.size(), 5u);
            EXPECT_GE(std::stol(row[0]), previousTopic);
            previousTopic = std::stol(row[0]);
            const bool found = row[4] == "found" || row[4] == "found-without-fragment";
            EXPECT_EQ(found, row[3] != "-1") << row[1];
            if (found)
                reached.insert(row[2]);
            else
                broken +=
                    row[0] + '\t' + row[1] + '\t' + row[2] + '\t' + row[3] + '\t' + row[4] + '\n';
        }
        EXPECT_EQ(RunCli({"refs", "--broken", "--anywhere", list}).out, broken);
        if (sample.filename() == "INTERRUP.LST") {
            EXPECT_EQ(reached,
                      (std::set<std::string>{"CMOS.LST", "FARCALL.LST", "I2C.LST", "INTERRUP.LST",
                                             "MEMORY.LST", "MSR.LST", "OPCODES.LST", "PORTS.LST"}));
        }
    }
}

// A list far larger than one piece read: its see-also references, in order,
// are those that zelt refs reads topic by topic.
TEST(RefsAnywhere, LargeListsReadPieceByPieceGiveEveryTopicsText)
{
    TempDir dir;
    samples::GeneratorOptions options;
    options.topicCount = 3000;
    options.realTableDensity = true;
    const std::string list = dir.file("INTERRUP.LST");
    ASSERT_TRUE(samples::WriteGeneratedList(list, options));
    const auto anywhere = Rows(RunCli({"refs", "--anywhere", list}).out);
    auto next = anywhere.begin();
    std::size_t seeAlso = 0;
    for (const auto& row : Rows(RunCli({"refs", list}).out)) {
        next = std::find_if(next, anywhere.end(), [&](const std::vector<std::string>& other) {
            return other[0] == row[0] && other[1] == row[1];
        });
        ASSERT_NE(next, anywhere.end()) << row[0] << " " << row[1];
        ++next;
        ++seeAlso;
    }
    EXPECT_GT(seeAlso, 5000u);
    EXPECT_GT(anywhere.size(), seeAlso + 2000);
}

TEST(RefsAnywhere, TableNumbersInRunningTextAndListsThatAreMissing)
{
    TempDir dir;
    const std::string list = dir.write(
        "INTERRUP.LST",
        DosLines({"Information (see #00001)", Divider('D', "21"), "INT 21 - DOS",
                  "\tAL = mode (see #00001, not #000012)", "SeeAlso: AH=4Ch,PORT 0060h,#00002", "",
                  "(Table 00001)", Divider('D', "214C"), "INT 21 - DOS - EXIT"}));
    EXPECT_EQ(RunCli({"refs", "--anywhere", list}).out, "0\t#00001\tINTERRUP.LST\t1\tfound\n"
                                                        "1\t#00001\tINTERRUP.LST\t1\tfound\n"
                                                        "1\tAH=4Ch\tINTERRUP.LST\t2\tfound\n"
                                                        "1\tPORT 0060h\t-\t-1\tno-list\n"
                                                        "1\t#00002\tINTERRUP.LST\t-1\tnot-found\n");
}

TEST(GotoCommand, ResolvesEachReferenceInTheListAndTopicGiven)
{
    TempDir dir;
    CopySamples(dir);
    const std::string list = dir.file("INTERRUP.LST");
    CliRun run = RunCli({"goto", list, "#P0004", "MEM 0040h:0017h", "OPCODE \"AAM\""});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "#P0004\tPORTS.LST\t10\tfound\n"
                       "MEM 0040h:0017h\tMEMORY.LST\t8\tfound\n"
                       "OPCODE \"AAM\"\tOPCODES.LST\t16\tfound\n");
    // Topic 179 is INT 21/AH=4Ch; without a topic AH=4Ch names no interrupt.
    run = RunCli({"goto", "--topic", "179", list, "AH=4Ch", "PORT 9999h", "\x01"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "AH=4Ch\tINTERRUP.LST\t179\tfound\n"
                       "PORT 9999h\tPORTS.LST\t-1\tnot-found\n"
                       "\\x01\t-\t-1\tunrecognised\n");
    EXPECT_EQ(RunCli({"goto", list, "AH=4Ch"}).out, "AH=4Ch\t-\t-1\tunrecognised\n");
    fs::remove(dir.path() / "CMOS.LST");
    EXPECT_EQ(RunCli({"goto", list, "CMOS 10h"}).out, "CMOS 10h\t-\t-1\tno-list\n");
}

TEST(GotoCommand, Failures)
{
    TempDir dir;
    const std::string list =
        dir.write("INTERRUP.LST", DosLines({"info", Divider('D', "21"), "INT 21"}));
    for (const std::vector<std::string_view>& args : {
             std::vector<std::string_view>{"goto"},
             {"goto", list},
             {"goto", "--topic", "1", list},
             {"goto", "--topic"},
             {"goto", "--topic", "x", list, "INT 21"},
             {"goto", "--topic", "2", list, "INT 21"},
             {"goto", "--all", list, "INT 21"},
         }) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.size();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
    const CliRun missing = RunCli({"goto", dir.file("MISSING.LST"), "INT 21"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
}

} // namespace
} // namespace zelt::test
