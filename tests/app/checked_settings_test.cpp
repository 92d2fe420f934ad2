#include "app/checked_settings.h"
#include "settings/reg_file_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

const std::string LayoutKey = "[HKEY_CURRENT_USER\\Software\\Vantrel\\ZELT Viewer\\1\\Layout]";
const std::string ConfigKey = "[HKEY_CURRENT_USER\\Software\\Vantrel\\ZELT Viewer\\1\\Config]";

struct Checked {
    Settings settings;
    StoredLayout layout;
};

Checked ReadFrom(std::initializer_list<std::string_view> layoutValues, std::string_view fontSize)
{
    TempDir dir;
    std::string text = "REGEDIT4\r\n\r\n" + LayoutKey + "\r\n" + DosLines(layoutValues) + "\r\n" +
                       ConfigKey + "\r\n" + std::string(fontSize) + "\r\n";
    RegFileStore store(dir.write("settings.reg", text));
    Checked checked;
    ReadCheckedSettings(store, ParseProgramVersion("1.0"), checked.settings, checked.layout,
                        Size{1024, 768});
    return checked;
}

TEST(CheckedSettings, NumbersBeyondWhatCanBeDrawnAreHeldToTheirRange)
{
    Checked high =
        ReadFrom({"\"TopicsColWidth\"=dword:7fffffff", "\"ToolBarCategories.Width\"=dword:7fffffff",
                  "\"ToolBar.Width\"=dword:7fffffff",
                  "\"TopicsHeightPerc\"=hex:00,00,00,00,00,00,f0,7f"}, // +inf
                 "\"CurrentTopic.Font.Size\"=dword:7fffffff");
    EXPECT_EQ(high.settings.TopicsColWidth, 1024);
    EXPECT_EQ(high.layout.ToolBarCategoriesWidth, 1024);
    EXPECT_EQ(high.layout.ToolBarWidth, 1024);
    EXPECT_EQ(high.settings.TopicsHeightPerc, 1.0);
    EXPECT_EQ(high.layout.CurrentTopicFontSize, 20);

    Checked low =
        ReadFrom({"\"TopicsColWidth\"=dword:80000000", "\"ToolBarCategories.Width\"=dword:ffffffff",
                  "\"ToolBar.Width\"=dword:80000000",
                  "\"TopicsHeightPerc\"=hex:00,00,00,00,00,00,f0,bf"}, // -1
                 "\"CurrentTopic.Font.Size\"=dword:80000000");
    EXPECT_EQ(low.settings.TopicsColWidth, 0);
    EXPECT_EQ(low.layout.ToolBarCategoriesWidth, 0);
    EXPECT_EQ(low.layout.ToolBarWidth, 0);
    EXPECT_EQ(low.settings.TopicsHeightPerc, 0.0);
    EXPECT_EQ(low.layout.CurrentTopicFontSize, 5);

    Checked other = ReadFrom({"\"TopicsColWidth\"=dword:00000096",
                              "\"TopicsHeightPerc\"=hex:00,00,00,00,00,00,f8,7f"}, // NaN
                             "\"CurrentTopic.Font.Size\"=dword:0000000c");
    EXPECT_EQ(other.settings.TopicsColWidth, 150);
    EXPECT_EQ(other.settings.TopicsHeightPerc, 0.5);
    EXPECT_EQ(other.layout.CurrentTopicFontSize, 12);
    EXPECT_EQ(other.layout.ToolBarWidth, std::nullopt);
}

} // namespace
} // namespace zelt::test
