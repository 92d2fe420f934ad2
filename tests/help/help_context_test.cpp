#include "help/help_context.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace zelt {
namespace {

TEST(HelpContext, OwnNumberFirstThenTheNearestEnclosingOne)
{
    // The "Location of lists" field: no number, in its group box 1111.
    EXPECT_EQ(HelpContextFor(std::vector{0, 1111, 0, 0}), 1111);
    // "Confirm program exit" has its own number inside a box without one.
    EXPECT_EQ(HelpContextFor(std::vector{1121, 0, 0}), 1121);
    // A printing radio inside the printing box: its own number wins.
    EXPECT_EQ(HelpContextFor(std::vector{1134, 1134}), 1134);
    EXPECT_EQ(HelpContextFor(std::vector{0, 0, 0}), std::nullopt);
    EXPECT_EQ(HelpContextFor(std::vector<int>{}), std::nullopt);
}

TEST(HelpContext, RequestedNumbersAreDistinct)
{
    const std::set<int> distinct(RequestedHelpContexts.begin(), RequestedHelpContexts.end());
    EXPECT_EQ(distinct.size(), RequestedHelpContexts.size());
    EXPECT_TRUE(distinct.contains(1000));
    EXPECT_TRUE(distinct.contains(1142));
}

} // namespace
} // namespace zelt
