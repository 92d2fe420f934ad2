#include "list/open_messages.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

TEST(Messages, OpenTexts)
{
    EXPECT_EQ(UnableToFindText("/lists/PORTS.LST"), "Unable to find \"PORTS.LST\" !");
    EXPECT_EQ(UnableToOpenText("/lists/PORTS.LST"), "Unable to open \"/lists/PORTS.LST\" !");
}

} // namespace
} // namespace zelt
