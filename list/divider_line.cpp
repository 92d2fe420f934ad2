#include "list/divider_line.h"

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
    std::string identifier;
    AssignIdentifier(identifier, dividerLine);
    return identifier;
}

void AssignIdentifier(std::string& identifier, std::string_view dividerLine)
{
    // A '-' reads as a blank, so dashes trim away like blanks and control bytes.
    const auto blank = [](char c) { return c == '-' || static_cast<unsigned char>(c) <= 32; };
    std::string_view cut = dividerLine.substr(10, dividerLine.size() - 11);
    // Most of a divider is its dash padding: drop it eight at a time first.
    while (cut.ends_with("--------"))
        cut.remove_suffix(8);
    while (!cut.empty() && blank(cut.front()))
        cut.remove_prefix(1);
    while (!cut.empty() && blank(cut.back()))
        cut.remove_suffix(1);
    identifier.assign(cut);
    std::replace(identifier.begin(), identifier.end(), '-', ' ');
}

void AssignTitle(std::string& title, std::string_view line)
{
    title.assign(line);
    for (auto tab = title.find('\t'); tab != std::string::npos; tab = title.find('\t', tab + 1))
        title[tab] = ' ';
}

} // namespace zelt
