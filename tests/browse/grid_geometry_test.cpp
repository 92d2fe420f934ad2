#include "browse/grid_geometry.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

TEST(GridGeometry, RowHeightFollowsTheViewFont)
{
    EXPECT_EQ(GridRowHeight(8, 96), 17);
    EXPECT_EQ(GridRowHeight(10, 96), 19);
    EXPECT_EQ(GridRowHeight(8, 120), 19);
    EXPECT_EQ(GridRowHeight(9, 112), 19);  // 10.5 rounds to 10
    EXPECT_EQ(GridRowHeight(11, 112), 22); // 12.83
    EXPECT_EQ(CategoryItemHeight(96), 15);
    EXPECT_EQ(CategoryItemHeight(120), 19);
    EXPECT_EQ(CategoryItemHeight(144), 22); // 22.5 rounds to 22
}

TEST(GridGeometry, CellLayout)
{
    const PixelRect cell{100, 20, 240, 37};
    EXPECT_EQ(IdentifierTextOrigin(cell, true), (PixelPoint{118, 21}));
    EXPECT_EQ(IdentifierTextOrigin(cell, false), (PixelPoint{102, 21}));
    EXPECT_EQ(TitleTextOrigin(cell), (PixelPoint{102, 21}));
    EXPECT_EQ(WidenedTitleCell(cell), (PixelRect{100, 20, 241, 37}));
    EXPECT_EQ(CategoryBoxRect(cell), (PixelRect{101, 21, 115, 36}));
    EXPECT_EQ(CategoryCharOrigin(cell), (PixelPoint{105, 25}));
    EXPECT_EQ(OutlineRightEdge(PixelRect{140, 0, 500, 17}, 520, 503), 482);
}

TEST(GridGeometry, OutlineDotsAlternateBetweenComplements)
{
    const Rgb highlight{0, 120, 215};
    const Rgb window{255, 255, 255};
    EXPECT_EQ(OutlineDotColour(3, highlight, window), (Rgb{255, 135, 40}));
    EXPECT_EQ(OutlineDotColour(-1, highlight, window), (Rgb{255, 135, 40}));
    EXPECT_EQ(OutlineDotColour(4, highlight, window), (Rgb{0, 0, 0}));
    EXPECT_EQ(OutlineDotColour(0, highlight, window), (Rgb{0, 0, 0}));
}

} // namespace
} // namespace zelt::test
