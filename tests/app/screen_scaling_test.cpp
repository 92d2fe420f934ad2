#include "app/screen_scaling.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

TEST(ScreenScaling, RoundsHalvesToEven)
{
    EXPECT_EQ(ScaleToResolution(100, 96), 100);
    EXPECT_EQ(ScaleToResolution(100, 120), 125);
    EXPECT_EQ(ScaleToResolution(15, 120), 19);  // 18.75
    EXPECT_EQ(ScaleToResolution(15, 144), 22);  // 22.5
    EXPECT_EQ(ScaleToResolution(86, 120), 108); // 107.5
    EXPECT_EQ(ScaleToResolution(27, 120), 34);  // 33.75
    EXPECT_EQ(ScaleToResolution(1, 48), 0);     // 0.5
    EXPECT_EQ(ScaleToResolution(-15, 144), -22);
}

} // namespace
} // namespace zelt
