#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zelt {

inline constexpr int StatusPanelCount = 4;
using StatusPanelWidths = std::array<int, StatusPanelCount>;
// Panels 0 to 2 hold the status texts; the last one stretches and shows hints.
using StatusTextWidths = std::array<int, StatusPanelCount - 1>;

// The panels as laid out for the window's design font, 8-point MS Sans Serif,
// at 96 pixels per inch; that font's characters average this many pixels there.
inline constexpr StatusPanelWidths StatusPanelDesignWidths{170, 60, 60, 200};
inline constexpr double DesignFontAverageCharWidth = 5.0;

// Widths laid out for the design font, for a font whose characters average
// fontAverageCharWidth pixels where the design font's average
// designAverageCharWidth (both at the same resolution): a wider font widens
// every panel by the ratio of the two, rounded up; any other keeps them.
StatusPanelWidths ScaleStatusPanelsForFont(const StatusPanelWidths& widths,
                                           double fontAverageCharWidth,
                                           double designAverageCharWidth);

// The longest texts panels 0 to 2 can show while a list of topicCount topics
// is open: every number with as many digits as topicCount, each of them
// widestDigit. Empty texts without topics.
std::array<std::string, StatusPanelCount - 1> WidestStatusPanelTexts(std::int32_t topicCount,
                                                                     char widestDigit);

// The widths with each text panel at least as wide as its text needs (the
// text, the panel's frame and indent); the last panel stays as it is.
StatusPanelWidths FitStatusPanels(const StatusPanelWidths& widths, const StatusTextWidths& needed);

} // namespace zelt
