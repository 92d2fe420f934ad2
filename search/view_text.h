#pragma once

#include <string>
#include <string_view>

namespace zelt {

// The shown topic's text as its search sees it: one byte per view position,
// each line end (CR LF, a lone CR or a lone LF) a single LF, so a position
// found in it is a position of the view.
std::string ViewSearchText(std::string_view shown);

} // namespace zelt
