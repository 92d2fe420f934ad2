#include "browse/pane_layout.h"

#include <cmath>
#include <limits>

namespace zelt {

int RoundHalfToEven(double value) noexcept
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    return static_cast<int>(rounded);
}

int FitTopicsPaneHeight(int mainPanelHeight, double topicsHeightPerc, int splitterHeight,
                        int minSize)
{
    int height = RoundHalfToEven(mainPanelHeight * topicsHeightPerc);
    if (height < minSize)
        height = minSize;
    if (height > mainPanelHeight - splitterHeight - minSize)
        height = mainPanelHeight - splitterHeight - minSize;
    return height;
}

std::optional<double> RecordedTopicsHeightPerc(bool mainWindowShown, int panelTopicsHeight,
                                               int panelMainHeight) noexcept
{
    if (!mainWindowShown || panelMainHeight <= 0)
        return std::nullopt;
    return static_cast<double>(panelTopicsHeight) / panelMainHeight;
}

} // namespace zelt
