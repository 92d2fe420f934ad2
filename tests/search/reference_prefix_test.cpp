#include "search/reference_prefix.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

struct PrefixCase {
    ListKind kind;
    std::string_view reference;
    std::string_view prefix; // as built, before the locate trims it
    std::string_view shownIdentifier = "214C";
};

void ExpectPrefixes(std::initializer_list<PrefixCase> cases)
{
    for (const PrefixCase& c : cases) {
        const ReferencePrefix built = BuildReferencePrefix(c.reference, c.kind, c.shownIdentifier);
        EXPECT_TRUE(built.recognised) << c.reference;
        EXPECT_EQ(built.prefix, c.prefix) << c.reference;
    }
}

void ExpectUnrecognised(ListKind kind, std::initializer_list<std::string_view> references)
{
    for (const std::string_view reference : references) {
        const ReferencePrefix built = BuildReferencePrefix(reference, kind, "214C");
        EXPECT_FALSE(built.recognised) << ToInt(kind) << " " << reference;
        EXPECT_EQ(built.prefix, "") << reference;
        EXPECT_EQ(built.fragment, "") << reference;
    }
}

TEST(ReferencePrefix, TheDocumentedExamples)
{
    ExpectPrefixes({
        {ListKind::Interrup, "INT 21/AH=4Ch", "214C  "},
        {ListKind::Interrup, "INT 2F/AX=1684h/BX=0021h", "2F1684BX0021"},
        {ListKind::Interrup, "AX=4B00h", "214B00", "2150"},
        {ListKind::Interrup, "INT 10", "10    "},
        {ListKind::Interrup, "AH=4Ch", "214C  ", "2130"},
        {ListKind::Ports, "PORT 03F0h-03F7h", "P03F003F7"},
        {ListKind::Ports, "PORT 0060h", "P0060"},
        {ListKind::Memory, "MEM 0040h:0017h", "M00400017"},
        {ListKind::Cmos, "CMOS 10h", "R10"},
        {ListKind::Farcall, "@F000h:FFF0h", "@F000FFF0"},
        {ListKind::Msr, "MSR 0000001Bh", "S0000001B"},
        {ListKind::I2c, "I2C 50h/01h", "I5001"},
    });
}

TEST(ReferencePrefix, InterruptFunctionAndRegisterParts)
{
    ExpectPrefixes({
        // The function part: AX, else AH and two blanks, else two blanks and AL or two more.
        {ListKind::Interrup, "INT 2D/AL=00h", "2D  00"},
        {ListKind::Interrup, "INT 21/AX=4B00h/AH=01h", "214B00"},
        {ListKind::Interrup, "INT 21/AH=4Ch/AL=01h", "214C  "},
        // One name per group, groups in the order B, C, D whatever the text's order.
        {ListKind::Interrup, "INT 21/AX=2B01h/CX=4445h/DX=5351h", "212B01CX4445DX5351"},
        {ListKind::Interrup, "INT 21/AX=2B01h/DX=5351h/CX=4445h", "212B01CX4445DX5351"},
        {ListKind::Interrup, "INT 7A/BX=000Ah", "7A    BX000A"},
        {ListKind::Interrup, "INT 10/AH=12h/BL=30h", "1012  BL30"},
        {ListKind::Interrup, "INT 10/AX=1130h/BH=06h", "101130BH06"},
        {ListKind::Interrup, "INT 10/AX=1130h/BL=01h/BH=06h", "101130BH06"},
        {ListKind::Interrup, "INT 13/AH=08h/DL=80h", "1308  DL80"},
        {ListKind::Interrup, "INT 13/AH=08h/DH=01h/DX=0080h", "1308  DX0080"},
        {ListKind::Interrup, "INT 15/AX=E820h/DX=534Dh", "15E820DX534D"},
        // The extra register: BP, SI, SF, DI, the first one only, its trailing h dropped.
        {ListKind::Interrup, "INT 2F/AX=1234h/DI=0001h", "2F1234DI0001"},
        {ListKind::Interrup, "INT 21/AX=4409h/SI=12h", "214409SI12"},
        {ListKind::Interrup, "INT 21/AX=1234h/SI=0001h/BP=0002h", "211234BP0002"},
        {ListKind::Interrup, "INT 21/AX=5D0Ah/SF=0001h", "215D0ASF0001"},
        {ListKind::Interrup, "INT 2F/AX=1684h/BX=0021h/DI=0005h", "2F1684BX0021DI0005"},
        // Letter case: "INT" in any case, the register names exactly.
        {ListKind::Interrup, "int 21/ah=4ch", "21    "},
        {ListKind::Interrup, "Int 21/AH=4Ch", "214C  "},
        // A function of the shown topic's interrupt, recognised by its "=" at position 3.
        {ListKind::Interrup, "DX=1234h", "21    DX1234"},
        {ListKind::Interrup, "BX=0000h", "1A    BX0000", "1A"},
        {ListKind::Interrup, "AH=01h", "01  ", ""},
        {ListKind::Interrup, "AH=01h", "301  ", "3"},
        // Short references take what there is.
        {ListKind::Interrup, "INT", "    "},
        {ListKind::Interrup, "INT 2", "2    "},
        {ListKind::Interrup, "INT 21/AX=12", "2112"},
    });
    ExpectUnrecognised(ListKind::Interrup, {"CMOS 10h", "MEM 0040h:0017h", "PORT 0060h", "BIOS",
                                            "AXX=1", "A=1", "DOS 4.0+", "@F000h:FFF0h", ""});
}

