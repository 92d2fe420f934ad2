#include "base/program_version.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

TEST(SettingsKey, MajorNumberSelectsTheKey)
{
    EXPECT_EQ(SettingsKey(ParseProgramVersion("3.0"), "Config"),
              "Software\\Vantrel\\ZELT Viewer\\3\\Config");
    EXPECT_EQ(SettingsKey(ParseProgramVersion(""), "Layout"),
              "Software\\Vantrel\\ZELT Viewer\\2\\Layout");
    EXPECT_EQ(SettingsKey(ParseProgramVersion("12.4"), {}), "Software\\Vantrel\\ZELT Viewer\\12");
}

} // namespace
} // namespace zelt::test
