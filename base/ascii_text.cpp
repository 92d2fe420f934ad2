#include "base/ascii_text.h"

#include <algorithm>

namespace zelt {

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return UpperAscii(c); });
    return upper;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept
{
    return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) noexcept
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (UpperAscii(text[i]) != UpperAscii(prefix[i]))
            return false;
    }
    return true;
}

std::string_view TrimControlAndBlank(std::string_view text) noexcept
{
    const auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view FileNameOf(std::string_view path) noexcept
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace zelt
