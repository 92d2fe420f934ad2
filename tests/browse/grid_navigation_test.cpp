#include "browse/grid_navigation.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

TEST(GridKeyTarget, MovesWithinTheRows)
{
    EXPECT_EQ(GridKeyTarget(GridKey::PageUp, 50, 100, 20), 29);
    EXPECT_EQ(GridKeyTarget(GridKey::PageDown, 50, 100, 20), 69);
    EXPECT_EQ(GridKeyTarget(GridKey::Up, 50, 100, 20), 49);
    EXPECT_EQ(GridKeyTarget(GridKey::Down, 50, 100, 20), 51);
    EXPECT_EQ(GridKeyTarget(GridKey::Home, 50, 100, 20), 0);
    EXPECT_EQ(GridKeyTarget(GridKey::End, 50, 100, 20), 99);
}

TEST(GridKeyTarget, StopsOrStaysAtTheEnds)
{
    EXPECT_EQ(GridKeyTarget(GridKey::Up, 0, 100, 20), std::nullopt);
    EXPECT_EQ(GridKeyTarget(GridKey::Down, 99, 100, 20), std::nullopt);
    EXPECT_EQ(GridKeyTarget(GridKey::PageUp, 10, 100, 20), 0);
    EXPECT_EQ(GridKeyTarget(GridKey::PageUp, 21, 100, 20), 0);
    EXPECT_EQ(GridKeyTarget(GridKey::PageDown, 90, 100, 20), 99);
    EXPECT_EQ(GridKeyTarget(GridKey::Down, 0, 1, 20), std::nullopt);
    EXPECT_EQ(GridKeyTarget(GridKey::End, 0, 1, 20), 0);
    // With no fully visible row Page Down moves up one; on row 0 it stays.
    EXPECT_EQ(GridKeyTarget(GridKey::PageDown, 5, 100, 0), 4);
    EXPECT_EQ(GridKeyTarget(GridKey::PageDown, 0, 100, 0), std::nullopt);
    for (const GridKey key : {GridKey::Up, GridKey::Down, GridKey::PageUp, GridKey::PageDown,
                              GridKey::Home, GridKey::End})
        EXPECT_EQ(GridKeyTarget(key, 0, 0, 20), std::nullopt);
}

} // namespace
} // namespace zelt::test
