#include "app/configuration.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace zelt {
namespace {

// The List menu's folder ends in the system's own separator.
const std::string Separator(1, static_cast<char>(std::filesystem::path::preferred_separator));

// Folders and files by name; the current directory as the system would
// report it (symbolic names resolved), here upper-cased.
class FakeFileSystem final : public ConfigFileSystem {
public:
    bool isDirectory(const std::string& name) const override { return folders.contains(name); }
    bool isFile(const std::string& name) const override { return files.contains(name); }
    bool setCurrentDirectory(const std::string& name) override
    {
        if (!folders.contains(name) || locked.contains(name))
            return false;
        std::string reported = name;
        for (char& c : reported)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        current = reported;
        return true;
    }
    std::string currentDirectory() const override { return current; }

    std::set<std::string> folders{"/prog", "/lists", "/other"};
    std::set<std::string> files{"/lists/INTERRUP.LST"};
    std::set<std::string> locked;
    std::string current = "/START";
};

const TopicFont ViewFont{"MS Sans Serif", 8};

struct ApplyCase : ::testing::Test {
    ConfigApplied apply(const ConfigControls& controls, bool topicShown = true)
    {
        return ApplyConfigControls(controls, settings, viewFont, topicShown, "/prog", files);
    }
    // The dialog opened and closed with OK, nothing changed by the user.
    ConfigControls unchanged() const { return LoadConfigControls(settings, viewFont); }

