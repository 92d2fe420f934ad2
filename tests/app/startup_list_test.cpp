#include "app/startup_list.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <set>

namespace zelt {
namespace {

TEST(StartupList, CommandLineThenDefaultThenNone)
{
    const std::set<std::string, std::less<>> files{"/l/INTERRUP.LST", "/l/PORTS.LST"};
    int asked = 0;
    const auto exists = [&](std::string_view name) {
        ++asked;
        return files.contains(name);
    };
    EXPECT_EQ(ChooseStartupList("/l/PORTS.LST", "/l/INTERRUP.LST", exists), "/l/PORTS.LST");
    EXPECT_EQ(ChooseStartupList("/l/GONE.LST", "/l/INTERRUP.LST", exists), "/l/INTERRUP.LST");
    EXPECT_EQ(ChooseStartupList("", "/l/INTERRUP.LST", exists), "/l/INTERRUP.LST");
    EXPECT_EQ(ChooseStartupList("/l/GONE.LST", "/l/GONE2.LST", exists), std::nullopt);
    asked = 0;
    EXPECT_EQ(ChooseStartupList("", "", exists), std::nullopt);
    EXPECT_EQ(asked, 0);
}

TEST(StartupList, OnlyFilesCountAsExisting)
{
    test::TempDir dir;
    const std::string list = dir.write("INTERRUP.LST", "x");
    EXPECT_TRUE(IsExistingFile(list));
    EXPECT_FALSE(IsExistingFile(dir.file("PORTS.LST")));
    EXPECT_FALSE(IsExistingFile(dir.path().string()));
    EXPECT_FALSE(IsExistingFile(""));
}

TEST(StartupList, ListDirectoryEndsInOneSeparator)
{
    const std::string plain = ListDirectoryOf(std::filesystem::path("lists"));
    ASSERT_EQ(plain.size(), 6u);
    EXPECT_TRUE(plain.back() == '/' || plain.back() == '\\');
    EXPECT_EQ(ListDirectoryOf(std::filesystem::path("lists/")), "lists/");
    EXPECT_EQ(ListDirectoryOf(std::filesystem::path("/")), "/");
}

} // namespace
} // namespace zelt
