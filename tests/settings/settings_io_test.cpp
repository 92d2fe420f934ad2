#include "settings/reg_file_store.h"
#include "settings/settings_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

const ProgramVersion Version1 = ParseProgramVersion("1.0.0.1");
const std::string LayoutKey = "[HKEY_CURRENT_USER\\Software\\Vantrel\\ZELT Viewer\\1\\Layout]";
const std::string ConfigKey = "[HKEY_CURRENT_USER\\Software\\Vantrel\\ZELT Viewer\\1\\Config]";
constexpr Size Screen{1024, 768};

std::string Regedit(std::initializer_list<std::string_view> lines)
{
    return "REGEDIT4\r\n" + DosLines(lines);
}

class SettingsIo : public ::testing::Test {
protected:
    std::string path() const { return m_dir.file("settings.reg"); }
    void store(const std::string& bytes) const { m_dir.write("settings.reg", bytes); }
    std::string stored() const { return ReadBytes(path()); }

    WindowPlacement placement()
    {
        RegFileStore store(path());
        return ReadWindowPlacement(store, Version1, Screen);
    }

    void read(Settings& settings, StoredLayout& layout)
    {
        RegFileStore store(path());
        ReadSettings(store, Version1, settings, layout);
    }

    std::optional<std::string> write(const Settings& settings, const WindowLayout& layout)
    {
        RegFileStore store(path());
        return WriteSettings(store, Version1, settings, layout);
    }

private:
    TempDir m_dir;
};

TEST_F(SettingsIo, WrittenFileHoldsEveryValueInOrder)
{
    Settings settings;
    settings.DefStartupDir = "C:\\LISTS\\\"x\"";
    settings.DefStartupList = "/home/zo\xC3\xAB/INTERRUP.LST";
    settings.AskExit = true;
    settings.OnlyParseLST = false;
    settings.TopicsColWidth = 999; // the layout's current width is stored instead
    WindowLayout layout;
    layout.WindowState = WindowStateNormal;
    layout.BoundsRect = {10, 20, -1, 1000};
    layout.ToolBarCategoriesWidth = 300;
    layout.CoolBarBand0Id = ToolBarBandId;
    layout.ToolBarWidth = 42;
    layout.TopicsHeaderVisible = false;
    layout.TopicsColWidth = 150;
    layout.CurrentTopicFontName = "Courier New";
    layout.CurrentTopicFontSize = 10;

    ASSERT_EQ(write(settings, layout), std::nullopt);
    EXPECT_EQ(stored(),
              Regedit({"",
                       LayoutKey,
                       "\"WindowState\"=dword:00000000",
                       "\"BoundsRect\"=hex:0a,00,00,00,14,00,00,00,ff,ff,ff,ff,e8,03,00,00",
                       "\"ToolBarCategories.Width\"=dword:0000012c",
                       "\"CoolBar.Bands[0].ID\"=dword:00000001",
                       "\"CoolBar.Bands[0].Break\"=dword:00000001",
                       "\"ToolBar.Width\"=dword:0000002a",
                       "\"CoolBar.Bands[1].Break\"=dword:00000000",
                       "\"ToolBar.Visible\"=dword:00000001",
                       "\"TopicsHeader.Visible\"=dword:00000000",
                       "\"PanelCurrentTopicHeader.Visible\"=dword:00000001",
                       "\"StatusBar.Visible\"=dword:00000001",
                       "\"TopicsHeightPerc\"=hex:00,00,00,00,00,00,e0,3f",
                       "\"TopicsColWidth\"=dword:00000096",
                       "",
                       ConfigKey,
                       "\"DefStartupDir\"=\"C:\\\\LISTS\\\\\\\"x\\\"\"",
                       "\"DefStartupList\"=\"/home/zo\xC3\xAB/INTERRUP.LST\"",
                       "\"AskExit\"=dword:00000001",
                       "\"ShowPrintDialog\"=dword:00000001",
                       "\"SingleClickView\"=dword:00000001",
                       "\"DoubleClickZoom\"=dword:00000000",
                       "\"DontUseIndexFile\"=dword:00000000",
                       "\"ReloadLastOpenList\"=dword:00000000",
                       "\"TopicFormatting\"=dword:00000001",
                       "\"WYSIWYGPrint\"=dword:00000000",
                       "\"EnabledSeeAlsoMenu\"=dword:00000001",
                       "\"LoadTopicsDirect\"=dword:00000000",
                       "\"DisplayAllLists\"=dword:00000000",
                       "\"ShowCategoryChar\"=dword:00000001",
                       "\"OnlyParseLST\"=dword:00000000",
                       "\"CurrentTopic.Font.Name\"=\"Courier New\"",
                       "\"CurrentTopic.Font.Size\"=dword:0000000a"}));
}

