#include "cli/escaped_cell.h"
#include "cli_helpers.h"

#include <gtest/gtest.h>

namespace zelt::cli {
namespace {

TEST(EscapedCell, ControlBytesBackslashesAndCodePage437)
{
    EXPECT_EQ(EscapedCell("INT 21 - DOS"), "INT 21 - DOS");
    EXPECT_EQ(EscapedCell("a\\b"), "a\\\\b");
    EXPECT_EQ(EscapedCell("\t\n\r"), "\\x09\\x0A\\x0D");
    EXPECT_EQ(EscapedCell(std::string_view("\0\x1F\x7F", 3)), "\\x00\\x1F\\x7F");
    EXPECT_EQ(EscapedCell(" ~"), " ~");
    EXPECT_EQ(EscapedCell("\xC4\xB3\xF8\xFF"), "\u2500\u2502\u00B0\u00A0");
    EXPECT_EQ(EscapedCell(""), "");
}

TEST(EscapedCell, EveryPositionOfLongCellsIsEscaped)
{
    // Long cells are checked eight bytes at a time: put each byte that needs
    // care at every position of a longer cell.
    const std::string plain = "INT 21 - DOS 2+ - GET DATE";
    for (const char special : {'\0', '\x1F', '\\', '\x7F', '\x80', '\xFF', '\t'}) {
        for (std::size_t at = 0; at < plain.size(); ++at) {
            std::string cell = plain;
            cell[at] = special;
            const std::string expected = EscapedCell(plain.substr(0, at)) +
                                         EscapedCell(std::string(1, special)) +
                                         EscapedCell(plain.substr(at + 1));
            EXPECT_EQ(EscapedCell(cell), expected) << at;
        }
    }
    EXPECT_EQ(EscapedCell(" ~}|{ ~}|{ ~}|{ ~}|{"), " ~}|{ ~}|{ ~}|{ ~}|{");
}

// Names reach the terminal as messages: a name that holds an escape
// sequence is shown, never obeyed; UTF-8 and backslashes stay as they are.
TEST(EscapedName, MessagesShowControlCharactersOfNamesEscaped)
{
    EXPECT_EQ(EscapedName("C:\\LISTS\\zo\xC3\xAB.LST"), "C:\\LISTS\\zo\xC3\xAB.LST");
    EXPECT_EQ(EscapedName("a\x7F\xC2\x9B"
                          "2J\xC2\xA0"),
              "a\\x7F\\xC2\\x9B2J\xC2\xA0");

    const test::CliRun run = test::RunCli({"show", "\x1B]0;owned\x07\x1B[2J.LST", "1"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.err.find('\x1B'), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\\x1B]0;owned\\x07\\x1B[2J.LST"), std::string::npos) << run.err;
}

} // namespace
} // namespace zelt::cli
