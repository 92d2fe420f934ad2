#pragma once

#include <optional>

namespace zelt {

// Rounds to the nearest integer, halves to the even neighbour; values beyond
// int are held at its limits and NaN gives 0.
int RoundHalfToEven(double value) noexcept;

inline constexpr int SplitterHeight = 3;
inline constexpr int SplitterMinSize = 40;
inline constexpr int DefaultTopicsColumnWidth = 140;
// A header section is one pixel wider than the grid column below it.
inline constexpr int DefaultTopicsHeaderSectionWidth = DefaultTopicsColumnWidth + 1;

// Height of the topics pane for a main panel height and the persisted share
// of it. The splitter's minimum size is kept on both sides; when the panel is
// too low for both, the topic view below keeps its minimum.
int FitTopicsPaneHeight(int mainPanelHeight, double topicsHeightPerc,
                        int splitterHeight = SplitterHeight, int minSize = SplitterMinSize);

// The main panel never gets lower than the splitter with both minimum panes.
constexpr int MinimumMainPanelHeight(int splitterHeight = SplitterHeight,
                                     int minSize = SplitterMinSize) noexcept
{
    return splitterHeight + 2 * minSize;
}

// The title column takes the rest of the grid.
constexpr int TitleColumnWidth(int gridWidth, int column0Width) noexcept
{
    return gridWidth - column0Width - 2;
}

constexpr int ColumnWidthOfHeaderSection(int sectionWidth) noexcept
{
    return sectionWidth - 1;
}
constexpr int HeaderSectionWidthOfColumn(int columnWidth) noexcept
{
    return columnWidth + 1;
}

// The share to persist after the splitter moved or the tool bars resized;
// nothing before the main window was first shown or for a panel of no height.
std::optional<double> RecordedTopicsHeightPerc(bool mainWindowShown, int panelTopicsHeight,
                                               int panelMainHeight) noexcept;

} // namespace zelt
