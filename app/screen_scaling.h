#pragma once

namespace zelt {

// Scales a size laid out for 96 pixels per inch, rounding halves to the even
// neighbour: 100 at 120 ppi gives 125, 15 at 144 ppi gives 22.
int ScaleToResolution(int pixelsAt96, int pixelsPerInch) noexcept;

} // namespace zelt