TEST(ReferencePrefix, PortMemoryAndCmosForms)
{
    ExpectPrefixes({
        {ListKind::Ports, "port 0061h", "P0061"},
        {ListKind::Ports, "PORT 0081h-008Fh", "P0081008F"},
        // A 15-character range has no second part; neither has a dash elsewhere.
        {ListKind::Ports, "PORT 0060h-006h", "P0060"},
        {ListKind::Ports, "PORT 060h-0064hh", "P060h"},
        {ListKind::Ports, "PORT 60", "P60"},
        {ListKind::Memory, "MEM F000h:FFF0h", "MF000FFF0"},
        {ListKind::Memory, "MEM 000A0000h", "M000A0000"},
        {ListKind::Memory, "MEM 40h:17h", "M40h:17h"},
        {ListKind::Memory, "mem 0040h:0017h", "M00400017"},
        {ListKind::Cmos, "CMOS 0Bh", "R0B"},
        {ListKind::Cmos, "cmos 2", "R2"},
    });
    ExpectUnrecognised(ListKind::Ports, {"PORT", "PORTS 60", "INT 08", "MEM 0040h:006Ch"});
    ExpectUnrecognised(ListKind::Memory, {"MEM", "MEMORY", "INT 21/AH=25h", "PORT 03F8h"});
    ExpectUnrecognised(ListKind::Cmos, {"CMOS", "INT 1A/AH=06h"});
}

TEST(ReferencePrefix, FarCallMsrAndI2cForms)
{
    ExpectPrefixes({
        {ListKind::Farcall, "@F000h:E05Bh", "@F000E05B"},
        {ListKind::Farcall, "@", "@"},
        {ListKind::Msr, "MSR 0000001B", "S"},
        {ListKind::Msr, "MSR 000001Bh", "S0000001B"},
        {ListKind::Msr, "MSR C0000081h", "SC0000081"},
        {ListKind::Msr, "MSR 10h", "S10"},
        {ListKind::Msr, "MSR 0000001BH", "S"},
        {ListKind::I2c, "I2C 50h/01h/03h", "I5001  SF03"},
        {ListKind::I2c, "I2C 50h", "I50"},
        {ListKind::I2c, "I2C 50h/1h", "I50"},
        {ListKind::I2c, "i2c 50h/01h", "I5001"},
    });
    ExpectUnrecognised(ListKind::Farcall, {"MEM 0040h:0072h", " @F000h"});
    ExpectUnrecognised(ListKind::Msr, {"OPCODE 0F31h", "MSR"});
    ExpectUnrecognised(ListKind::I2c, {"I2C", "INT 21"});
}

TEST(ReferencePrefix, OtherListsRecogniseNothing)
{
    for (const ListKind kind : {ListKind::None, ListKind::Other, ListKind::Opcodes, ListKind::Smm,
                                ListKind::Tables, ListKind::Biblio}) {
        EXPECT_FALSE(FollowsReferences(kind));
        ExpectUnrecognised(kind, {"INT 21/AH=4Ch", "PORT 0060h", "OPCODE 0F05h", "[B0001]"});
    }
    for (int kind = 1; kind <= 7; ++kind)
        EXPECT_TRUE(FollowsReferences(static_cast<ListKind>(kind)));
}

TEST(ReferencePrefix, TheQuotedTitleFragment)
{
    const auto fragment = [](std::string_view reference, ListKind kind = ListKind::Interrup) {
        return BuildReferencePrefix(reference, kind, "2100").fragment;
    };
    EXPECT_EQ(fragment("INT 0D\"CPU\""), "CPU");
    EXPECT_EQ(fragment("AX=2503h\"Phar Lap\""), "Phar Lap");
    EXPECT_EQ(BuildReferencePrefix("AX=2503h\"Phar Lap\"", ListKind::Interrup, "2100").prefix,
              "212503");
    // The last character goes whatever it is; from the first quote on.
    EXPECT_EQ(fragment("INT 0D\"CPU"), "CP");
    EXPECT_EQ(fragment("INT 0D\"a\"b\""), "a\"b");
    EXPECT_EQ(fragment("INT 0D\""), "");
    EXPECT_EQ(fragment("INT 0D\"\""), "");
    EXPECT_EQ(fragment("INT 0D"), "");
    EXPECT_EQ(fragment("PORT 0060h\"KEYBOARD\"", ListKind::Ports), "KEYBOARD");
    // An unrecognised reference stops before its fragment is taken.
    EXPECT_EQ(fragment("CMOS 10h\"RTC\""), "");
}

} // namespace
} // namespace zelt::test
