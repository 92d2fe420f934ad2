#include "settings/settings_store.h"
#include "tests/ui/ui_fixture.h"
#include "ui/form_main.h"
#include "ui/tool_bar_bands.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QToolBar>

namespace zelt::test {
namespace {

using ExitTest = UiTest;

int StoredNumber(const std::string& key, std::string_view name)
{
    const auto value = UiTest::StoredValueOf(key, name);
    return value ? static_cast<int>(std::get<Dword>(*value).value) : -1;
}

TEST_F(ExitTest, NoToTheExitQuestionKeepsTheWindowAndSavesNothing)
{
    StoreValue(ConfigKey(), "AskExit", Dword{1});
    const std::string before = ReadBytes(settingsFile());
    start();

    m_messages.confirmAnswers = {false};
    EXPECT_FALSE(closeWindow());
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(m_messages.shown[0].title, "Confirm");
    EXPECT_EQ(m_messages.shown[0].text, "Exit ZELT Viewer ?");
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(ReadBytes(settingsFile()), before);

    m_messages.confirmAnswers = {true};
    EXPECT_TRUE(closeWindow());
    EXPECT_NE(ReadBytes(settingsFile()), before);
}

TEST_F(ExitTest, NormalExitWritesEverySettingAndTheOpenList)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    StoreValue(ConfigKey(), "ReloadLastOpenList", Dword{1});
    start({"SMALL.LST"});
    EXPECT_TRUE(closeWindow());
    EXPECT_TRUE(m_messages.shown.empty());

    const auto startupList = StoredValueOf(ConfigKey(), "DefStartupList");
    ASSERT_TRUE(startupList);
    EXPECT_EQ(std::get<Text>(*startupList).value, "SMALL.LST");
    EXPECT_EQ(StoredNumber(LayoutKey(), "WindowState"), 2);
    EXPECT_EQ(StoredNumber(LayoutKey(), "TopicsColWidth"), 140);
    EXPECT_EQ(StoredNumber(LayoutKey(), "CoolBar.Bands[0].ID"), 0);
    EXPECT_EQ(StoredNumber(ConfigKey(), "CurrentTopic.Font.Size"), 8);
    EXPECT_EQ(StoredNumber(ConfigKey(), "OnlyParseLST"), 1);
}

TEST_F(ExitTest, ConfigNoSaveAndNoRegistryLeaveTheStoreAlone)
{
    for (const char* option : {"-CONFIGNOSAVE", "/noregistry"}) {
        start({option});
        EXPECT_TRUE(closeWindow());
        m_run.reset();
        EXPECT_FALSE(std::filesystem::exists(settingsFile())) << option;
    }
}

TEST_F(ExitTest, StoredBandOrderIsRestoredAndWrittenBack)
{
    StoreValue(LayoutKey(), "CoolBar.Bands[0].ID", Dword{1});
    StoreValue(LayoutKey(), "CoolBar.Bands[1].Break", Dword{1});
    start();
    QToolBar* categories = window().findChild<QToolBar*>("ToolBarCategories");
    QToolBar* tools = window().findChild<QToolBar*>("ToolBar");
    ASSERT_NE(categories, nullptr);
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(window().toolBarBreak(categories));
    EXPECT_LT(tools->geometry().y(), categories->geometry().y());

    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(StoredNumber(LayoutKey(), "CoolBar.Bands[0].ID"), 1);
    EXPECT_EQ(StoredNumber(LayoutKey(), "CoolBar.Bands[1].Break"), 1);
}

TEST_F(ExitTest, ADoubleClickedBandTakesItsRowAndTheWidthsAreStored)
{
    start();
    QApplication::processEvents();
    auto* categories = window().findChild<ToolBarBand*>("ToolBarCategories");
    auto* tools = window().findChild<ToolBarBand*>("ToolBar");
    ASSERT_NE(categories, nullptr);
    ASSERT_NE(tools, nullptr);
    ASSERT_EQ(categories->y(), tools->y());
    const int row = categories->width() + tools->width();
    ASSERT_EQ(row, window().width());
    const auto doubleClick = [](ToolBarBand* band) {
        // On the band's handle, beside its buttons.
        QTest::mouseDClick(band, Qt::LeftButton, {}, QPoint(3, band->height() / 2));
        QApplication::processEvents();
    };

    doubleClick(categories);
    EXPECT_EQ(tools->width(), tools->minimumSizeHint().width());
    EXPECT_EQ(categories->width(), row - tools->width());
    EXPECT_EQ(tools->x(), categories->x() + categories->width());

    doubleClick(tools);
    EXPECT_EQ(categories->width(), 86);
    EXPECT_EQ(tools->width(), row - 86);
    EXPECT_EQ(categories->y(), tools->y());

    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(StoredNumber(LayoutKey(), "ToolBarCategories.Width"), 86);
    EXPECT_EQ(StoredNumber(LayoutKey(), "ToolBar.Width"), row - 86);
}

TEST_F(ExitTest, UnreadableSettingsStartWithDefaultsAndAreKeptAside)
{
    // Binary junk, a file cut short and hand-edited values of the wrong type.
    const std::string wrongTypes =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + LayoutKey() +
        "]\r\n\"WindowState\"=\"normal\"\r\n\"BoundsRect\"=hex:01,02\r\n";
    const std::string broken[] = {std::string("\x00\xFF\x13junk\x1A", 8),
                                  "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Soft", wrongTypes};
    for (const std::string& bytes : broken) {
        std::filesystem::create_directories(settingsFile().parent_path());
        WriteBytes(settingsFile(), bytes);
        start();
        EXPECT_TRUE(window().isMaximized());
        EXPECT_TRUE(m_messages.shown.empty());
        EXPECT_TRUE(closeWindow());
        m_run.reset();
        EXPECT_EQ(StoredNumber(LayoutKey(), "WindowState"), 2);
        const auto aside = settingsFile().string() + ".broken";
        if (bytes != wrongTypes) {
            // Nothing a user wrote is lost: the unreadable file stands aside.
            EXPECT_EQ(ReadBytes(aside), bytes);
        }
        std::filesystem::remove(aside);
        std::filesystem::remove(settingsFile());
    }
}

TEST_F(ExitTest, AFailedWriteIsReportedAndTheProgramStillEnds)
{
    start();
    // A folder where the settings file belongs cannot be replaced.
    std::filesystem::create_directories(settingsFile());
    EXPECT_TRUE(closeWindow());
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, "Failed to set data for 'WindowState'");
}

} // namespace
} // namespace zelt::test
