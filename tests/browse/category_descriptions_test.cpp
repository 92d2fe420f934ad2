#include "browse/category_descriptions.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zelt {
namespace {

TEST(CategoryDescriptions, BuiltInTable)
{
    const auto table = CategoryDescriptions::BuiltIn();
    ASSERT_EQ(table.lines().size(), 50u);
    EXPECT_EQ(std::count(table.lines().begin(), table.lines().end(), ""), 2);
    EXPECT_EQ(table.lines()[3], "");
    EXPECT_EQ(table.lines()[27], "");

    EXPECT_EQ(table.describe('!'), "Information");
    EXPECT_EQ(table.describe('A'), "Applications");
    EXPECT_EQ(table.describe('a'), "Access software (screen readers, etc)");
    EXPECT_EQ(table.describe('d'), "Disk I/O enhancements");
    EXPECT_EQ(table.describe('Q'), "DESQview/TopView and Quarterdeck programs");
    EXPECT_EQ(table.describe('y'), "Security");
    for (const char missing : {'L', 'o', 'q', 'w', 'z', '\0', '#'})
        EXPECT_EQ(table.describe(static_cast<CategoryChar>(missing)), "Unknown") << missing;
    EXPECT_EQ(table.describe(255), "Unknown");
}

TEST(CategoryDescriptions, LookupRule)
{
    const CategoryDescriptions table({
        "[Section]",
        "#068=Leading zero",
        "#68 =Blank before",
        "#66=",
        "#66=Second B",
        "#68=Kernel=Core",
        "#68=Later D",
        "#65",
    });
    EXPECT_EQ(table.describe('D'), "Kernel=Core");
    EXPECT_EQ(table.describe('B'), "Unknown");
    EXPECT_EQ(table.describe('A'), "Unknown");

    const CategoryDescriptions longOne({"#65=" + std::string(1'000'000, 'x')});
    EXPECT_EQ(longOne.describe('A'), std::string(CategoryDescriptionLengthLimit, 'x'));
}

TEST(CategoryDescriptions, FileReplacesTheWholeTable)
{
    test::TempDir dir;
    dir.write("CATDESC.INI", "#68=Kernel\r\n");
    const auto table = CategoryDescriptions::FromDataFolders({dir.path() / "none", dir.path()});
    EXPECT_EQ(table.describe('D'), "Kernel");
    EXPECT_EQ(table.describe('A'), "Unknown");
    EXPECT_EQ(table.describe('!'), "Unknown");
}

TEST(CategoryDescriptions, FileLineEndings)
{
    test::TempDir dir;
    const auto read = [&](std::string_view bytes) {
        return CategoryDescriptions::FromFile(dir.write("CATDESC.INI", bytes)).value();
    };
    const auto mixed = read("#65=Apps\r\n#66=Bios\n#67=Cpu\r#68=Dos");
    EXPECT_EQ(mixed.describe('A'), "Apps");
    EXPECT_EQ(mixed.describe('B'), "Bios");
    EXPECT_EQ(mixed.describe('C'), "Cpu");
    EXPECT_EQ(mixed.describe('D'), "Dos");
    EXPECT_EQ(mixed.lines().size(), 4u);

    EXPECT_TRUE(read("").lines().empty());
    EXPECT_EQ(read("").describe('!'), "Unknown");
}

TEST(CategoryDescriptions, MissingFileKeepsTheBuiltInTable)
{
    test::TempDir dir;
    EXPECT_FALSE(CategoryDescriptions::FromFile(dir.file("CATDESC.INI")).has_value());
    EXPECT_EQ(CategoryDescriptions::FromDataFolders({dir.path()}).describe('D'), "DOS kernel");
}

TEST(CategoryDescriptions, TheProgramsFolderComesBeforeTheInstallations)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "program");
    dir.write("program/CATDESC.INI", "#68=Kernel\r\n");
    dir.write("CATDESC.INI", "#68=Installed\r\n");
    const auto table = CategoryDescriptions::FromDataFolders({dir.path() / "program", dir.path()});
    EXPECT_EQ(table.describe('D'), "Kernel");
}

} // namespace
} // namespace zelt
