#pragma once

#include "settings/settings.h"

#include <string>
#include <string_view>

namespace zelt {

// The topic view's font as the configuration dialog edits it.
struct TopicFont {
    std::string name;
    int size = 8;

    friend bool operator==(const TopicFont&, const TopicFont&) = default;
};

// What "Use default font" stands for.
inline constexpr std::string_view DefaultFontName = "Courier New";
inline constexpr int DefaultFontSize = 8;
TopicFont DefaultTopicFont();

// The sizes the font dialog offers, in points.
inline constexpr int MinimumFontSize = 5;
inline constexpr int MaximumFontSize = 20;
int FontDialogSize(int points) noexcept;

enum class StartupChoice { None, LastOpenedList, Custom };
enum class IndexFileChoice { UseAndUpdate, UseExistingDontUpdate, DontUse };

// What the controls of the configuration dialog hold.
struct ConfigControls {
    std::string defStartupDir;
    StartupChoice startup = StartupChoice::None;
    std::string defStartupList;
    bool askExit = false;
    bool showPrintDialog = false;
    bool displayAllLists = false;
    bool singleClickView = false;
    bool doubleClickZoom = false;
    bool enableSeeAlsoMenu = false;
    bool topicFormatting = false;
    bool showCategoryChar = false;
    bool useDefaultFont = false;
    TopicFont chosenFont;
    bool wysiwygPrint = false;
    IndexFileChoice indexFiles = IndexFileChoice::UseAndUpdate;
    bool onlyParseLst = false;

    friend bool operator==(const ConfigControls&, const ConfigControls&) = default;
};

// The controls as a show of the dialog fills them: the last opened list wins
// over a custom one, whose field stays empty then.
ConfigControls LoadConfigControls(const Settings& settings, const TopicFont& viewFont);

// The list field and its browse button follow "Custom"; the font button is
// usable while "Use default font" is off.
constexpr bool StartupListEnabled(StartupChoice choice) noexcept
{
    return choice == StartupChoice::Custom;
}
constexpr bool FontButtonEnabled(bool useDefaultFont) noexcept
{
    return !useDefaultFont;
}

// The file system as applying the dialog sees it; names are the core's bytes.
class ConfigFileSystem {
public:
    virtual ~ConfigFileSystem() = default;
    virtual bool isDirectory(const std::string& name) const = 0;
    virtual bool isFile(const std::string& name) const = 0;
    // False when the folder cannot become the current directory.
    virtual bool setCurrentDirectory(const std::string& name) = 0;
    virtual std::string currentDirectory() const = 0;
};

// The process's own file system and current directory.
class LocalConfigFileSystem final : public ConfigFileSystem {
public:
    bool isDirectory(const std::string& name) const override;
    bool isFile(const std::string& name) const override;
    bool setCurrentDirectory(const std::string& name) override;
    std::string currentDirectory() const override;
};

// What the window has to redo after the settings changed.
struct ConfigEffects {
    bool rebuildListMenu = false;
    bool repaintGrid = false;
    bool fontChanged = false;
    // Only while a topic is shown.
    bool reloadTopic = false;

    friend bool operator==(const ConfigEffects&, const ConfigEffects&) = default;
};

struct ConfigApplied {
    Settings settings;
    TopicFont viewFont;
    // The folder the List menu lists, ending in a separator.
    std::string listDirectory;
    ConfigEffects effects;
};

// OK of the dialog: the controls into the settings and the view font, in the
// order that makes the lists folder the current directory (the program's
// folder when the named one does not exist) before the List menu is judged.
// A custom start-up list that does not exist leaves none.
ConfigApplied ApplyConfigControls(const ConfigControls& controls, Settings settings,
                                  const TopicFont& viewFont, bool topicShown,
                                  const std::string& programFolder, ConfigFileSystem& files);

} // namespace zelt
