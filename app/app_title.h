#pragma once

#include <string_view>

namespace zelt {

// Shown in the window caption, the exit question and the message boxes.
inline constexpr std::string_view AppTitle = "ZELT Viewer";

} // namespace zelt
