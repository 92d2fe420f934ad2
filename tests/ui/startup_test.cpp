#include "tests/ui/ui_fixture.h"
#include "ui/category_combo_box.h"
#include "ui/command_actions.h"
#include "ui/form_main.h"
#include "ui/main_panel.h"
#include "ui/status_bar_panels.h"
#include "ui/topics_grid.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>

namespace zelt::test {
namespace {

using StartupTest = UiTest;

TEST_F(StartupTest, FirstStartShowsAnEmptyWindowWithTheDesignLayout)
{
    start();
    TFormMain& form = window();
    EXPECT_EQ(form.windowTitle(), "ZELT Viewer");
    EXPECT_TRUE(form.isMaximized());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(panel(i), "") << i;
    // The design's widths, or wider for a font wider than the design's.
    EXPECT_GE(form.statusPanels().panelWidth(0), 170);
    EXPECT_GE(form.statusPanels().panelWidth(1), 60);
    EXPECT_GE(form.statusPanels().panelWidth(2), 60);
    EXPECT_EQ(form.minimumWidth(), 86 + 25);
    EXPECT_EQ(form.minimumHeight(), 180);
    EXPECT_FALSE(form.categoryBox().isEnabled());
    EXPECT_EQ(form.topicsGrid().model()->rowCount(), 0);
    // The header section spans the column and its separator line.
    EXPECT_EQ(form.mainPanel().firstColumnWidth(), 140);
    EXPECT_EQ(form.topicsGrid().horizontalHeader()->sectionSize(0), 141);
    EXPECT_TRUE(m_run->program().mainWindowShown);
    EXPECT_EQ(m_run->program().listDirectory, listsFolder().string() + "/");
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(StartupTest, HelpTopicsExistOnlyWithTheHelpFileBesideTheProgram)
{
    start();
    window().updateCommands();
    QAction* help = window().commandActions().command(CommandId::HelpHelpIndex);
    auto* separator = window().findChild<QAction*>("HelpMenuSeparator1");
    ASSERT_NE(separator, nullptr);
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(separator->isVisible());
    m_run.reset();

    WriteBytes(programFolder() / "ZELTVIEW.HLP", "help");
    start();
    window().updateCommands();
    EXPECT_TRUE(window().commandActions().command(CommandId::HelpHelpIndex)->isVisible());
    EXPECT_TRUE(window().findChild<QAction*>("HelpMenuSeparator1")->isVisible());
}

TEST_F(StartupTest, DataFilesOfTheInstallationServeWhenNoneLieBesideTheProgram)
{
    // The program folder stands for <prefix>/bin, so this is <prefix>/share/zeltview.
    const std::filesystem::path installed = m_temp.path() / "share" / "zeltview";
    std::filesystem::create_directories(installed);
    WriteBytes(installed / "ZELTVIEW.HLP", "help");
    WriteBytes(installed / "CATDESC.INI", "#68=Installed kernel\r\n");
    writeList("SMALL.LST", SmallList());
    start({"SMALL.LST"});
    EXPECT_TRUE(m_run->program().helpFileAvailable);
    EXPECT_EQ(m_run->program().helpFile, installed / "ZELTVIEW.HLP");
    EXPECT_EQ(window().categoryBox().itemText(3), " Installed kernel");
    m_run.reset();

    WriteBytes(programFolder() / "ZELTVIEW.HLP", "help");
    WriteBytes(programFolder() / "CATDESC.INI", "#68=Own kernel\r\n");
    start({"SMALL.LST"});
    EXPECT_EQ(m_run->program().helpFile, programFolder() / "ZELTVIEW.HLP");
    EXPECT_EQ(window().categoryBox().itemText(3), " Own kernel");
}

TEST_F(StartupTest, StoredIndexModeWinsOverASwitchUnlessConfigClearComesFirst)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    StoreValue(ConfigKey(), "LoadTopicsDirect", Dword{1});
    StoreValue(ConfigKey(), "AskExit", Dword{1});

    start({"SMALL.LST", "-INDEXUSE"});
    EXPECT_TRUE(m_run->settings().LoadTopicsDirect);
    EXPECT_EQ(window().loadedList().topicCount(), 4);
    EXPECT_FALSE(std::filesystem::exists(listsFolder() / "SMALL.zeltv"));
    m_run->program().noSaveSettings = true;
    m_run.reset();

    start({"/configclear", "SMALL.LST", "-INDEXUSE"});
    EXPECT_FALSE(m_run->settings().LoadTopicsDirect);
    EXPECT_FALSE(m_run->settings().DontUseIndexFile);
    EXPECT_FALSE(m_run->settings().AskExit);
    EXPECT_TRUE(std::filesystem::exists(listsFolder() / "SMALL.zeltv"));
    EXPECT_FALSE(StoredValueOf(ConfigKey(), "LoadTopicsDirect"));
}

TEST_F(StartupTest, UnknownSwitchWarnsAndIgnoresTheParametersAfterIt)
{
    writeList("FIRST.LST", SmallList());
    writeList("SECOND.LST", SmallList());

    start({"FIRST.LST", "-QUITX", "SECOND.LST", "-CONFIGNOSAVE"});
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(m_messages.shown[0].text, "Unknown commandline parameter(s) !");
    EXPECT_EQ(window().loadedList().files.listFileName, "FIRST.LST");
    EXPECT_FALSE(m_run->program().noSaveSettings);
    EXPECT_FALSE(m_run->quitRequested());
}

TEST_F(StartupTest, QuitOpensTheListThenEndsWithoutSavingOrAsking)
{
    copySample("INTERRUP.LST");
    StoreValue(ConfigKey(), "AskExit", Dword{1});
    const std::string before = ReadBytes(settingsFile());

    start({"PORTS.LST", "INTERRUP.LST", "-quit"});
    EXPECT_TRUE(m_run->quitRequested());
    EXPECT_EQ(window().loadedList().files.listFileName, "INTERRUP.LST");
    EXPECT_TRUE(std::filesystem::exists(listsFolder() / "INTERRUP.zeltv"));
    m_run.reset();
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(ReadBytes(settingsFile()), before);
}

TEST_F(StartupTest, StartupFolderAndListComeFromTheSettings)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    std::filesystem::create_directories(m_temp.path() / "elsewhere");
    std::filesystem::current_path(m_temp.path() / "elsewhere");
    StoreValue(ConfigKey(), "DefStartupDir", Text{listsFolder().string()});
    StoreValue(ConfigKey(), "DefStartupList", Text{list});

