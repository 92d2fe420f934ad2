#pragma once

#include "browse/grid_geometry.h"

#include <string>

namespace zelt {

// The fixed colours of references: links green, other references teal.
inline constexpr Rgb LinkGreen{0, 128, 0};
inline constexpr Rgb ReferenceTeal{0, 128, 128};

// How the view looks, as far as written documents repeat it: its font (name
// in UTF-8) and the highlight colour of titles and labels.
struct OutputStyle {
    std::string fontName;
    int fontPointSize = 8;
    Rgb highlight;
};

} // namespace zelt
