#include "app/screen_scaling.h"

#include <cstdint>

namespace zelt {

int ScaleToResolution(int pixelsAt96, int pixelsPerInch) noexcept
{
    constexpr std::int64_t base = 96;
    const std::int64_t scaled = std::int64_t{pixelsAt96} * pixelsPerInch;
    std::int64_t quotient = scaled / base;
    std::int64_t remainder = scaled % base;
    // Division truncates toward zero; step the remainder to the same sign as base.
    if (remainder < 0) {
        remainder += base;
        --quotient;
    }
    if (2 * remainder > base || (2 * remainder == base && quotient % 2 != 0))
        ++quotient;
    return static_cast<int>(quotient);
}

} // namespace zelt
