#pragma once

#include <string>
#include <string_view>

namespace zelt {

// Written straight into the last status panel while a search or a locate runs.
inline constexpr std::string_view SearchingStatus = "Searching...";
inline constexpr std::string_view LocatingStatus = "Locating topic...";

// The message of a search without hit; the text as the user typed it.
inline std::string NotFoundText(std::string_view searchText)
{
    return "Search string '" + std::string(searchText) +
           "' not found !\n(Select 'Search Again' to restart search from top)";
}

} // namespace zelt
