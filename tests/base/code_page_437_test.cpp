#include "base/code_page_437.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

TEST(CodePage437, ExactConversionHasNoSubstitutes)
{
    EXPECT_EQ(Utf8ToCp437Exact("DOS"), "DOS");
    EXPECT_EQ(Utf8ToCp437Exact("\u00C4\u00E4\u2502\u263A"), "\x8E\x84\xB3\x01");
    EXPECT_EQ(Utf8ToCp437Exact(""), "");
    // A character the code page lacks, and bytes that are no UTF-8.
    EXPECT_EQ(Utf8ToCp437Exact("\u20AC"), std::nullopt);
    EXPECT_EQ(Utf8ToCp437Exact("a\xFF"), std::nullopt);
    EXPECT_EQ(Utf8ToCp437Exact("\xC3"), std::nullopt);
    EXPECT_EQ(Utf8ToCp437Exact("\xE2\x94"), std::nullopt);
    // The lossy conversion keeps substituting as before.
    EXPECT_EQ(Utf8ToCp437("\u20AC\xFF\u00C4"), "??\x8E");
}

TEST(CodePage437, EveryByteComesBackThroughUtf8)
{
    for (int code = 0; code < 256; ++code) {
        const std::string byte(1, static_cast<char>(code));
        EXPECT_EQ(Utf8ToCp437Exact(Cp437ToUtf8(byte)), byte) << code;
    }
}

} // namespace
} // namespace zelt::test