TEST_F(SettingsIo, WhatIsWrittenIsReadBack)
{
    Settings written;
    written.DefStartupDir = "/lists";
    written.DefStartupList = "/lists/PORTS.LST";
    written.ShowPrintDialog = false;
    written.LoadTopicsDirect = true;
    written.WYSIWYGPrint = true;
    written.TopicsHeightPerc = 0.3125;
    WindowLayout layout;
    layout.CoolBarBand0Id = ToolBarBandId;
    layout.CoolBarBand1Break = true;
    layout.StatusBarVisible = false;
    layout.ToolBarWidth = -5;
    layout.TopicsColWidth = 77;
    layout.TopicTextsPanel = DockPlace{true, true, DockSide::Right, 250, {-8, 20, 600, 400}};
    ASSERT_EQ(write(written, layout), std::nullopt);

    Settings settings;
    StoredLayout stored;
    read(settings, stored);
    Settings expected = written;
    expected.TopicsColWidth = 77;
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(stored.CoolBarBand0Id, ToolBarBandId);
    EXPECT_EQ(stored.CoolBarBand1Break, true);
    EXPECT_EQ(stored.StatusBarVisible, false);
    EXPECT_EQ(stored.ToolBarWidth, -5);
    EXPECT_EQ(stored.CurrentTopicFontName, "MS Sans Serif");
    EXPECT_EQ(stored.CurrentTopicFontSize, 8);
    EXPECT_EQ(stored.TopicTextsPanel, layout.TopicTextsPanel);
}

TEST_F(SettingsIo, AbsentOrWrongTypedValuesLeaveFieldsAlone)
{
    store(Regedit({"", LayoutKey, "\"TopicsColWidth\"=\"wide\"",
                   "\"TopicsHeightPerc\"=hex:00,00,00,00,00,e0,3f",
                   "\"CoolBar.Bands[0].ID\"=dword:00000002", "\"ToolBar.Visible\"=hex:01",
                   "\"ToolBar.Width\"=dword:ffffff9c",
                   "\"SearchTopicTextsPanel.Place\"=hex:01,00,00,00,04,00,00,00,00,00,00,00,00,"
                   "00,00,00,00,00,00,00,00,00,00,00,00,00,00,00",
                   "", ConfigKey, "\"DefStartupDir\"=dword:00000001", "\"AskExit\"=\"yes\"",
                   "\"DisplayAllLists\"=dword:00000002", "\"OnlyParseLST\"=dword:00000000",
                   "\"DefStartupList\"=hex(2):41,00,25,00,58,00,25,00,00,00",
                   "\"CurrentTopic.Font.Size\"=dword:0000000c"}));
    Settings settings;
    settings.DefStartupDir = "/kept";
    settings.TopicsColWidth = 123;
    settings.TopicsHeightPerc = 0.75;
    settings.AskExit = true;
    StoredLayout layout;
    layout.ToolBarVisible = false;
    read(settings, layout);

    EXPECT_EQ(settings.DefStartupDir, "/kept");
    EXPECT_EQ(settings.TopicsColWidth, 123);
    EXPECT_EQ(settings.TopicsHeightPerc, 0.75);
    EXPECT_TRUE(settings.AskExit);
    EXPECT_TRUE(settings.DisplayAllLists);
    EXPECT_FALSE(settings.OnlyParseLST);
    EXPECT_EQ(settings.DefStartupList, "A%X%");
    EXPECT_TRUE(settings.ShowPrintDialog);
    EXPECT_EQ(layout.CoolBarBand0Id, std::nullopt);
    EXPECT_EQ(layout.ToolBarVisible, false);
    EXPECT_EQ(layout.ToolBarWidth, -100);
    EXPECT_EQ(layout.StatusBarVisible, std::nullopt);
    EXPECT_EQ(layout.TopicTextsPanel, std::nullopt);
    EXPECT_EQ(layout.CurrentTopicFontName, std::nullopt);
    EXPECT_EQ(layout.CurrentTopicFontSize, 12);
}

