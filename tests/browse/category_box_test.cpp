#include "browse/category_box.h"
#include "browse/category_descriptions.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace zelt {
namespace {

std::bitset<256> Present(std::initializer_list<unsigned> codes)
{
    std::bitset<256> present;
    for (const unsigned code : codes)
        present.set(code);
    return present;
}

std::vector<std::string> Entries(std::initializer_list<unsigned> codes)
{
    return BuildCategoryBoxEntries(Present(codes), CategoryDescriptions::BuiltIn());
}

std::string Firsts(const std::vector<std::string>& entries)
{
    std::string firsts;
    for (const std::string& entry : entries)
        firsts += entry.front();
    return firsts;
}

TEST(CategoryBox, SingleCategoryHasNoAllEntry)
{
    const auto entries = Entries({'D'});
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], "D DOS kernel");
    EXPECT_EQ(CategoryOfEntry(entries[0]), 'D');
    EXPECT_TRUE(Entries({}).empty());
}

TEST(CategoryBox, AllEntryOnTopThenFoldedOrder)
{
    const auto entries = Entries({'!', 'D', 'a', 'A'});
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0], "\xFF All categories");
    EXPECT_EQ(entries[0].size(), 16u);
    EXPECT_EQ(CategoryOfEntry(entries[0]), AllCategoriesCode);
    EXPECT_EQ(entries[1], "! Information");
    EXPECT_EQ(entries[2], "A Applications");
    EXPECT_EQ(entries[3], "a Access software (screen readers, etc)");
    EXPECT_EQ(entries[4], "D DOS kernel");
}

TEST(CategoryBox, LowerCaseLettersSortBeforeTheCodesAfterZ)
{
    // '[' (91) and '_' (95) lie between 'Z' and 'a'; 'b' folds to 'B'.
    EXPECT_EQ(Firsts(Entries({'[', 'b', 'Z', '_', 'B', 0xB0, 1, 'z'})), "\xFF\x01"
                                                                        "BbZz[_\xB0");
}

TEST(CategoryBox, DescriptionsAndCode255)
{
    const auto entries = Entries({'L', 255});
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], "L Unknown");

    const CategoryDescriptions custom({"#68=Kernel"});
    const auto customEntries = BuildCategoryBoxEntries(Present({'D', 'A'}), custom);
    ASSERT_EQ(customEntries.size(), 3u);
    EXPECT_EQ(customEntries[1], "A Unknown");
    EXPECT_EQ(customEntries[2], "D Kernel");
}

} // namespace
} // namespace zelt
