#include "support/temp_dir.h"
#include "tools/launch_request.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

using Kind = LaunchRequest::Kind;

#ifndef _WIN32
void WriteProgram(const fs::path& path, bool executable)
{
    WriteBytes(path, "#!/bin/sh\n");
    fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read);
}
#endif

TEST(ExploreFolderRequest, ShellExploreOnWindowsAndTheDesktopElsewhere)
{
    const LaunchRequest windows = ExploreFolderRequest("C:\\LISTS", true);
    EXPECT_EQ(windows.kind, Kind::ShellVerb);
    EXPECT_EQ(windows.verb, "explore");
    EXPECT_EQ(windows.target, "C:\\LISTS");
    EXPECT_EQ(ExploreFolderRequest("", true).target, "") << "an empty name is passed on";

    const LaunchRequest other = ExploreFolderRequest("/home/me/lists", false);
    EXPECT_EQ(other.kind, Kind::DesktopOpen);
    EXPECT_EQ(other.target, "/home/me/lists");
}

class RunFormatterBatchTest : public ::testing::Test {
protected:
    void SetUp() override { m_dir.write("ZELTViewer_Run_Intprint.bat", "@ECHO OFF\r\n"); }
    std::string folder() const { return m_dir.path().string(); }

    TempDir m_dir;
};

TEST_F(RunFormatterBatchTest, WindowsOpensTheBatchByItsNameInTheCurrentFolder)
{
    const LaunchRequest request = RunFormatterBatchRequest(m_dir.path(), "/usr/bin/dosbox", true);
    EXPECT_EQ(request.kind, Kind::ShellVerb);
    EXPECT_EQ(request.verb, "open");
    EXPECT_EQ(request.target, "ZELTViewer_Run_Intprint.bat");
}

TEST_F(RunFormatterBatchTest, DosBoxMountsTheListsFolderAndRunsTheBatchThere)
{
    m_dir.write("INTERRUP.zeltv", "index files have long names of another stem");
    const LaunchRequest request =
        RunFormatterBatchRequest(m_dir.path(), fs::path("/usr/bin/dosbox"), false);
    EXPECT_EQ(request.kind, Kind::Program);
    EXPECT_EQ(request.program, "/usr/bin/dosbox");
    EXPECT_EQ(request.arguments,
              (std::vector<std::string>{"-c", "MOUNT C \"" + folder() + "\"", "-c", "C:", "-c",
                                        "CALL ZELTVI~1.BAT", "-c",
                                        "IF EXIST ZELTVI~1.BAT DEL ZELTVI~1.BAT", "-c", "EXIT"}));
    EXPECT_EQ(request.workingFolder, folder());
}

TEST_F(RunFormatterBatchTest, WithoutASureDosNameOrDosBoxTheDesktopOpensIt)
{
    const LaunchRequest desktop{
        Kind::DesktopOpen, "", (m_dir.path() / "ZELTViewer_Run_Intprint.bat").string(), "", {}, ""};
    EXPECT_EQ(RunFormatterBatchRequest(m_dir.path(), std::nullopt, false), desktop);

    m_dir.write("zeltview notes.txt", "another name DOS would shorten to ZELTVI~1");
    EXPECT_EQ(RunFormatterBatchRequest(m_dir.path(), fs::path("/usr/bin/dosbox"), false), desktop);
    EXPECT_EQ(FormatterBatchDosName(m_dir.path()), std::nullopt);
}

#ifndef _WIN32
TEST_F(RunFormatterBatchTest, AFolderNameDosBoxCannotMountGoesToTheDesktop)
{
    const TempDir quoted;
    fs::create_directory(quoted.path() / "a\"b");
    WriteBytes(quoted.path() / "a\"b" / "ZELTViewer_Run_Intprint.bat", "");
    EXPECT_EQ(
        RunFormatterBatchRequest(quoted.path() / "a\"b", fs::path("/usr/bin/dosbox"), false).kind,
        Kind::DesktopOpen)
        << "MOUNT cannot take a folder name with a double quote";
}
#endif

TEST_F(RunFormatterBatchTest, DosNameOnlyForTheBatchItself)
{
    EXPECT_EQ(FormatterBatchDosName(m_dir.path()), "ZELTVI~1.BAT");
    EXPECT_EQ(FormatterBatchDosName(m_dir.path() / "gone"), std::nullopt);
    const TempDir empty;
    EXPECT_EQ(FormatterBatchDosName(empty.path()), std::nullopt);
}

#ifndef _WIN32
TEST(FindProgramOnPath, FirstExecutableFileOfTheSearchPath)
{
    const TempDir dir;
    for (const char* folder : {"a", "b", "c", "d"})
        fs::create_directory(dir.path() / folder);
    WriteProgram(dir.path() / "a" / "dosbox", false);
    fs::create_directory(dir.path() / "b" / "dosbox");
    WriteProgram(dir.path() / "c" / "dosbox", true);
    WriteProgram(dir.path() / "d" / "dosbox", true);
    const std::string a = (dir.path() / "a").string();
    const std::string b = (dir.path() / "b").string();
    const std::string c = (dir.path() / "c").string();
    const std::string d = (dir.path() / "d").string();

    EXPECT_EQ(FindProgramOnPath("dosbox", a + "::" + b + ":" + c + ":" + d),
              dir.path() / "c" / "dosbox")
        << "files that cannot run and folders are passed over";
    EXPECT_EQ(FindProgramOnPath("dosbox", a + ":" + b), std::nullopt);
    EXPECT_EQ(FindProgramOnPath("dosbox", ""), std::nullopt);
}
#endif

} // namespace
} // namespace zelt::test
