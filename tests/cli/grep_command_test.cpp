#include "base/ascii_text.h"
#include "cli/escaped_cell.h"
#include "cli_helpers.h"
#include "sample_files.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

std::string List()
{
    return DosLines({
        "Information about DOS",
        Divider('D', "2109"),
        "INT 21 - DOS - WRITE STRING",
        "\tsee C:\\DOS\x01 and MSDOS \x8E",
        Divider('B', "1000"),
        "INT 10 - VIDEO",
        "nothing of it here, but dos in the last line",
    });
}

TEST(GrepCommand, OneEscapedLinePerHitLineOfEveryList)
{
    TempDir dir;
    const std::string list = dir.write("INTERRUP.LST", List());
    const std::string other = dir.write("OTHER.LST", DosLines({"no divider line", "dos"}));
    auto run = RunCli({"grep", "dos", list, other});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, list + "\t0\t1\t18\t[List Info]\tInformation about DOS\n" + list +
                           "\t1\t1\t9\t2109\tINT 21 - DOS - WRITE STRING\n" + list +
                           "\t1\t2\t8\t2109\t\\x09see C:\\\\DOS\\x01 and MSDOS \u00C4\n" + list +
                           "\t2\t2\t24\t1000\tnothing of it here, but dos in the last line\n" +
                           other + "\t0\t2\t0\tOTHER.LST\tdos\n");
    run = RunCli({"grep", "--case", "--words", "DOS", list});
    EXPECT_EQ(run.out, list + "\t0\t1\t18\t[List Info]\tInformation about DOS\n" + list +
                           "\t1\t1\t9\t2109\tINT 21 - DOS - WRITE STRING\n" + list +
                           "\t1\t2\t8\t2109\t\\x09see C:\\\\DOS\\x01 and MSDOS \u00C4\n");
    // TEXT is UTF-8 for code page 437 bytes; U+00C4 is byte 8Eh.
    run = RunCli({"grep", "--words", "\u00C4", list});
    EXPECT_EQ(run.out, list + "\t1\t2\t23\t2109\t\\x09see C:\\\\DOS\\x01 and MSDOS \u00C4\n");
    // The first occurrence on the line fails the whole-word rule, a later one passes.
    EXPECT_EQ(RunCli({"grep", "--words", "--", "dos", list}).out,
              RunCli({"grep", "--words", "DOS", list}).out);
}

TEST(GrepCommand, ExitStatusAsGrep)
{
    TempDir dir;
    const std::string list = dir.write("INTERRUP.LST", List());
    auto run = RunCli({"grep", "CMOS", list, list});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(RunCli({"grep", "--case", "video", list}).exitCode, 1);

    for (const std::vector<std::string_view>& args : {
             std::vector<std::string_view>{"grep"},
             {"grep", "DOS"},
             {"grep", "", list},
             {"grep", "\u20AC", list},
             {"grep", "\xFF", list},
             {"grep", "--regex", "DOS", list},
         }) {
        run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.size() << " " << args.back();
        EXPECT_NE(run.err, "");
        EXPECT_EQ(run.out, "");
    }
    // A list that cannot be read fails the run, but the others are still searched.
    run = RunCli({"grep", "VIDEO", dir.file("MISSING.LST"), list});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "zelt: Unable to find \"MISSING.LST\" !\n");
    EXPECT_EQ(run.out, list + "\t2\t1\t9\t1000\tINT 10 - VIDEO\n");
}

// Every sample list against its topics' own CR LF lines.
TEST(GrepCommand, EverySampleList)
{
    TempDir dir;
    std::vector<std::string> copies;
    std::string expected;
    for (const std::filesystem::path& path : SampleLists()) {
        const std::string bytes = ReadBytes(path);
        copies.push_back(dir.write(path.filename().string(), bytes));
        const LoadedList list = LoadTopics(path);
        for (TopicNumber n = 0; n < list.topics().size(); ++n) {
            std::uint32_t number = 0;
            for (const std::string_view line : TopicLines(bytes, list, n)) {
                ++number;
                const std::size_t column = UpperAscii(line).find("THE");
                if (column == std::string::npos)
                    continue;
                expected += copies.back() + '\t' + std::to_string(n) + '\t' +
                            std::to_string(number) + '\t' + std::to_string(column) + '\t' +
                            cli::EscapedCell(list.topics().identifier(n)) + '\t' +
                            cli::EscapedCell(line) + '\n';
            }
        }
    }
    ASSERT_GE(copies.size(), 11u);
    std::vector<std::string_view> args{"grep", "the"};
    args.insert(args.end(), copies.begin(), copies.end());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, expected);
    EXPECT_GT(std::count(expected.begin(), expected.end(), '\n'), 1000);
}

} // namespace
} // namespace zelt::test
