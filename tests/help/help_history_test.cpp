#include "help/help_history.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

TEST(HelpHistory, BackAndForwardWalkTheVisitedTopics)
{
    HelpHistory history;
    EXPECT_EQ(history.current(), std::nullopt);
    EXPECT_FALSE(history.canGoBack());
    EXPECT_FALSE(history.canGoForward());
    EXPECT_EQ(history.back(), std::nullopt);

    history.visit(1000);
    history.visit(1111);
    history.visit(1111);
    history.visit(1112);
    EXPECT_EQ(history.current(), 1112);
    EXPECT_EQ(history.back(), 1111);
    EXPECT_EQ(history.back(), 1000);
    EXPECT_FALSE(history.canGoBack());
    EXPECT_EQ(history.back(), 1000);
    EXPECT_EQ(history.forward(), 1111);
    EXPECT_TRUE(history.canGoForward());
}

TEST(HelpHistory, ANewTopicForgetsWhatLayAhead)
{
    HelpHistory history;
    history.visit(1000);
    history.visit(1111);
    history.visit(1112);
    history.back();
    history.back();
    history.visit(1121);
    EXPECT_FALSE(history.canGoForward());
    EXPECT_EQ(history.back(), 1000);
    EXPECT_EQ(history.forward(), 1121);
    EXPECT_EQ(history.forward(), 1121);
}

} // namespace
} // namespace zelt