    Settings settings = [] {
        Settings s;
        s.DefStartupDir = "/LISTS";
        return s;
    }();
    TopicFont viewFont = ViewFont;
    FakeFileSystem files = [] {
        FakeFileSystem f;
        f.folders.insert("/LISTS");
        f.current = "/LISTS";
        return f;
    }();
};

TEST(ConfigLoad, StartupChoiceLastOpenedWinsAndCustomFillsTheField)
{
    Settings settings;
    settings.ReloadLastOpenList = true;
    settings.DefStartupList = "/lists/INTERRUP.LST";
    ConfigControls controls = LoadConfigControls(settings, ViewFont);
    EXPECT_EQ(controls.startup, StartupChoice::LastOpenedList);
    EXPECT_EQ(controls.defStartupList, "");
    EXPECT_FALSE(StartupListEnabled(controls.startup));

    settings.ReloadLastOpenList = false;
    controls = LoadConfigControls(settings, ViewFont);
    EXPECT_EQ(controls.startup, StartupChoice::Custom);
    EXPECT_EQ(controls.defStartupList, "/lists/INTERRUP.LST");
    EXPECT_TRUE(StartupListEnabled(controls.startup));

    settings.DefStartupList.clear();
    controls = LoadConfigControls(settings, ViewFont);
    EXPECT_EQ(controls.startup, StartupChoice::None);
    EXPECT_EQ(controls.defStartupList, "");
}

TEST(ConfigLoad, EverySettingReachesItsControl)
{
    Settings settings;
    settings.DefStartupDir = "/lists";
    settings.AskExit = true;
    settings.ShowPrintDialog = false;
    settings.DisplayAllLists = true;
    settings.SingleClickView = false;
    settings.DoubleClickZoom = true;
    settings.EnabledSeeAlsoMenu = false;
    settings.TopicFormatting = false;
    settings.ShowCategoryChar = false;
    settings.OnlyParseLST = false;
    settings.WYSIWYGPrint = true;
    const ConfigControls c = LoadConfigControls(settings, ViewFont);
    EXPECT_EQ(c.defStartupDir, "/lists");
    EXPECT_TRUE(c.askExit);
    EXPECT_FALSE(c.showPrintDialog);
    EXPECT_TRUE(c.displayAllLists);
    EXPECT_FALSE(c.singleClickView);
    EXPECT_TRUE(c.doubleClickZoom);
    EXPECT_FALSE(c.enableSeeAlsoMenu);
    EXPECT_FALSE(c.topicFormatting);
    EXPECT_FALSE(c.showCategoryChar);
    EXPECT_FALSE(c.onlyParseLst);
    EXPECT_TRUE(c.wysiwygPrint);
    EXPECT_EQ(c.chosenFont, ViewFont);

    const ConfigControls defaults = LoadConfigControls(Settings{}, ViewFont);
    EXPECT_FALSE(defaults.askExit);
    EXPECT_TRUE(defaults.showPrintDialog);
    EXPECT_TRUE(defaults.singleClickView);
    EXPECT_TRUE(defaults.enableSeeAlsoMenu);
    EXPECT_TRUE(defaults.topicFormatting);
    EXPECT_TRUE(defaults.showCategoryChar);
    EXPECT_TRUE(defaults.onlyParseLst);
    EXPECT_FALSE(defaults.wysiwygPrint);
}

TEST(ConfigLoad, IndexModeGivesOneRadioWithDontUseFirst)
{
    Settings settings;
    EXPECT_EQ(LoadConfigControls(settings, ViewFont).indexFiles, IndexFileChoice::UseAndUpdate);
    settings.DontUseIndexFile = true;
    EXPECT_EQ(LoadConfigControls(settings, ViewFont).indexFiles,
              IndexFileChoice::UseExistingDontUpdate);
    settings.LoadTopicsDirect = true;
    EXPECT_EQ(LoadConfigControls(settings, ViewFont).indexFiles, IndexFileChoice::DontUse);
}

TEST(ConfigLoad, DefaultFontOnlyForExactlyCourierNewEight)
{
    const auto useDefault = [](TopicFont font) {
        return LoadConfigControls(Settings{}, font).useDefaultFont;
    };
    EXPECT_TRUE(useDefault({"Courier New", 8}));
    EXPECT_FALSE(useDefault({"Courier New", 10}));
    EXPECT_FALSE(useDefault({"courier new", 8}));
    EXPECT_FALSE(useDefault({"MS Sans Serif", 8}));
    EXPECT_FALSE(FontButtonEnabled(true));
    EXPECT_TRUE(FontButtonEnabled(false));
}

TEST(FontDialogSizes, HeldBetweenFiveAndTwenty)
{
    EXPECT_EQ(FontDialogSize(8), 8);
    EXPECT_EQ(FontDialogSize(5), 5);
    EXPECT_EQ(FontDialogSize(20), 20);
    EXPECT_EQ(FontDialogSize(4), 5);
    EXPECT_EQ(FontDialogSize(-1), 5);
    EXPECT_EQ(FontDialogSize(72), 20);
}

TEST_F(ApplyCase, OkWithoutChangesKeepsEverythingAndRedoesNothing)
{
    const ConfigApplied applied = apply(unchanged());
    EXPECT_EQ(applied.settings, settings);
    EXPECT_EQ(applied.viewFont, viewFont);
    EXPECT_EQ(applied.effects, ConfigEffects{});
    EXPECT_EQ(applied.listDirectory, "/LISTS" + Separator);
}

TEST_F(ApplyCase, ExistingListsFolderBecomesCurrentAsTheSystemReportsIt)
{
    ConfigControls controls = unchanged();
    controls.defStartupDir = "/other";
    const ConfigApplied applied = apply(controls);
    EXPECT_EQ(files.current, "/OTHER");
    EXPECT_EQ(applied.settings.DefStartupDir, "/OTHER");
    EXPECT_EQ(applied.listDirectory, "/OTHER" + Separator);
    EXPECT_TRUE(applied.effects.rebuildListMenu);
    EXPECT_FALSE(applied.effects.repaintGrid);
    EXPECT_FALSE(applied.effects.reloadTopic);
}

TEST_F(ApplyCase, MissingOrEmptyListsFolderClearsItAndGoesToTheProgramFolder)
{
    for (const std::string typed : {"/gone", ""}) {
        files.current = "/LISTS";
        ConfigControls controls = unchanged();
        controls.defStartupDir = typed;
        const ConfigApplied applied = apply(controls);
        EXPECT_EQ(applied.settings.DefStartupDir, "") << typed;
        EXPECT_EQ(files.current, "/PROG") << typed;
        EXPECT_EQ(applied.listDirectory, "/PROG" + Separator) << typed;
        EXPECT_TRUE(applied.effects.rebuildListMenu) << typed;
    }
}

TEST_F(ApplyCase, FolderThatCannotBeEnteredCountsAsMissing)
{
    files.locked.insert("/other");
    ConfigControls controls = unchanged();
    controls.defStartupDir = "/other";
    const ConfigApplied applied = apply(controls);
    EXPECT_EQ(applied.settings.DefStartupDir, "");
    EXPECT_EQ(files.current, "/PROG");
}

TEST_F(ApplyCase, SameFolderTypedDifferentlyRebuildsWhenTheReportedNameDiffers)
{
    settings.DefStartupDir = "/lists";
    ConfigControls controls = unchanged();
    const ConfigApplied applied = apply(controls);
    EXPECT_EQ(applied.settings.DefStartupDir, "/LISTS");
    EXPECT_TRUE(applied.effects.rebuildListMenu);
}

TEST_F(ApplyCase, StartupChoices)
{
    ConfigControls controls = unchanged();
    controls.startup = StartupChoice::LastOpenedList;
    controls.defStartupList = "/lists/INTERRUP.LST";
    Settings s = apply(controls).settings;
    EXPECT_TRUE(s.ReloadLastOpenList);
    EXPECT_EQ(s.DefStartupList, "");

    controls.startup = StartupChoice::Custom;
    s = apply(controls).settings;
    EXPECT_FALSE(s.ReloadLastOpenList);
    EXPECT_EQ(s.DefStartupList, "/lists/INTERRUP.LST");

    controls.startup = StartupChoice::None;
    settings.DefStartupList = "/lists/INTERRUP.LST";
    settings.ReloadLastOpenList = true;
    s = apply(controls).settings;
    EXPECT_FALSE(s.ReloadLastOpenList);
    EXPECT_EQ(s.DefStartupList, "");
}

TEST_F(ApplyCase, MissingCustomListLeavesNoneForTheNextShow)
{
    ConfigControls controls = unchanged();
    controls.startup = StartupChoice::Custom;
    controls.defStartupList = "/lists/GONE.LST";
    const Settings s = apply(controls).settings;
    EXPECT_EQ(s.DefStartupList, "");
    EXPECT_FALSE(s.ReloadLastOpenList);
    EXPECT_EQ(LoadConfigControls(s, viewFont).startup, StartupChoice::None);
}

TEST_F(ApplyCase, PlainFlagsChangeNothingOnScreen)
{
    ConfigControls controls = unchanged();
    controls.askExit = true;
    controls.showPrintDialog = false;
    controls.singleClickView = false;
    controls.doubleClickZoom = true;
    controls.wysiwygPrint = true;
    controls.onlyParseLst = false;
    const ConfigApplied applied = apply(controls);
    EXPECT_TRUE(applied.settings.AskExit);
    EXPECT_FALSE(applied.settings.ShowPrintDialog);
    EXPECT_FALSE(applied.settings.SingleClickView);
    EXPECT_TRUE(applied.settings.DoubleClickZoom);
    EXPECT_TRUE(applied.settings.WYSIWYGPrint);
    EXPECT_FALSE(applied.settings.OnlyParseLST);
    EXPECT_EQ(applied.effects, ConfigEffects{});
}

TEST_F(ApplyCase, IndexFileRadiosSetAtMostOneFlag)
{
    ConfigControls controls = unchanged();
    const auto flags = [&](IndexFileChoice choice) {
        controls.indexFiles = choice;
        const ConfigApplied applied = apply(controls);
        EXPECT_EQ(applied.effects, ConfigEffects{});
        return std::pair{applied.settings.DontUseIndexFile, applied.settings.LoadTopicsDirect};
    };
    EXPECT_EQ(flags(IndexFileChoice::UseAndUpdate), std::pair(false, false));
    EXPECT_EQ(flags(IndexFileChoice::UseExistingDontUpdate), std::pair(true, false));
    EXPECT_EQ(flags(IndexFileChoice::DontUse), std::pair(false, true));
    // Both flags set by a command line come back as one.
    settings.DontUseIndexFile = true;
    settings.LoadTopicsDirect = true;
    const ConfigApplied applied = apply(unchanged());
    EXPECT_FALSE(applied.settings.DontUseIndexFile);
    EXPECT_TRUE(applied.settings.LoadTopicsDirect);
}

TEST_F(ApplyCase, DisplayAllListsRebuildsTheListMenuOnly)
{
    ConfigControls controls = unchanged();
    controls.displayAllLists = true;
    const ConfigApplied applied = apply(controls);
    EXPECT_TRUE(applied.settings.DisplayAllLists);
    EXPECT_EQ(applied.effects, (ConfigEffects{true, false, false, false}));
}

TEST_F(ApplyCase, CategoryCharacterRepaintsTheGridOnly)
{
    ConfigControls controls = unchanged();
    controls.showCategoryChar = false;
    const ConfigApplied applied = apply(controls);
    EXPECT_FALSE(applied.settings.ShowCategoryChar);
    EXPECT_EQ(applied.effects, (ConfigEffects{false, true, false, false}));
}

TEST_F(ApplyCase, FormattingAndSeeAlsoReloadTheShownTopic)
{
    for (const auto change :
         {&ConfigControls::topicFormatting, &ConfigControls::enableSeeAlsoMenu}) {
        ConfigControls controls = unchanged();
        controls.*change = !(controls.*change);
        EXPECT_EQ(apply(controls).effects, (ConfigEffects{false, false, false, true}));
        EXPECT_EQ(apply(controls, false).effects, ConfigEffects{});
    }
}

TEST_F(ApplyCase, FontChangeRepaintsAndReloadsButLoadsNothingWithoutATopic)
{
    ConfigControls controls = unchanged();
    controls.chosenFont = {"DejaVu Sans Mono", 10};
    ConfigApplied applied = apply(controls);
    EXPECT_EQ(applied.viewFont, (TopicFont{"DejaVu Sans Mono", 10}));
    EXPECT_EQ(applied.effects, (ConfigEffects{false, true, true, true}));

    applied = apply(controls, false);
    EXPECT_EQ(applied.viewFont, (TopicFont{"DejaVu Sans Mono", 10}));
    EXPECT_EQ(applied.effects, (ConfigEffects{false, true, true, false}));

    controls.chosenFont = {"MS Sans Serif", 9};
    EXPECT_TRUE(apply(controls).effects.fontChanged);
}

TEST_F(ApplyCase, UseDefaultFontOverridesTheChosenFont)
{
    viewFont = {"Courier New", 10};
    ConfigControls controls = unchanged();
    EXPECT_FALSE(controls.useDefaultFont);
    controls.useDefaultFont = true;
    ConfigApplied applied = apply(controls);
    EXPECT_EQ(applied.viewFont, DefaultTopicFont());
    EXPECT_TRUE(applied.effects.reloadTopic);

    viewFont = DefaultTopicFont();
    controls = unchanged();
    EXPECT_TRUE(controls.useDefaultFont);
    controls.chosenFont = {"Liberation Mono", 12};
    applied = apply(controls);
    EXPECT_EQ(applied.viewFont, DefaultTopicFont());
    EXPECT_EQ(applied.effects, ConfigEffects{});
}

TEST(ConfigFileSystemOnDisk, FolderBecomesTheCurrentDirectory)
{
    test::TempDir dir;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::create_directories(dir.path() / "lists");
    dir.write("lists/INTERRUP.LST", "x");
    LocalConfigFileSystem files;
    EXPECT_TRUE(files.isDirectory(dir.file("lists")));
    EXPECT_FALSE(files.isDirectory(dir.file("lists/INTERRUP.LST")));
    EXPECT_FALSE(files.isDirectory(""));
    EXPECT_TRUE(files.isFile(dir.file("lists/INTERRUP.LST")));
    EXPECT_FALSE(files.isFile(dir.file("lists")));

    ConfigControls controls = LoadConfigControls(Settings{}, ViewFont);
    controls.defStartupDir = dir.file("lists");
    const ConfigApplied applied =
        ApplyConfigControls(controls, Settings{}, ViewFont, false, before.string(), files);
    EXPECT_EQ(std::filesystem::path(applied.settings.DefStartupDir),
              std::filesystem::canonical(dir.path() / "lists"));
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir.path() / "lists"));
    EXPECT_EQ(applied.listDirectory.back(),
              static_cast<char>(std::filesystem::path::preferred_separator));
    std::filesystem::current_path(before);
}

} // namespace
} // namespace zelt
