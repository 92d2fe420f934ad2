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

} // namespace
} // namespace zelt::cli
