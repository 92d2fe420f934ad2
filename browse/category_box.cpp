#include "browse/category_box.h"

#include "browse/category_descriptions.h"
#include "base/ascii_text.h"

#include <algorithm>

namespace zelt {

std::vector<std::string> BuildCategoryBoxEntries(const std::bitset<256>& present,
                                                 const CategoryDescriptions& descriptions)
{
    std::vector<std::string> entries;
    for (unsigned code = 0; code < AllCategoriesCode; ++code) {
        if (present.test(code)) {
            const auto c = static_cast<CategoryChar>(code);
            entries.push_back(std::string(1, static_cast<char>(c)) + " " +
                              descriptions.describe(c));
        }
    }
    const auto folded = [](const std::string& entry) {
        return static_cast<unsigned char>(UpperAscii(entry.front()));
    };
    std::stable_sort(
        entries.begin(), entries.end(),
        [&](const std::string& a, const std::string& b) { return folded(a) < folded(b); });
    if (entries.size() > 1)
        entries.insert(entries.begin(), std::string(AllCategoriesEntry));
    return entries;
}

} // namespace zelt
