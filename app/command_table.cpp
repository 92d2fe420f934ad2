#include "app/command_table.h"

#include <array>

namespace zelt {

namespace {

using enum CommandId;

constexpr std::array<CommandInfo, CommandCount> Commands{{
    {FileClose, "FileCloseCmd", "File", "&Close List", "Close current list", "Close current list",
     "", glyph::None},
    {FileSave, "FileSaveCmd", "File", "&Save Topic...", "Save", "Save current topic", "Ctrl+S",
     glyph::Save},
    {FilePrint, "FilePrintCmd", "File", "&Print Topic...", "Print", "Print current topic", "Ctrl+P",
     glyph::Print},
    {FileExit, "FileExitCmd", "File", "E&xit", "Exit the program", "Exit the program", "",
     glyph::None},
    {EditCopy, "EditCopyCmd", "Edit", "&Copy", "Copy", "Copy text to clipboard", "Ctrl+C",
     glyph::Copy},
    {EditSelectAll, "EditSelectAllCmd", "Edit", "Select &All", "Select All", "Select all text",
     "Ctrl+A", glyph::SelectAll},
    {EditCopyTopic, "EditCopyTopicCmd", "Edit", "Copy &Topic", "Copy whole topic to clipboard",
     "Copy whole topic to clipboard", "Ctrl+Shift+C", glyph::None},
    {SearchFind, "SearchFindCmd", "Search", "&Find...", "Find", "Find text", "Ctrl+F", glyph::Find},
    {SearchSearchAgain, "SearchSearchAgainCmd", "Search", "&Search Again", "Search Again",
     "Repeat last search", "F3", glyph::SearchAgain},
    {SearchTopicTexts, "SearchTopicTextsCmd", "Search", "Search Topic &Texts...",
     "Search Topic Texts", "Search the text of every topic", "Ctrl+Shift+F", glyph::None},
    {SearchGoTo, "SearchGoToCmd", "Search", "&Go To...", "Go To", "Go to a topic by its reference",
     "Ctrl+G", glyph::None},
    {SearchBack, "SearchBackCmd", "Search", "&Back", "Back", "Back to the topic shown before",
     "Alt+Left", glyph::None},
    {SearchForward, "SearchForwardCmd", "Search", "For&ward", "Forward", "Forward again",
     "Alt+Right", glyph::None},
    {OptionsZoomTopic, "OptionsZoomTopicCmd", "Options", "&Zoom Topic", "Zoom", "Zoom topic", "F5",
     glyph::Zoom},
    {OptionsUnzoomTopic, "OptionsUnzoomTopicCmd", "Options", "&Unzoom Topic", "", "", "Esc",
     glyph::None},
    {OptionsUpdateTopicTitles, "OptionsUpdateTopicTitlesCmd", "Options", "&Update Topic Titles",
     "Update topic titles of current list", "Update topic titles of current list", "", glyph::None},
    {HeaderTopicsHeaderDefWidth, "HeaderTopicsHeaderDefWidthCmd", "Header", "&Default Column Width",
     "Restore the default column width", "Restore the default column width", "", glyph::None},
    {OptionsConfiguration, "OptionsConfigurationCmd", "Options", "&Configuration...",
     "Configure the program", "Configure the program", "", glyph::Configuration},
    {HelpHelpIndex, "HelpHelpIndexCmd", "Help", "&Help Topics...", "Show help topics",
     "Show help topics", "F1", glyph::None},
    {HelpAbout, "HelpAboutCmd", "Help", "&About...", "About this program", "About this program", "",
     glyph::None},
    {ViewPrev, "ViewPrevCmd", "View", "&Previous Topic", "Previous", "Previous topic", "Ctrl+Up",
     glyph::PreviousTopic},
    {ViewNext, "ViewNextCmd", "View", "&Next Topic", "Next", "Next topic", "Ctrl+Down",
     glyph::NextTopic},
}};

constexpr bool IdsMatchPositions()
{
    for (std::size_t i = 0; i < Commands.size(); ++i) {
        if (static_cast<std::size_t>(Commands[i].id) != i)
            return false;
    }
    return true;
}
static_assert(IdsMatchPositions(), "CommandInfoOf indexes the table by id");

} // namespace

std::span<const CommandInfo> CommandTable()
{
    return Commands;
}

const CommandInfo& CommandInfoOf(CommandId id)
{
    return Commands[static_cast<std::size_t>(id)];
}

const CommandInfo* FindCommand(std::string_view name)
{
    for (const CommandInfo& command : Commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

} // namespace zelt
