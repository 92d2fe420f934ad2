#include "app/status_panel_widths.h"

#include <gtest/gtest.h>
#include <limits>

namespace zelt {
namespace {

TEST(StatusPanelWidths, OnlyAWiderFontWidensThePanelsByTheRatioOfTheAverages)
{
    const StatusPanelWidths design = StatusPanelDesignWidths;
    EXPECT_EQ(ScaleStatusPanelsForFont(design, 5.0, 5.0), design);
    EXPECT_EQ(ScaleStatusPanelsForFont(design, 4.2, 5.0), design);
    EXPECT_EQ(ScaleStatusPanelsForFont(design, 6.0, 5.0), (StatusPanelWidths{204, 72, 72, 240}));
    EXPECT_EQ(ScaleStatusPanelsForFont(design, 6.1, 5.0), (StatusPanelWidths{208, 74, 74, 244}));
    // At 120 pixels per inch the design font averages 6.25 pixels.
    const StatusPanelWidths at120{212, 75, 75, 250};
    EXPECT_EQ(ScaleStatusPanelsForFont(at120, 6.25, 6.25), at120);
    EXPECT_EQ(ScaleStatusPanelsForFont(at120, 7.5, 6.25), (StatusPanelWidths{255, 90, 90, 300}));
    EXPECT_EQ(ScaleStatusPanelsForFont(design, 6.0, 0.0), design);
}

TEST(StatusPanelWidths, WidestTextsHaveEveryNumberAtTheListsDigitCount)
{
    using Texts = std::array<std::string, 3>;
    EXPECT_EQ(WidestStatusPanelTexts(0, '0'), (Texts{"", "", ""}));
    EXPECT_EQ(WidestStatusPanelTexts(1, '8'),
              (Texts{" 8 topics (8 in category)", " Sel: 8", " Cur: 8"}));
    EXPECT_EQ(WidestStatusPanelTexts(8779, '0'),
              (Texts{" 0000 topics (0000 in category)", " Sel: 0000", " Cur: 0000"}));
    EXPECT_EQ(WidestStatusPanelTexts(100000, '4'),
              (Texts{" 444444 topics (444444 in category)", " Sel: 444444", " Cur: 444444"}));
    EXPECT_EQ(WidestStatusPanelTexts(std::numeric_limits<std::int32_t>::max(), '9')[1],
              " Sel: 9999999999");
}

TEST(StatusPanelWidths, FittingRaisesOnlyTheTextPanelsThatAreTooNarrow)
{
    EXPECT_EQ(FitStatusPanels({204, 72, 72, 240}, {210, 70, 75}),
              (StatusPanelWidths{210, 72, 75, 240}));
    EXPECT_EQ(FitStatusPanels(StatusPanelDesignWidths, {0, 0, 0}), StatusPanelDesignWidths);
}

} // namespace
} // namespace zelt
