#include "base/ascii_text.h"
#include "base/code_page_437.h"
#include "base/error_messages.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

TEST(AsciiText, CaseRulesTouchOnlyAsciiLetters)
{
    EXPECT_EQ(UpperAscii("interrup.lst \xE4\x84z"), "INTERRUP.LST \xE4\x84Z");
    EXPECT_TRUE(EqualsIgnoringCase("Ports.Lst", "PORTS.LST"));
    EXPECT_FALSE(EqualsIgnoringCase("\xE4", "\xC4"));
    EXPECT_TRUE(StartsWithIgnoringCase("int 21/ah=4ch", "INT"));
    EXPECT_EQ(TrimControlAndBlank(std::string_view("\0 \tA B\x1F \x7F", 9)), "A B\x1F \x7F");
    EXPECT_EQ(FileNameOf("C:\\LISTS/sub\\PORTS.LST"), "PORTS.LST");
    EXPECT_EQ(FileNameOf("PORTS.LST"), "PORTS.LST");
}

TEST(CodePage437, MapsEveryByteToOneCharacterAndBack)
{
    EXPECT_EQ(Cp437ToUnicode(0x01), U'\u263A');
    EXPECT_EQ(Cp437ToUnicode(0x1A), U'\u2192');
    EXPECT_EQ(Cp437ToUnicode('A'), U'A');
    EXPECT_EQ(Cp437ToUnicode(0x7F), U'\u2302');
    EXPECT_EQ(Cp437ToUnicode(0xC4), U'\u2500');
    EXPECT_EQ(Cp437ToUnicode(0xFF), U'\u00A0');
    for (int byte = 1; byte < 256; ++byte) {
        const auto back = UnicodeToCp437(Cp437ToUnicode(static_cast<unsigned char>(byte)));
        ASSERT_TRUE(back.has_value()) << byte;
        EXPECT_EQ(*back, byte);
    }
    EXPECT_FALSE(UnicodeToCp437(U'\u20AC').has_value());
    EXPECT_EQ(Cp437ToUtf8("a\xF8\xB3"), "a\u00B0\u2502");
}

TEST(Messages, NumberedTexts)
{
    EXPECT_EQ(ErrorMessageText(1), "Unable to load list !");
    EXPECT_EQ(ErrorMessageText(2), "Unable to create indexfile !");
    EXPECT_EQ(ErrorMessageText(3), "Unable to load topic from list !");
    EXPECT_EQ(ErrorMessageText(10), "Unknown commandline parameter(s) !");
    EXPECT_EQ(ErrorMessageText(4), "Undefined error no. 4");
    EXPECT_EQ(ErrorMessageText(255), "Undefined error no. 255");
}

} // namespace
} // namespace zelt
