#pragma once

#include <string_view>

namespace zelt {

// Shown in the window caption, the exit question and the message boxes.
inline constexpr std::string_view AppTitle = "ZELT Viewer";
// The About box's copyright line, UTF-8.
inline constexpr std::string_view CopyrightText = "Copyright \u00A9 2025 the ZELT Viewer authors";

} // namespace zelt
