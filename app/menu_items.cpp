#include "app/menu_items.h"

#include <array>

namespace zelt {

namespace {

constexpr std::array<MenuItemInfo, 6> Items{{
    {"ListMenu", "&Open List", "Open a list", "", 0},
    {"ListOther", ListOtherCaptionWithLists, "Open a list", "Ctrl+O", -1},
    {"OptionsTools", "&Tools", "Special functions and tools", "", -1},
    {"OptionsToolsExploreListLocation", "&Explore Lists Location...",
     "Open Windows Explorer in lists folder", "Ctrl+E", -1},
    {"OptionsToolsCombineListSections", "&Combine List Sections...",
     "Combine the parts of a list into one file", "", -1},
    {"OptionsToolsRunIntprintcom", "Run &Intprint.com...", "Run external program Intprint.com", "",
     -1},
}};

constexpr std::string_view Sep = SeparatorName;

constexpr std::array<std::string_view, 7> FileMenu{
    "ListMenu", "FileCloseCmd", Sep, "FileSaveCmd", "FilePrintCmd", Sep, "FileExitCmd"};
constexpr std::array<std::string_view, 2> EditMenu{"EditCopyCmd", "EditSelectAllCmd"};
constexpr std::array<std::string_view, 7> SearchMenu{
    "SearchFindCmd", "SearchSearchAgainCmd", "SearchTopicTextsCmd", Sep,
    "SearchGoToCmd", "SearchBackCmd",        "SearchForwardCmd"};
constexpr std::array<std::string_view, 6> OptionsMenu{"OptionsZoomTopicCmd",
                                                      "OptionsUpdateTopicTitlesCmd",
                                                      "HeaderTopicsHeaderDefWidthCmd",
                                                      "OptionsTools",
                                                      Sep,
                                                      "OptionsConfigurationCmd"};
constexpr std::array<std::string_view, 3> HelpMenu{"HelpHelpIndexCmd", Sep, "HelpAboutCmd"};

constexpr std::array<MenuLayout, 5> MenuBar{{
    {"&File", FileMenu},
    {"&Edit", EditMenu},
    {"&Search", SearchMenu},
    {"&Options", OptionsMenu},
    {"&Help", HelpMenu},
}};

constexpr std::array<std::string_view, 4> ToolsMenu{"OptionsToolsExploreListLocation",
                                                    "OptionsToolsCombineListSections", Sep,
                                                    "OptionsToolsRunIntprintcom"};

constexpr std::array<std::string_view, 14> ToolBar{"ToolButtonOpenList",
                                                   "FileSaveCmd",
                                                   "FilePrintCmd",
                                                   Sep,
                                                   "EditCopyCmd",
                                                   "EditSelectAllCmd",
                                                   Sep,
                                                   "SearchFindCmd",
                                                   "SearchSearchAgainCmd",
                                                   Sep,
                                                   "OptionsZoomTopicCmd",
                                                   Sep,
                                                   "ViewPrevCmd",
                                                   "ViewNextCmd"};

constexpr std::array<std::string_view, 5> TopicViewContextMenu{"EditCopyCmd", "EditSelectAllCmd",
                                                               Sep, "FileSaveCmd", "FilePrintCmd"};
constexpr std::array<std::string_view, 1> TopicsGridContextMenu{"HeaderTopicsHeaderDefWidthCmd"};

} // namespace

std::span<const MenuItemInfo> MenuItemTable()
{
    return Items;
}

const MenuItemInfo* FindMenuItem(std::string_view name)
{
    for (const MenuItemInfo& item : Items) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
}

std::span<const MenuLayout> MenuBarLayout()
{
    return MenuBar;
}

std::span<const std::string_view> ToolsMenuLayout()
{
    return ToolsMenu;
}

std::span<const std::string_view> ToolBarLayout()
{
    return ToolBar;
}

std::span<const std::string_view> TopicViewContextMenuLayout()
{
    return TopicViewContextMenu;
}

std::span<const std::string_view> TopicsGridContextMenuLayout()
{
    return TopicsGridContextMenu;
}

} // namespace zelt