    start();
    EXPECT_EQ(std::filesystem::current_path(), listsFolder());
    EXPECT_EQ(window().loadedList().files.listFileName, list);
    EXPECT_EQ(window().windowTitle(), "ZELT Viewer - SMALL.LST");
    auto* entry = window().findChild<QAction*>("ListListFile0");
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isChecked());
    m_run.reset();

    StoreValue(ConfigKey(), "DefStartupDir", Text{(m_temp.path() / "gone").string()});
    StoreValue(ConfigKey(), "DefStartupList", Text{"MISSING.LST"});
    start();
    EXPECT_EQ(m_run->settings().DefStartupDir, "");
    EXPECT_TRUE(m_messages.shown.empty());
    // The missing start-up list is still the list name, so Find is available.
    window().updateCommands();
    EXPECT_TRUE(window().commandActions().command(CommandId::SearchFind)->isEnabled());
    EXPECT_FALSE(window().commandActions().command(CommandId::FileClose)->isEnabled());
    EXPECT_EQ(window().windowTitle(), "ZELT Viewer");
}

TEST_F(StartupTest, TheLastOfTwoListNamesIsOpened)
{
    writeList("ONE.LST", SmallList());
    writeList("TWO.LST", SmallList());
    start({"ONE.LST", "TWO.LST"});
    EXPECT_EQ(window().loadedList().files.listFileName, "TWO.LST");
}

} // namespace
} // namespace zelt::test
