#pragma once

#include "list/topic_table.h"

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

class CategoryDescriptions;

// Stands for all categories in the category box and in a category view; never a
// category of its own in the box.
inline constexpr CategoryChar AllCategoriesCode = 255;
inline constexpr std::string_view AllCategoriesEntry = "\xFF All categories";

inline constexpr std::string_view CategoryButtonCaption = "Category";
inline constexpr std::string_view CategoryButtonHint = "Click to show All categories";
inline constexpr std::string_view CategoryBoxHint = "Current category";
inline constexpr int CategoryBoxDropDownCount = 21;
// Item height at 96 pixels per inch, scaled like the other sizes.
inline constexpr int CategoryItemHeightAt96 = 15;

// The box's entries for the categories present: the character, a blank and its
// description, ordered by the character with a to z folded onto A to Z (equal
// folds keep ascending code order), below the all-categories entry when there
// is more than one.
std::vector<std::string> BuildCategoryBoxEntries(const std::bitset<256>& present,
                                                 const CategoryDescriptions& descriptions);

inline CategoryChar CategoryOfEntry(std::string_view entry) noexcept
{
    return entry.empty() ? CategoryChar{0} : static_cast<CategoryChar>(entry.front());
}

} // namespace zelt
