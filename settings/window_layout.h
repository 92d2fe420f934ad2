#pragma once

#include <optional>
#include <string>

namespace zelt {

// Screen pixels; right and bottom lie just outside the rectangle.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

// Main-window states as they are stored.
constexpr int WindowStateNormal = 0;
constexpr int WindowStateMinimised = 1;
constexpr int WindowStateMaximised = 2;

// Where the main window is created, from BoundsRect and WindowState.
struct WindowPlacement {
    Rect bounds;
    bool maximised = true;
    int windowState = WindowStateMaximised;
};

// Where a dockable panel stands: shown or not, floating or docked to one
// side of the main window, its docked height (top, bottom) or width (left,
// right), 0 for its own, and its bounds while floating.
enum class DockSide { Bottom = 0, Top = 1, Left = 2, Right = 3 };

struct DockPlace {
    bool visible = false;
    bool floating = false;
    DockSide side = DockSide::Bottom;
    int extent = 0;
    Rect floatingBounds;

    friend bool operator==(const DockPlace&, const DockPlace&) = default;
};

// Band identities of CoolBarBand0Id: which band stands first.
constexpr int CategoryBandId = 0;
constexpr int ToolBarBandId = 1;

// The values the main window's controls own, as they are at exit. Field names
// follow the stored value names ("ToolBarCategories.Width" is
// ToolBarCategoriesWidth). TopicsColWidth is the grid's first column as it is
// now, which may differ from the start-up value kept in Settings.
struct WindowLayout {
    int WindowState = WindowStateMaximised;
    Rect BoundsRect; // the normal-state bounds; not stored while maximised
    int ToolBarCategoriesWidth = 0;
    int CoolBarBand0Id = CategoryBandId;
    bool CoolBarBand0Break = true;
    int ToolBarWidth = 0;
    bool CoolBarBand1Break = false;
    bool ToolBarVisible = true;
    bool TopicsHeaderVisible = true;
    bool PanelCurrentTopicHeaderVisible = true;
    bool StatusBarVisible = true;
    std::string CurrentTopicFontName = "MS Sans Serif";
    int CurrentTopicFontSize = 8;
    int TopicsColWidth = 140;
    // Written only when known.
    std::optional<DockPlace> TopicTextsPanel;
};

using LayoutToWrite = WindowLayout;

// The same values as read at start-up: nullopt where the store holds no
// usable value, so the control keeps its design value. WindowState and
// BoundsRect come through ReadWindowPlacement instead, TopicsColWidth through
// Settings. CoolBarBand0Id is only ever 0 or 1.
struct StoredLayout {
    std::optional<int> ToolBarCategoriesWidth;
    std::optional<int> CoolBarBand0Id;
    std::optional<bool> CoolBarBand0Break;
    std::optional<int> ToolBarWidth;
    std::optional<bool> CoolBarBand1Break;
    std::optional<bool> ToolBarVisible;
    std::optional<bool> TopicsHeaderVisible;
    std::optional<bool> PanelCurrentTopicHeaderVisible;
    std::optional<bool> StatusBarVisible;
    std::optional<std::string> CurrentTopicFontName;
    std::optional<int> CurrentTopicFontSize;
    std::optional<DockPlace> TopicTextsPanel;
};

} // namespace zelt
