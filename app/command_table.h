#pragma once

#include <span>
#include <string_view>

namespace zelt {

// The commands in the order of the command list.
enum class CommandId {
    FileClose,
    FileSave,
    FilePrint,
    FileExit,
    EditCopy,
    EditSelectAll,
    EditCopyTopic,
    SearchFind,
    SearchSearchAgain,
    SearchTopicTexts,
    SearchGoTo,
    SearchBack,
    SearchForward,
    OptionsZoomTopic,
    OptionsUnzoomTopic,
    OptionsUpdateTopicTitles,
    HeaderTopicsHeaderDefWidth,
    OptionsConfiguration,
    HelpHelpIndex,
    HelpAbout,
    ViewPrev,
    ViewNext,
};

inline constexpr std::size_t CommandCount = 22;

// Indexes into the list of 16 x 16 glyphs; 11 to 15 belong to no command.
namespace glyph {
inline constexpr int None = -1;
inline constexpr int OpenList = 0;
inline constexpr int Save = 1;
inline constexpr int Print = 2;
inline constexpr int Copy = 3;
inline constexpr int SelectAll = 4;
inline constexpr int Find = 5;
inline constexpr int SearchAgain = 6;
inline constexpr int Zoom = 7;
inline constexpr int Configuration = 8;
inline constexpr int PreviousTopic = 9;
inline constexpr int NextTopic = 10;
inline constexpr int Count = 16;
} // namespace glyph

// How a command is presented. Shortcuts are in the portable "Ctrl+Shift+C"
// form; empty texts mean none.
struct CommandInfo {
    CommandId id;
    std::string_view name;       // "FileSaveCmd"
    std::string_view category;   // group of the command list: "File"
    std::string_view caption;    // "&Save Topic..."
    std::string_view tooltip;    // short part of the hint
    std::string_view statusText; // long part of the hint, shown in the status bar
    std::string_view shortcut;
    int glyph = glyph::None;
};

std::span<const CommandInfo> CommandTable();
const CommandInfo& CommandInfoOf(CommandId id);
// Nothing when no command has that name.
const CommandInfo* FindCommand(std::string_view name);

} // namespace zelt
