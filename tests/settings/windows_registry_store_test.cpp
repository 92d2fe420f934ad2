#include "base/windows_headers.h"
#include "base/windows_text.h"
#include "settings/settings_io.h"
#include "settings/windows_registry_store.h"

#include <bit>
#include <cctype>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace zelt::test {
namespace {

// A major version of its own, so that no real settings are touched.
const ProgramVersion Version = ParseProgramVersion("77.1");
const ProgramVersion OtherVersion = ParseProgramVersion("78.0");
const std::string VendorKey = "Software\\Vantrel";

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> bytes;
};

// The value as the registry itself holds it, past the store.
std::optional<RawValue> QueryRaw(const std::string& key, const std::string& name)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WideFromUtf8(key).c_str(), 0, KEY_QUERY_VALUE, &handle) !=
        ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    DWORD size = 0;
    const std::wstring wideName = WideFromUtf8(name);
    LSTATUS status =
        RegQueryValueExW(handle, wideName.c_str(), nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.bytes.resize(size);
        status = RegQueryValueExW(handle, wideName.c_str(), nullptr, &value.type,
                                  value.bytes.data(), &size);
    }
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

// Writes a value the way another program (or a hand in the registry editor) may.
void SetRaw(const std::string& key, const std::string& name, DWORD type,
            const std::vector<std::uint8_t>& bytes)
{
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, WideFromUtf8(key).c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(handle, WideFromUtf8(name).c_str(), 0, type, bytes.data(),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(handle);
}

std::vector<std::uint8_t> Utf16Bytes(std::wstring_view text, bool terminated = true)
{
    std::vector<std::uint8_t> bytes((text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
    std::memcpy(bytes.data(), text.data(), text.size() * sizeof(wchar_t));
    return bytes;
}

std::vector<std::uint8_t> LittleEndian(std::initializer_list<std::int32_t> numbers)
{
    std::vector<std::uint8_t> bytes;
    for (const std::int32_t number : numbers) {
        const auto bits = static_cast<std::uint32_t>(number);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
    return bytes;
}

bool KeyExists(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WideFromUtf8(key).c_str(), 0, KEY_READ, &handle) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

DWORD ValueCount(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WideFromUtf8(key).c_str(), 0, KEY_READ, &handle) !=
        ERROR_SUCCESS)
        return 0;
    DWORD values = 0;
    RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(handle);
    return values;
}

class WindowsRegistry : public ::testing::Test {
protected:
    void SetUp() override { removeTestKeys(); }
    void TearDown() override { removeTestKeys(); }

    static std::string layoutKey() { return SettingsKey(Version, "Layout"); }
    static std::string configKey() { return SettingsKey(Version, "Config"); }

private:
    static void removeTestKeys()
    {
        for (const auto& version : {Version, OtherVersion})
            RegDeleteTreeW(HKEY_CURRENT_USER, WideFromUtf8(SettingsKey(version, "")).c_str());
    }
};

TEST_F(WindowsRegistry, SettingsLandWithTheRegistrysOwnTypes)
{
    Settings settings;
    settings.DefStartupDir = "C:\\Listen\\\xC3\x9C"
                             "bersicht";
    settings.DefStartupList = "C:\\\xF0\x9F\x93\x9A\\INTERRUP.LST"; // beyond the 16-bit range
    settings.AskExit = true;
    settings.TopicsHeightPerc = 0.3125;
    WindowLayout layout;
    layout.WindowState = WindowStateNormal;
    layout.BoundsRect = {10, 20, -1, 1000};
    layout.CoolBarBand0Id = ToolBarBandId;
    layout.TopicsColWidth = 150;
    layout.CurrentTopicFontName = "Courier New";
    WindowsRegistryStore store;
    ASSERT_EQ(WriteSettings(store, Version, settings, layout), std::nullopt);

    EXPECT_EQ(ValueCount(layoutKey()), 13u);
    EXPECT_EQ(ValueCount(configKey()), 17u);

    const auto dword = [](const std::optional<RawValue>& value, std::int32_t number) {
        ASSERT_TRUE(value);
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(value->bytes, LittleEndian({number}));
    };
    dword(QueryRaw(layoutKey(), "WindowState"), WindowStateNormal);
    dword(QueryRaw(layoutKey(), "CoolBar.Bands[0].ID"), ToolBarBandId);
    dword(QueryRaw(layoutKey(), "TopicsColWidth"), 150);
    dword(QueryRaw(configKey(), "AskExit"), 1);
    dword(QueryRaw(configKey(), "ShowCategoryChar"), 1);
    dword(QueryRaw(configKey(), "DontUseIndexFile"), 0);

    const auto bounds = QueryRaw(layoutKey(), "BoundsRect");
    ASSERT_TRUE(bounds);
    EXPECT_EQ(bounds->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(bounds->bytes, LittleEndian({10, 20, -1, 1000}));

    const auto ratio = QueryRaw(layoutKey(), "TopicsHeightPerc");
    ASSERT_TRUE(ratio);
    EXPECT_EQ(ratio->type, static_cast<DWORD>(REG_BINARY));
    const auto bits = std::bit_cast<std::uint64_t>(0.3125);
    std::vector<std::uint8_t> expected;
    for (int shift = 0; shift < 64; shift += 8)
        expected.push_back(static_cast<std::uint8_t>(bits >> shift));
    EXPECT_EQ(ratio->bytes, expected);

    const auto folder = QueryRaw(configKey(), "DefStartupDir");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(folder->bytes, Utf16Bytes(L"C:\\Listen\\\u00DCbersicht"));
    const auto list = QueryRaw(configKey(), "DefStartupList");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->bytes, Utf16Bytes(L"C:\\\U0001F4DA\\INTERRUP.LST"));
    const auto font = QueryRaw(configKey(), "CurrentTopic.Font.Name");
    ASSERT_TRUE(font);
    EXPECT_EQ(font->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(font->bytes, Utf16Bytes(L"Courier New"));
}

TEST_F(WindowsRegistry, WhatIsWrittenIsReadBack)
{
    Settings written;
    written.DefStartupDir = "C:\\Listen\\\xC3\x9C"
                            "bersicht";
    written.DefStartupList = "two\r\nlines"; // the registry holds any text
    written.ShowPrintDialog = false;
    written.LoadTopicsDirect = true;
    written.TopicsHeightPerc = 0.8;
    WindowLayout layout;
    layout.WindowState = WindowStateNormal;
    layout.BoundsRect = {-8, 3000, 200, 400};
    layout.CoolBarBand1Break = true;
    layout.StatusBarVisible = false;
    layout.ToolBarWidth = -5;
    layout.TopicsColWidth = 77;
    layout.CurrentTopicFontSize = 11;
    {
        WindowsRegistryStore store;
        ASSERT_EQ(WriteSettings(store, Version, written, layout), std::nullopt);
    }

    WindowsRegistryStore store;
    const WindowPlacement placement = ReadWindowPlacement(store, Version, Size{1024, 768});
    // Moved onto the screen; a bottom above the top leaves one pixel.
    EXPECT_EQ(placement.bounds, (Rect{-8, 718, 200, 719}));
    EXPECT_FALSE(placement.maximised);
    Settings settings;
    StoredLayout stored;
    ReadSettings(store, Version, settings, stored);
    Settings expected = written;
    expected.TopicsColWidth = 77;
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(stored.CoolBarBand1Break, true);
    EXPECT_EQ(stored.StatusBarVisible, false);
    EXPECT_EQ(stored.ToolBarWidth, -5);
    EXPECT_EQ(stored.CurrentTopicFontName, "MS Sans Serif");
    EXPECT_EQ(stored.CurrentTopicFontSize, 11);
}

TEST_F(WindowsRegistry, ValuesOfOtherTypesOrSizesCountAsAbsent)
{
    SetRaw(layoutKey(), "TopicsColWidth", REG_SZ, Utf16Bytes(L"wide"));
    SetRaw(layoutKey(), "TopicsHeightPerc", REG_BINARY, {0, 0, 0, 0, 0, 0xe0, 0x3f});
    SetRaw(layoutKey(), "ToolBar.Width", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0});
    SetRaw(layoutKey(), "ToolBar.Visible", REG_DWORD, {0, 0});
    SetRaw(layoutKey(), "BoundsRect", REG_BINARY, LittleEndian({1, 2, 3, 4, 5}));
    SetRaw(configKey(), "DefStartupDir", REG_DWORD, LittleEndian({1}));
    SetRaw(configKey(), "AskExit", REG_SZ, Utf16Bytes(L"yes"));
    SetRaw(configKey(), "ShowPrintDialog", REG_MULTI_SZ, Utf16Bytes(L"0\0", true));
    // Accepted as they stand: an unexpanded text, a text without its zero, any non-zero flag.
    SetRaw(configKey(), "DefStartupList", REG_EXPAND_SZ, Utf16Bytes(L"%USERPROFILE%\\A.LST"));
    SetRaw(configKey(), "CurrentTopic.Font.Name", REG_SZ, Utf16Bytes(L"Terminal", false));
    SetRaw(configKey(), "DisplayAllLists", REG_DWORD, LittleEndian({-1}));

    Settings settings;
    settings.DefStartupDir = "C:\\kept";
    settings.TopicsColWidth = 123;
    settings.TopicsHeightPerc = 0.75;
    StoredLayout layout;
    WindowsRegistryStore store;
    ReadSettings(store, Version, settings, layout);
    EXPECT_EQ(settings.DefStartupDir, "C:\\kept");
    EXPECT_EQ(settings.TopicsColWidth, 123);
    EXPECT_EQ(settings.TopicsHeightPerc, 0.75);
    EXPECT_FALSE(settings.AskExit);
    EXPECT_TRUE(settings.ShowPrintDialog);
    EXPECT_EQ(settings.DefStartupList, "%USERPROFILE%\\A.LST");
    EXPECT_TRUE(settings.DisplayAllLists);
    EXPECT_EQ(layout.ToolBarWidth, std::nullopt);
    EXPECT_EQ(layout.ToolBarVisible, std::nullopt);
    EXPECT_EQ(layout.CurrentTopicFontName, "Terminal");
    EXPECT_EQ(ReadWindowPlacement(store, Version, Size{1024, 768}).bounds,
              (Rect{50, 50, 974, 718}));
}

TEST_F(WindowsRegistry, KeysAndNamesMatchInAnyLetterCase)
{
    WindowsRegistryStore store;
    ASSERT_TRUE(store.write(configKey(), "AskExit", Dword{1}));
    std::string upper = configKey();
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(store.read(upper, "ASKEXIT"), StoredValue(Dword{1}));
    EXPECT_EQ(store.read(configKey(), "Missing"), std::nullopt);
    EXPECT_EQ(store.read(SettingsKey(Version, "Nowhere"), "AskExit"), std::nullopt);
    EXPECT_TRUE(store.commit());
}

TEST_F(WindowsRegistry, ClearingDeletesTheVersionsWholeKeyAndNothingElse)
{
    WindowsRegistryStore store;
    ASSERT_EQ(WriteSettings(store, Version, {}, {}), std::nullopt);
    ASSERT_EQ(WriteSettings(store, OtherVersion, {}, {}), std::nullopt);
    SetRaw(SettingsKey(Version, "Layout\\Deeper"), "Left", REG_DWORD, LittleEndian({1}));
    SetRaw(SettingsKey(Version, ""), "Loose", REG_SZ, Utf16Bytes(L"value"));

    ClearStoredSettings(store, Version);
    EXPECT_FALSE(KeyExists(SettingsKey(Version, "")));
    EXPECT_TRUE(KeyExists(SettingsKey(OtherVersion, "Config")));
    EXPECT_TRUE(KeyExists(VendorKey));

    // Nothing left to delete: no error, nothing created.
    ClearStoredSettings(store, Version);
    EXPECT_FALSE(KeyExists(SettingsKey(Version, "")));
    Settings settings;
    StoredLayout layout;
    ReadSettings(store, Version, settings, layout);
    EXPECT_EQ(settings, Settings{});
    EXPECT_TRUE(ReadWindowPlacement(store, Version, Size{800, 600}).maximised);
}

} // namespace
} // namespace zelt::test
