#include "base/program_version.h"
#include "base/version.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "base/version_resource.h"
#include "support/temp_dir.h"
#endif

namespace zelt::test {
namespace {

void ExpectVersion(std::string_view text, int major, int minor, int release, int build)
{
    const ProgramVersion v = ParseProgramVersion(text);
    EXPECT_EQ(v.major, major) << text;
    EXPECT_EQ(v.minor, minor) << text;
    EXPECT_EQ(v.release, release) << text;
    EXPECT_EQ(v.build, build) << text;
    EXPECT_FALSE(v.debugBuild);
}

TEST(ProgramVersion, TakesUpToFourNumbersAndStopsSilentlyAtTheFirstBadPart)
{
    ExpectVersion("2.1.7.5", 2, 1, 7, 5);
    ExpectVersion("3.0", 3, 0, 0, 0);
    ExpectVersion("", 2, 0, 0, 0);
    ExpectVersion("1.2.3.4.5", 1, 2, 3, 4);
    ExpectVersion("4.x.9", 4, 0, 0, 0);
    ExpectVersion("x.5", 2, 0, 0, 0);
    ExpectVersion("5..6", 5, 0, 0, 0);
    ExpectVersion("6.1beta", 6, 0, 0, 0);
    ExpectVersion("7.99999999999", 7, 0, 0, 0);
}

TEST(ProgramVersion, BuildVersionIsTheConfiguredOne)
{
    EXPECT_EQ(ReadProgramVersion().major, build::VersionMajor);
    EXPECT_EQ(ReadProgramVersion().build, build::VersionBuild);
}

ProgramVersion Version(int major, int minor, int release, int build, bool debugBuild = false)
{
    return ProgramVersion{major, minor, release, build, debugBuild};
}

TEST(ProgramVersion, LabelShowsTheReleaseAsLetterOrBetaBuild)
{
    EXPECT_EQ(VersionLabelText(Version(2, 1, 7, 5)), "Version: 2.1f");
    EXPECT_EQ(VersionLabelText(Version(2, 1, 2, 5)), "Version: 2.1a");
    EXPECT_EQ(VersionLabelText(Version(2, 1, 27, 0)), "Version: 2.1z");
    EXPECT_EQ(VersionLabelText(Version(2, 1, 0, 5)), "Version: 2.1\u00DF5");
    EXPECT_EQ(VersionLabelText(Version(2, 1, 1, 5)), "Version: 2.1");
    EXPECT_EQ(VersionLabelText(Version(12, 30, 1, 0)), "Version: 12.30");
    // Past the byte range no letter is left; negative releases show none.
    EXPECT_EQ(VersionLabelText(Version(2, 1, 161, 0)), "Version: 2.1");
    EXPECT_EQ(VersionLabelText(Version(2, 1, -4, 0)), "Version: 2.1");
}

TEST(ProgramVersion, UnreadableVersionShowsTwoPointZeroBetaZero)
{
    EXPECT_EQ(VersionLabelText(ParseProgramVersion("")), "Version: 2.0\u00DF0");
    EXPECT_EQ(VersionLabelText(ParseProgramVersion("not a version")), "Version: 2.0\u00DF0");
}

TEST(ProgramVersion, DebugBuildIsNamedAfterTwoBlanks)
{
    EXPECT_EQ(VersionLabelText(Version(2, 1, 7, 5, true)), "Version: 2.1f  (Debug Build)");
    EXPECT_EQ(VersionLabelText(Version(2, 1, 0, 3, true)), "Version: 2.1\u00DF3  (Debug Build)");
}
#ifdef _WIN32
TEST(ProgramVersion, OnWindowsTheProgramFilesVersionResourceGivesIt)
{
    // This test program carries the same generated resource as the programs.
    EXPECT_EQ(ReadFileVersionText(RunningProgramFile()), std::string(build::VersionText));
    const ProgramVersion version = ReadProgramVersion();
    EXPECT_EQ(version.major, build::VersionMajor);
    EXPECT_EQ(version.minor, build::VersionMinor);
    EXPECT_EQ(version.release, build::VersionRelease);
    EXPECT_EQ(version.build, build::VersionBuild);

    const TempDir dir;
    EXPECT_EQ(ReadFileVersionText(dir.write("PLAIN.EXE", "MZ not a program")), std::nullopt);
    EXPECT_EQ(ReadFileVersionText(dir.file("MISSING.EXE")), std::nullopt);
}
#endif

} // namespace
} // namespace zelt::test
