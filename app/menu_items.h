#pragma once

#include <span>
#include <string_view>

namespace zelt {

// A menu entry or tool-bar button that is not a command.
struct MenuItemInfo {
    std::string_view name;
    std::string_view caption;
    std::string_view hint;
    std::string_view shortcut;
    int glyph = -1;
};

// ListMenu, ListOther, OptionsTools and the three entries of the Tools submenu.
std::span<const MenuItemInfo> MenuItemTable();
// Nothing when no such item exists.
const MenuItemInfo* FindMenuItem(std::string_view name);

// ListOther reads "&Other..." below list entries and "&Open..." without them.
inline constexpr std::string_view ListOtherCaptionWithLists = "&Other...";
inline constexpr std::string_view ListOtherCaptionWithoutLists = "&Open...";
constexpr std::string_view ListOtherCaption(bool hasListEntries) noexcept
{
    return hasListEntries ? ListOtherCaptionWithLists : ListOtherCaptionWithoutLists;
}

// The drop-down Open List button; its arrow shows ListMenu.
inline constexpr MenuItemInfo ToolButtonOpenList{"ToolButtonOpenList", "&Open List", "Open a list",
                                                 "", 0};
// The tool-bar button of SearchSearchAgainCmd has a tooltip of its own.
inline constexpr std::string_view ToolButtonSearchAgainTooltip = "Find Again";

// Menus as lists of item names, top to bottom; "-" is a separator. Names are
// those of the command table, of MenuItemTable and the submenus "ListMenu"
// and "OptionsTools".
struct MenuLayout {
    std::string_view caption;
    std::span<const std::string_view> items;
};

std::span<const MenuLayout> MenuBarLayout();
std::span<const std::string_view> ToolsMenuLayout();
// Left to right; "ToolButtonOpenList" is the drop-down button above.
std::span<const std::string_view> ToolBarLayout();
std::span<const std::string_view> TopicViewContextMenuLayout();
std::span<const std::string_view> TopicsGridContextMenuLayout();

inline constexpr std::string_view SeparatorName = "-";

} // namespace zelt
