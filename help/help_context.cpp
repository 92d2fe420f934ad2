#include "help/help_context.h"

#include <algorithm>

namespace zelt {

std::optional<int> HelpContextFor(std::span<const int> numbersOutward)
{
    const auto found =
        std::find_if(numbersOutward.begin(), numbersOutward.end(), [](int n) { return n > 0; });
    if (found == numbersOutward.end())
        return std::nullopt;
    return *found;
}

} // namespace zelt
