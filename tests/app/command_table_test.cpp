#include "app/command_table.h"
#include "app/menu_items.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace zelt {
namespace {

TEST(CommandTable, EveryCommandFoundByIdAndName)
{
    ASSERT_EQ(CommandTable().size(), CommandCount);
    for (const CommandInfo& command : CommandTable()) {
        EXPECT_EQ(&CommandInfoOf(command.id), &command) << command.name;
        EXPECT_EQ(FindCommand(command.name), &command) << command.name;
        EXPECT_TRUE(command.name.ends_with("Cmd")) << command.name;
        EXPECT_TRUE(command.name.starts_with(command.category)) << command.name;
        EXPECT_NE(command.caption.find('&'), std::string_view::npos) << command.name;
        EXPECT_LT(command.glyph, glyph::Count);
    }
    EXPECT_EQ(FindCommand("FileOpenCmd"), nullptr);
}

TEST(CommandTable, TextsOfCommandsWithSeparateParts)
{
    const CommandInfo& save = CommandInfoOf(CommandId::FileSave);
    EXPECT_EQ(save.caption, "&Save Topic...");
    EXPECT_EQ(save.tooltip, "Save");
    EXPECT_EQ(save.statusText, "Save current topic");
    EXPECT_EQ(save.shortcut, "Ctrl+S");
    EXPECT_EQ(save.glyph, 1);

    const CommandInfo& again = CommandInfoOf(CommandId::SearchSearchAgain);
    EXPECT_EQ(again.shortcut, "F3");
    EXPECT_EQ(again.glyph, 6);
    EXPECT_EQ(CommandInfoOf(CommandId::EditCopyTopic).shortcut, "Ctrl+Shift+C");
    EXPECT_EQ(CommandInfoOf(CommandId::ViewNext).glyph, 10);
    EXPECT_EQ(CommandInfoOf(CommandId::FileExit).caption, "E&xit");

    const CommandInfo& unzoom = CommandInfoOf(CommandId::OptionsUnzoomTopic);
    EXPECT_EQ(unzoom.shortcut, "Esc");
    EXPECT_TRUE(unzoom.tooltip.empty() && unzoom.statusText.empty());
}

TEST(CommandTable, NoTwoItemsShareAShortcut)
{
    std::set<std::string_view> seen;
    for (const CommandInfo& command : CommandTable()) {
        if (!command.shortcut.empty()) {
            EXPECT_TRUE(seen.insert(command.shortcut).second) << command.shortcut;
        }
    }
    for (const MenuItemInfo& item : MenuItemTable()) {
        if (!item.shortcut.empty()) {
            EXPECT_TRUE(seen.insert(item.shortcut).second) << item.shortcut;
        }
    }
    EXPECT_TRUE(seen.contains("Ctrl+O"));
    EXPECT_TRUE(seen.contains("Ctrl+E"));
}

TEST(MenuLayout, EveryNamedItemExists)
{
    const auto known = [](std::string_view name) {
        return name == SeparatorName || name == ToolButtonOpenList.name ||
               FindCommand(name) != nullptr || FindMenuItem(name) != nullptr;
    };
    std::set<std::string_view> inMenus;
    for (const MenuLayout& menu : MenuBarLayout()) {
        for (const std::string_view name : menu.items) {
            EXPECT_TRUE(known(name)) << name;
            inMenus.insert(name);
        }
    }
    for (const auto layout : {ToolsMenuLayout(), ToolBarLayout(), TopicViewContextMenuLayout(),
                              TopicsGridContextMenuLayout()}) {
        for (const std::string_view name : layout)
            EXPECT_TRUE(known(name)) << name;
    }
    // Reached only by their shortcuts.
    EXPECT_FALSE(inMenus.contains("EditCopyTopicCmd"));
    EXPECT_FALSE(inMenus.contains("OptionsUnzoomTopicCmd"));
    EXPECT_FALSE(inMenus.contains("ViewPrevCmd"));
}

TEST(MenuLayout, ListOtherCaptionFollowsTheEntries)
{
    EXPECT_EQ(ListOtherCaption(true), "&Other...");
    EXPECT_EQ(ListOtherCaption(false), "&Open...");
    EXPECT_EQ(FindMenuItem("ListOther")->shortcut, "Ctrl+O");
    EXPECT_EQ(FindMenuItem("ListMenu")->glyph, 0);
    EXPECT_EQ(ToolButtonSearchAgainTooltip, "Find Again");
}

} // namespace
} // namespace zelt
