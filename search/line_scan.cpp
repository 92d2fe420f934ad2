#include "search/line_scan.h"

#include <bit>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZELT_LINE_SCAN_SSE2 1
#endif

namespace zelt {

LineScan ScanLines(std::string_view bytes, std::size_t from, std::size_t to) noexcept
{
    LineScan scan;
    const char* data = bytes.data();
    // The last byte of a line end: an LF, or a CR without an LF after it.
    const auto endsLine = [&](std::size_t at) {
        return data[at] == '\n' ||
               (data[at] == '\r' && (at + 1 >= bytes.size() || data[at + 1] != '\n'));
    };
    std::size_t at = from;
#ifdef ZELT_LINE_SCAN_SSE2
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i zero = _mm_setzero_si128();
    // Each block also reads the byte after it, which exists while at + 16 < to
    // or to is inside bytes.
    for (; at + 16 < to || (at + 16 == to && to < bytes.size()); at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + 1));
        const auto zeros = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, zero)));
        if (zeros != 0) {
            to = at + static_cast<std::size_t>(std::countr_zero(zeros));
            scan.zero = to;
            break;
        }
        const __m128i ends =
            _mm_or_si128(_mm_cmpeq_epi8(block, lf),
                         _mm_andnot_si128(_mm_cmpeq_epi8(next, lf), _mm_cmpeq_epi8(block, cr)));
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(ends));
        if (mask != 0) {
            scan.lineStart = at + 32 - static_cast<std::size_t>(std::countl_zero(mask));
            // A block holds at most a few line ends: cheaper than a popcount
            // call on processors the build does not assume to have one.
            for (; mask != 0; mask &= mask - 1)
                ++scan.lineEnds;
        }
    }
#endif
    for (; at < to; ++at) {
        if (data[at] == '\0') {
            scan.zero = at;
            break;
        }
        if (endsLine(at)) {
            ++scan.lineEnds;
            scan.lineStart = at + 1;
        }
    }
    return scan;
}

std::size_t LineEndFrom(std::string_view bytes, std::size_t from, std::size_t to) noexcept
{
    for (std::size_t at = from; at < to; ++at) {
        const char c = bytes[at];
        if (c == '\n' || c == '\r' || c == '\0')
            return at;
    }
    return to;
}

} // namespace zelt
