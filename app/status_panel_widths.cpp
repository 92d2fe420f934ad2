#include "app/status_panel_widths.h"

#include "app/status_texts.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelt {

StatusPanelWidths ScaleStatusPanelsForFont(const StatusPanelWidths& widths,
                                           double fontAverageCharWidth,
                                           double designAverageCharWidth)
{
    if (!(designAverageCharWidth > 0) || !(fontAverageCharWidth > designAverageCharWidth))
        return widths;
    StatusPanelWidths scaled{};
    for (std::size_t panel = 0; panel < widths.size(); ++panel) {
        const double width = widths[panel] * fontAverageCharWidth / designAverageCharWidth;
        // Up, so that no text is cut for rounding; but a width that is whole
        // apart from the error of binary fractions stays as it is.
        const double nearest = std::round(width);
        scaled[panel] =
            static_cast<int>(std::abs(width - nearest) < 1e-6 ? nearest : std::ceil(width));
    }
    return scaled;
}

std::array<std::string, StatusPanelCount - 1> WidestStatusPanelTexts(std::int32_t topicCount,
                                                                     char widestDigit)
{
    std::array<std::string, StatusPanelCount - 1> texts;
    if (topicCount <= 0)
        return texts;
    // The largest number of the same length stands for every count; its
    // digits are then replaced.
    std::int64_t largest = 9;
    while (largest < topicCount)
        largest = largest * 10 + 9;
    const auto count = static_cast<std::int32_t>(
        std::min<std::int64_t>(largest, std::numeric_limits<std::int32_t>::max()));
    StatusBarTexts widest;
    const StatusState state{.listKind = 0,
                            .listFileName = {},
                            .topicCount = count,
                            .viewRowCount = count,
                            .selectedTopic = count - 1,
                            .currentTopicNumber = count - 1};
    for (const StatusKind kind :
         {StatusKind::ListChanged, StatusKind::SelectionChanged, StatusKind::TopicShown})
        ApplyStatusUpdate(widest, kind, state);
    for (std::size_t panel = 0; panel < texts.size(); ++panel) {
        texts[panel] = widest.panels[panel];
        std::replace_if(
            texts[panel].begin(), texts[panel].end(), [](char c) { return c >= '0' && c <= '9'; },
            widestDigit);
    }
    return texts;
}

StatusPanelWidths FitStatusPanels(const StatusPanelWidths& widths, const StatusTextWidths& needed)
{
    StatusPanelWidths fitted = widths;
    for (std::size_t panel = 0; panel < needed.size(); ++panel)
        fitted[panel] = std::max(fitted[panel], needed[panel]);
    return fitted;
}

} // namespace zelt
