#include "cli_helpers.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

std::string ListWithCategories(std::initializer_list<char> categories)
{
    std::string bytes = DosLines({"Information about this list", ""});
    int n = 0;
    for (const char category : categories)
        bytes += DosLines({Divider(category, std::to_string(n++)), "TITLE", "text", ""});
    return bytes;
}

TEST(CategoriesCommand, PrintsTheBoxEntriesInOrder)
{
    TempDir dir;
    const auto name = dir.write("INTERRUP.LST", ListWithCategories({'D', 'a', 'A', 'L', '\x01'}));
    const auto run = RunCli({"categories", name});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "\u00A0\t All categories\n"
                       "\\x01\t Unknown\n"
                       "!\t Information\n"
                       "A\t Applications\n"
                       "a\t Access software (screen readers, etc)\n"
                       "D\t DOS kernel\n"
                       "L\t Unknown\n");
}

TEST(CategoriesCommand, OneCategoryHasNoAllCategoriesEntry)
{
    TempDir dir;
    std::string bytes;
    for (int n = 0; n < 3; ++n)
        bytes += DosLines({Divider('V', "10" + std::to_string(n)), "TITLE", "text"});
    const auto run = RunCli({"categories", dir.write("VIDEO.LST", bytes)});
    EXPECT_EQ(run.out, "V\t Video\n");
}

TEST(CategoriesCommand, DescriptionFileReplacesTheBuiltInTable)
{
    TempDir dir;
    const auto name = dir.write("INTERRUP.LST", ListWithCategories({'D', 'B'}));
    const auto descriptions = dir.write("CATDESC.INI", "#68=Kernel\r\n#066 = Firmware\r\n");
    const auto run = RunCli({"categories", "--catdesc", descriptions, name});
    EXPECT_EQ(run.out, "\u00A0\t All categories\n!\t Unknown\nB\t Unknown\nD\t Kernel\n");

    EXPECT_EQ(RunCli({"categories", "--catdesc", dir.file("NONE.INI"), name}).exitCode, 1);
    EXPECT_EQ(RunCli({"categories"}).exitCode, 2);
    EXPECT_EQ(RunCli({"categories", name, name}).exitCode, 2);
    EXPECT_EQ(RunCli({"categories", dir.file("MISSING.LST")}).exitCode, 1);
}

} // namespace
} // namespace zelt::test
