#include "browse/pane_layout.h"

#include <gtest/gtest.h>
#include <limits>

namespace zelt::test {
namespace {

TEST(PaneLayout, RoundsHalvesToEven)
{
    EXPECT_EQ(RoundHalfToEven(155.5), 156);
    EXPECT_EQ(RoundHalfToEven(154.5), 154);
    EXPECT_EQ(RoundHalfToEven(0.5), 0);
    EXPECT_EQ(RoundHalfToEven(154.500001), 155);
    EXPECT_EQ(RoundHalfToEven(154.499999), 154);
    EXPECT_EQ(RoundHalfToEven(-0.5), 0);
    EXPECT_EQ(RoundHalfToEven(-1.5), -2);
    EXPECT_EQ(RoundHalfToEven(-2.7), -3);
    EXPECT_EQ(RoundHalfToEven(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundHalfToEven(1e300), std::numeric_limits<int>::max());
}

TEST(PaneLayout, TopicsPaneFollowsItsShareWithinTheMinimums)
{
    EXPECT_EQ(FitTopicsPaneHeight(310, 0.5), 155);
    EXPECT_EQ(FitTopicsPaneHeight(311, 0.5), 156);
    EXPECT_EQ(FitTopicsPaneHeight(309, 0.5), 154);
    EXPECT_EQ(FitTopicsPaneHeight(100, 0.9), 57);
    EXPECT_EQ(FitTopicsPaneHeight(100, 0.1), 40);
    // Too low for both minimums: the bound below the splitter wins.
    EXPECT_EQ(FitTopicsPaneHeight(60, 0.5), 17);
    EXPECT_EQ(FitTopicsPaneHeight(MinimumMainPanelHeight(), 0.5), 40);
    EXPECT_EQ(MinimumMainPanelHeight(), 83);
}

TEST(PaneLayout, ColumnWidths)
{
    EXPECT_EQ(TitleColumnWidth(500, 140), 358);
    EXPECT_EQ(ColumnWidthOfHeaderSection(200), 199);
    EXPECT_EQ(HeaderSectionWidthOfColumn(DefaultTopicsColumnWidth), 141);
    EXPECT_EQ(DefaultTopicsColumnWidth, 140);
    EXPECT_EQ(DefaultTopicsHeaderSectionWidth, 141);
}

TEST(PaneLayout, SplitIsRecordedOnlyOnceTheWindowWasShown)
{
    EXPECT_EQ(RecordedTopicsHeightPerc(false, 155, 310), std::nullopt);
    EXPECT_EQ(RecordedTopicsHeightPerc(true, 155, 310), 0.5);
    EXPECT_EQ(RecordedTopicsHeightPerc(true, 40, 0), std::nullopt);
}

} // namespace
} // namespace zelt::test
