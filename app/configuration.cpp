#include "app/configuration.h"

#include "app/startup_list.h"
#include "base/file_io.h"

#include <algorithm>
#include <filesystem>

namespace zelt {

TopicFont DefaultTopicFont()
{
    return TopicFont{std::string(DefaultFontName), DefaultFontSize};
}

int FontDialogSize(int points) noexcept
{
    return std::clamp(points, MinimumFontSize, MaximumFontSize);
}

ConfigControls LoadConfigControls(const Settings& settings, const TopicFont& viewFont)
{
    ConfigControls controls;
    controls.defStartupDir = settings.DefStartupDir;
    if (settings.ReloadLastOpenList) {
        controls.startup = StartupChoice::LastOpenedList;
    } else if (!settings.DefStartupList.empty()) {
        controls.startup = StartupChoice::Custom;
        controls.defStartupList = settings.DefStartupList;
    }
    controls.askExit = settings.AskExit;
    controls.showPrintDialog = settings.ShowPrintDialog;
    controls.displayAllLists = settings.DisplayAllLists;
    controls.singleClickView = settings.SingleClickView;
    controls.doubleClickZoom = settings.DoubleClickZoom;
    controls.enableSeeAlsoMenu = settings.EnabledSeeAlsoMenu;
    controls.topicFormatting = settings.TopicFormatting;
    controls.showCategoryChar = settings.ShowCategoryChar;
    controls.onlyParseLst = settings.OnlyParseLST;
    controls.wysiwygPrint = settings.WYSIWYGPrint;
    controls.indexFiles = settings.LoadTopicsDirect   ? IndexFileChoice::DontUse
                          : settings.DontUseIndexFile ? IndexFileChoice::UseExistingDontUpdate
                                                      : IndexFileChoice::UseAndUpdate;
    controls.chosenFont = viewFont;
    // Exact comparison: "courier new" is not the default font.
    controls.useDefaultFont = viewFont == DefaultTopicFont();
    return controls;
}

bool LocalConfigFileSystem::isDirectory(const std::string& name) const
{
    return IsExistingFolder(name);
}

bool LocalConfigFileSystem::isFile(const std::string& name) const
{
    return IsExistingFile(name);
}

bool LocalConfigFileSystem::setCurrentDirectory(const std::string& name)
{
    std::error_code error;
    std::filesystem::current_path(PathFromBytes(name), error);
    return !error;
}

std::string LocalConfigFileSystem::currentDirectory() const
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : BytesFromPath(folder);
}

namespace {

// Steps 1 to 3: the lists folder becomes the current directory, or the
// program's folder does and the setting is cleared.
bool ApplyListsFolder(const std::string& typed, Settings& settings,
                      const std::string& programFolder, ConfigFileSystem& files)
{
    const std::string old = settings.DefStartupDir;
    if (files.isDirectory(typed) && files.setCurrentDirectory(typed)) {
        settings.DefStartupDir = files.currentDirectory();
    } else {
        settings.DefStartupDir.clear();
        files.setCurrentDirectory(programFolder);
    }
    return settings.DefStartupDir != old;
}

void ApplyStartupChoice(const ConfigControls& controls, Settings& settings,
                        const ConfigFileSystem& files)
{
    settings.ReloadLastOpenList = false;
    settings.DefStartupList.clear();
    if (controls.startup == StartupChoice::LastOpenedList)
        settings.ReloadLastOpenList = true;
    if (controls.startup == StartupChoice::Custom && files.isFile(controls.defStartupList))
        settings.DefStartupList = controls.defStartupList;
}

} // namespace

ConfigApplied ApplyConfigControls(const ConfigControls& controls, Settings settings,
                                  const TopicFont& viewFont, bool topicShown,
                                  const std::string& programFolder, ConfigFileSystem& files)
{
    ConfigApplied applied;
    bool reload = false;
    applied.effects.rebuildListMenu =
        ApplyListsFolder(controls.defStartupDir, settings, programFolder, files);
    ApplyStartupChoice(controls, settings, files);

    const bool oldFormatting = settings.TopicFormatting;
    const bool oldSeeAlso = settings.EnabledSeeAlsoMenu;
    settings.AskExit = controls.askExit;
    settings.ShowPrintDialog = controls.showPrintDialog;
    settings.SingleClickView = controls.singleClickView;
    settings.DoubleClickZoom = controls.doubleClickZoom;
    settings.EnabledSeeAlsoMenu = controls.enableSeeAlsoMenu;
    settings.TopicFormatting = controls.topicFormatting;
    settings.WYSIWYGPrint = controls.wysiwygPrint;
    if (controls.displayAllLists != settings.DisplayAllLists) {
        settings.DisplayAllLists = controls.displayAllLists;
        applied.effects.rebuildListMenu = true;
    }
    if (controls.showCategoryChar != settings.ShowCategoryChar) {
        settings.ShowCategoryChar = controls.showCategoryChar;
        applied.effects.repaintGrid = true;
    }
    settings.DontUseIndexFile = controls.indexFiles == IndexFileChoice::UseExistingDontUpdate;
    settings.LoadTopicsDirect = controls.indexFiles == IndexFileChoice::DontUse;
    settings.OnlyParseLST = controls.onlyParseLst;

    const TopicFont chosen = controls.useDefaultFont ? DefaultTopicFont() : controls.chosenFont;
    applied.viewFont = viewFont;
    if (chosen != viewFont) {
        applied.viewFont = chosen;
        applied.effects.fontChanged = true;
        applied.effects.repaintGrid = true;
        reload = true;
    }
    if (settings.TopicFormatting != oldFormatting || settings.EnabledSeeAlsoMenu != oldSeeAlso)
        reload = true;

    applied.listDirectory = ListDirectoryOf(PathFromBytes(files.currentDirectory()));
    applied.effects.reloadTopic = reload && topicShown;
    applied.settings = std::move(settings);
    return applied;
}

} // namespace zelt
