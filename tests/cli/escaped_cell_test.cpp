#include "cli/escaped_cell.h"

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

} // namespace
} // namespace zelt::cli
