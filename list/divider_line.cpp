#include "list/divider_line.h"

#include "list/ascii_text.h"

#include <algorithm>

namespace zelt {

namespace {
constexpr std::size_t ShortestDivider = 36;
constexpr std::size_t LongestDivider = 74;
} // namespace

bool IsDividerLine(std::string_view line) noexcept
{
    if (line.size() < ShortestDivider || line.size() > LongestDivider)
        return false;
    return line.substr(0, 8) == "--------" && line[9] == '-';
}

std::string CutIdentifier(std::string_view dividerLine)
{
    std::string identifier(dividerLine.substr(10, dividerLine.size() - 11));
    std::replace(identifier.begin(), identifier.end(), '-', ' ');
    return std::string(TrimControlAndBlank(identifier));
}

void AssignTitle(std::string& title, std::string_view line)
{
    title.assign(line);
    std::replace(title.begin(), title.end(), '\t', ' ');
}

} // namespace zelt
