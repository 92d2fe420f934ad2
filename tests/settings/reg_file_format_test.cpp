#include "settings/reg_file_format.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

std::vector<std::string> Lines(std::string_view name, const StoredValue& value)
{
    return FormatRegValue(name, value).value_or(std::vector<std::string>{"<refused>"});
}

std::optional<StoredValue> ValueIn(const std::string& file, std::string_view key,
                                   std::string_view name)
{
    auto document = ParseRegFile(file);
    if (!document)
        return Text{"<broken>"};
    RegKey* found = document->findKey(key);
    RegEntry* entry = found ? found->findValue(name) : nullptr;
    return entry ? entry->value : std::nullopt;
}

Binary Counting(std::size_t count)
{
    Binary binary;
    for (std::size_t i = 0; i < count; ++i)
        binary.bytes.push_back(static_cast<std::uint8_t>(i));
    return binary;
}

TEST(RegFileFormat, ValueLines)
{
    EXPECT_EQ(Lines("N", Dword{42}), std::vector<std::string>{"\"N\"=dword:0000002a"});
    EXPECT_EQ(Lines("N", Dword{0xFFFFFF9C}), std::vector<std::string>{"\"N\"=dword:ffffff9c"});
    EXPECT_EQ(Lines("N", Text{"C:\\LISTS\\\"x\" \xC3\xBC"}),
              std::vector<std::string>{"\"N\"=\"C:\\\\LISTS\\\\\\\"x\\\" \xC3\xBC\""});
    EXPECT_EQ(Lines("Say \"hi\"", Text{""}), std::vector<std::string>{"\"Say \\\"hi\\\"\"=\"\""});
    EXPECT_EQ(Lines("B", Binary{{0x01, 0x00, 0xFF}}),
              std::vector<std::string>{"\"B\"=hex:01,00,ff"});
    EXPECT_EQ(Lines("B", Binary{}), std::vector<std::string>{"\"B\"=hex:"});
    EXPECT_EQ(Lines("", Dword{1}), std::vector<std::string>{"@=dword:00000001"});
}

TEST(RegFileFormat, RefusesWhatTheFormatCannotHold)
{
    EXPECT_FALSE(FormatRegValue("N", Text{"two\r\nlines"}));
    EXPECT_FALSE(FormatRegValue("N", Text{"line\nfeed"}));
    EXPECT_FALSE(FormatRegValue("N", Text{std::string("nul\0", 4)}));
    EXPECT_FALSE(FormatRegValue("N\r", Dword{1}));
    EXPECT_FALSE(FormatRegValue("N", ExpandText{"%HOME%"}));
}

TEST(RegFileFormat, LongHexWrapsOnceALineReachesColumn77)
{
    // 22 bytes end exactly at column 76 and stay on one line.
    EXPECT_EQ(Lines("Blob", Counting(22)).size(), 1u);
    EXPECT_EQ(
        Lines("Blob", Counting(23)),
        (std::vector<std::string>{
            "\"Blob\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\",
            "  16"}));

    const Binary big = Counting(100);
    const auto lines = Lines("Blob", big);
    ASSERT_EQ(lines.size(), 5u);
    for (std::size_t i = 1; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), 78u) << i; // two blanks, 25 bytes, backslash
    std::string file = "REGEDIT4\r\n\r\n[K]\r\n";
    for (const auto& line : lines)
        file += line + "\r\n";
    EXPECT_EQ(ValueIn(file, "K", "Blob"), StoredValue{big});
}

TEST(RegFileFormat, ReadingToleratesHarmlessVariation)
{
    const std::string file = "\xEF\xBB\xBF"
                             "REGEDIT4  \n"
                             "; written by hand\n"
                             "[hkey_current_user\\software\\X]  \n"
                             "  \"Count\" = DWORD:0000002A\t\n"
                             "\"Path\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,fc,00,00,00\n"
                             "\"List\"=hex(7):41,00,00,00,00,00\n"
                             "\"Blob\"=hex:01,\\\n"
                             "\t   02 , 03\n"
                             "\"Gone\"=dword:1\n"
                             "\"GONE\"=-\n"
                             "\"Dir\"=\"C:\\\\ok\\n\"\n"
                             "[HKEY_CURRENT_USER\\Software\\Removed\\Sub]\n"
                             "\"A\"=dword:1\n"
                             "[-HKEY_CURRENT_USER\\Software\\Removed]\n"
                             "\"B\"=dword:1\n";
    const std::string key = "HKEY_CURRENT_USER\\Software\\X";
    EXPECT_EQ(ValueIn(file, key, "count"), StoredValue{Dword{42}});
    EXPECT_EQ(ValueIn(file, key, "Path"), StoredValue{ExpandText{"%HOME%\xC3\xBC"}});
    EXPECT_EQ(ValueIn(file, key, "List"), std::nullopt);
    EXPECT_EQ(ValueIn(file, key, "Blob"), (StoredValue{Binary{{1, 2, 3}}}));
    EXPECT_EQ(ValueIn(file, key, "Gone"), std::nullopt);
    EXPECT_EQ(ValueIn(file, key, "Dir"), StoredValue{Text{"C:\\ok\\n"}});

    const auto document = ParseRegFile(file);
    ASSERT_TRUE(document);
    ASSERT_EQ(document->keys().size(), 1u);
    EXPECT_EQ(document->leadingComments, std::vector<std::string>{"; written by hand"});
    // Unused types come back as they stood.
    const auto reformatted = FormatRegFile(*document);
    EXPECT_NE(reformatted.find("\r\n\"List\"=hex(7):41,00,00,00,00,00\r\n"), std::string::npos);
    EXPECT_NE(reformatted.find("\r\n\"Blob\"=hex:01,\\\r\n\t   02 , 03\r\n"), std::string::npos);
}