TEST_F(SettingsIo, PlacementIsCorrectedOnlyWhenOffScreen)
{
    EXPECT_EQ(placement().bounds, (Rect{50, 50, 974, 718}));
    EXPECT_TRUE(placement().maximised);

    const auto withRect = [this](std::string_view rect, std::string_view state) {
        store(Regedit({"", LayoutKey, rect, state}));
        return placement();
    };
    const std::string normal = "\"WindowState\"=dword:00000000";
    WindowPlacement p =
        withRect("\"BoundsRect\"=hex:b8,0b,00,00,84,03,00,00,e8,03,00,00,e8,03,00,00", normal);
    EXPECT_EQ(p.bounds, (Rect{974, 718, 1000, 1000})); // from Left 3000, Top 900
    EXPECT_FALSE(p.maximised);
    EXPECT_EQ(p.windowState, 0);

    p = withRect("\"BoundsRect\"=hex:00,04,00,00,00,03,00,00,00,08,00,00,00,06,00,00",
                 "\"WindowState\"=dword:00000001");
    EXPECT_EQ(p.bounds, (Rect{1024, 768, 2048, 1536})); // on the edge: unchanged
    EXPECT_FALSE(p.maximised);
    p = withRect("\"BoundsRect\"=hex:9c,ff,ff,ff,38,ff,ff,ff,00,01,00,00,00,01,00,00", normal);
    EXPECT_EQ(p.bounds, (Rect{-100, -200, 256, 256}));

    // Far beyond the screen both ways: held to its size, 50 pixels on it.
    p = withRect("\"BoundsRect\"=hex:60,79,fe,ff,00,00,00,80,ff,ff,ff,7f,ff,ff,ff,7f", normal);
    EXPECT_EQ(p.bounds, (Rect{-974, -718, 50, 50})); // Left -100000, Top INT_MIN
    p = withRect("\"BoundsRect\"=hex:ff,ff,ff,7f,ff,ff,ff,7f,00,00,00,80,00,00,00,80", normal);
    EXPECT_EQ(p.bounds, (Rect{974, 718, 975, 719})); // Left, Top INT_MAX; Right, Bottom INT_MIN

    for (const auto* wrongSize : {"\"BoundsRect\"=hex:01,00,00,00,02,00,00,00,03,00,00,00",
                                  "\"BoundsRect\"=hex:01,00,00,00,02,00,00,00,03,00,00,00,04,00,"
                                  "00,00,05,00,00,00"}) {
        p = withRect(wrongSize, "\"WindowState\"=dword:00000002");
        EXPECT_EQ(p.bounds, (Rect{50, 50, 974, 718})) << wrongSize;
        EXPECT_TRUE(p.maximised);
    }
}

