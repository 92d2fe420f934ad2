#include "base/program_data.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

TEST(ProgramData, FoldersAreTheProgramsThenItsInstallationsDataFolder)
{
    const auto folders = ProgramDataFolders(fs::path("/usr/bin"));
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], fs::path("/usr/bin"));
    EXPECT_EQ(folders[1], fs::path("/usr/share/zeltview").make_preferred());
}

TEST(ProgramData, TheFirstFolderHoldingTheFileWins)
{
    const TempDir dir;
    const fs::path bin = dir.path() / "bin";
    const auto folders = ProgramDataFolders(bin);
    fs::create_directories(bin);
    fs::create_directories(folders[1]);
    EXPECT_EQ(FindProgramDataFile(folders, "ZELTVIEW.HLP"), std::nullopt);

    WriteBytes(folders[1] / "ZELTVIEW.HLP", "installed");
    EXPECT_EQ(FindProgramDataFile(folders, "ZELTVIEW.HLP"), folders[1] / "ZELTVIEW.HLP");
    WriteBytes(bin / "ZELTVIEW.HLP", "beside the program");
    EXPECT_EQ(FindProgramDataFile(folders, "ZELTVIEW.HLP"), bin / "ZELTVIEW.HLP");

    // Only a file counts.
    fs::create_directory(bin / "CATDESC.INI");
    WriteBytes(folders[1] / "CATDESC.INI", "#68=Kernel\r\n");
    EXPECT_EQ(FindProgramDataFile(folders, "CATDESC.INI"), folders[1] / "CATDESC.INI");
}

} // namespace
} // namespace zelt::test