TEST(RegFileFormat, MalformedFilesAreRejected)
{
    const std::string head = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n";
    const std::string cases[] = {
        std::string("\x7F"
                    "ELF\x02\x01\x01\0\0\0",
                    10),
        "Windows Registry Editor Version 5.00\r\n",
        "\r\nREGEDIT4\r\n",
        "REGEDIT4\r\n\"Early\"=dword:1\r\n",
        head + "\"B\"=hex:01,02,\\\r\n",
        head + "\"B\"=hex:01,02,\\",
        head + "\"B\"=hex:01,02,\\\r\n\r\n\"C\"=dword:1\r\n",
        head + "\"B\"=hex:01,02,\r\n",
        head + "\"B\"=hex:1ff\r\n",
        head + "\"D\"=dword:123456789\r\n",
        head + "\"D\"=dword:\r\n",
        head + "\"T\"=\"open\r\n",
        head + "\"T\"=\"a\" b\r\n",
        head + "\"T\"\"x\"\r\n",
        head + "Name=dword:1\r\n",
        head + "[HKEY_CURRENT_USER\\Unclosed\r\n",
        head + "\"W\"=word:1\r\n",
    };
    for (const auto& file : cases)
        EXPECT_FALSE(ParseRegFile(file)) << file;
    const auto empty = ParseRegFile("");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->keys().empty());
}

TEST(RegFileFormat, ManyValuesAndKeysAreAllFoundInFileOrder)
{
    // Far more than the program writes, as a damaged or hostile file may hold.
    constexpr int Values = 200000;
    std::string file = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Big]\r\n";
    for (int i = 0; i < Values; ++i)
        file += "\"V" + std::to_string(i) + "\"=dword:" + std::to_string(i % 10) + "\r\n";
    // Later lines replace, case-insensitively, and remove values.
    file += "\"v7\"=dword:00000077\r\n\"V8\"=-\r\n";
    for (int i = 0; i < 1000; ++i)
        file += "[HKEY_CURRENT_USER\\Keys\\K" + std::to_string(i) + "]\r\n\"A\"=dword:1\r\n";
    file += "[-HKEY_CURRENT_USER\\Keys]\r\n[HKEY_CURRENT_USER\\keys\\k5]\r\n\"B\"=dword:2\r\n";

    auto document = ParseRegFile(file);
    ASSERT_TRUE(document);
    RegKey* big = document->findKey("hkey_current_user\\BIG");
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->entries().size(), static_cast<std::size_t>(Values - 1));
    EXPECT_EQ(big->findValue("V199999")->value, StoredValue{Dword{9}});
    EXPECT_EQ(big->findValue("V7")->value, StoredValue{Dword{0x77}});
    EXPECT_EQ(big->findValue("V7")->name, "V7"); // the first spelling stays
    EXPECT_EQ(big->findValue("V8"), nullptr);
    EXPECT_EQ(std::next(big->entries().begin(), 8)->name, "V9");

    // The removed tree went; the key made again afterwards stands last.
    ASSERT_EQ(document->keys().size(), 2u);
    EXPECT_EQ(document->keys().back().path(), "HKEY_CURRENT_USER\\keys\\k5");
    EXPECT_EQ(document->findKey("HKEY_CURRENT_USER\\Keys\\K6"), nullptr);
    EXPECT_EQ(ValueIn(FormatRegFile(*document), "HKEY_CURRENT_USER\\Keys\\K5", "B"),
              StoredValue{Dword{2}});
}

TEST(RegFileFormat, RemovingAKeyTreeSparesKeysThatOnlyShareItsBeginning)
{
    RegDocument document;
    for (const char* path : {"A\\B", "A\\B\\C", "A\\B!", "A\\BC", "A\\B\\C\\D", "A"})
        document.keyFor(path);
    EXPECT_TRUE(document.removeKeyTree("a\\b"));
    std::vector<std::string> left;
    for (const RegKey& key : document.keys())
        left.push_back(key.path());
    EXPECT_EQ(left, (std::vector<std::string>{"A\\B!", "A\\BC", "A"}));
    EXPECT_FALSE(document.removeKeyTree("A\\B"));
}

} // namespace
} // namespace zelt::test