TEST_F(SettingsIo, ExitWhileMaximisedKeepsTheEarlierBounds)
{
    WindowLayout layout;
    layout.WindowState = WindowStateNormal;
    layout.BoundsRect = {11, 22, 333, 444};
    ASSERT_EQ(write({}, layout), std::nullopt);
    layout.WindowState = WindowStateMaximised;
    layout.BoundsRect = {0, 0, 1024, 768};
    ASSERT_EQ(write({}, layout), std::nullopt);

    const WindowPlacement p = placement();
    EXPECT_TRUE(p.maximised);
    EXPECT_EQ(p.bounds, (Rect{11, 22, 333, 444}));
}

TEST_F(SettingsIo, ClearRemovesOnlyThisVersionsKey)
{
    const std::string others =
        Regedit({"", "[HKEY_CURRENT_USER\\Software\\Vantrel\\ZELT Viewer\\2\\Config]",
                 "\"AskExit\"=dword:00000001", "",
                 "[HKEY_CURRENT_USER\\Software\\Vantrel\\ZELT Viewer\\10\\Config]",
                 "\"AskExit\"=dword:00000001", "", "[HKEY_CURRENT_USER\\Software\\Elsewhere]",
                 "\"A\"=\"b\""});
    ASSERT_EQ(write({}, {}), std::nullopt);
    store(stored() + others.substr(std::string("REGEDIT4\r\n").size()));
    {
        RegFileStore store(path());
        ClearStoredSettings(store, Version1);
    }
    EXPECT_EQ(stored(), others);

    // With nothing to delete the file is not rewritten.
    store(others + "; untouched");
    RegFileStore store(path());
    ClearStoredSettings(store, Version1);
    EXPECT_EQ(stored(), others + "; untouched");
}

TEST_F(SettingsIo, OtherMajorVersionsValuesAreNotSeen)
{
    store(Regedit({"", "[HKEY_CURRENT_USER\\Software\\Vantrel\\ZELT Viewer\\2\\Config]",
                   "\"AskExit\"=dword:00000001"}));
    RegFileStore store(path());
    Settings v2;
    Settings v3;
    StoredLayout layout;
    ReadSettings(store, ParseProgramVersion("2.9"), v2, layout);
    ReadSettings(store, ParseProgramVersion("3.0"), v3, layout);
    EXPECT_TRUE(v2.AskExit);
    EXPECT_FALSE(v3.AskExit);
}

TEST_F(SettingsIo, WriteFailuresNameAValueAndEndNormally)
{
    Settings settings;
    settings.DefStartupList = "two\r\nlines";
    settings.AskExit = true;
    EXPECT_EQ(write(settings, {}), "DefStartupList");
    Settings back;
    StoredLayout layout;
    read(back, layout);
    EXPECT_TRUE(back.AskExit) << "the other values are still stored";
    EXPECT_EQ(back.DefStartupList, "");

    // Nothing reaches a store whose file cannot be written.
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder.reg");
    RegFileStore onFolder(dir.path() / "folder.reg");
    EXPECT_EQ(WriteSettings(onFolder, Version1, settings, {}), "WindowState");
    dir.write("file", "");
    RegFileStore underFile(dir.path() / "file" / "s.reg");
    EXPECT_EQ(WriteSettings(underFile, Version1, {}, {}), "WindowState");
    EXPECT_EQ(FailedToSetDataMessage("WindowState"), "Failed to set data for 'WindowState'");
}

TEST(SettingsForExit, ReloadLastOpenListTakesTheOpenListsName)
{
    Settings settings;
    settings.DefStartupList = "OLD.LST";
    EXPECT_EQ(SettingsForExit(settings, "NEW.LST").DefStartupList, "OLD.LST");
    settings.ReloadLastOpenList = true;
    EXPECT_EQ(SettingsForExit(settings, "NEW.LST").DefStartupList, "NEW.LST");
    EXPECT_EQ(SettingsForExit(settings, "").DefStartupList, "");
}

} // namespace
} // namespace zelt::test
