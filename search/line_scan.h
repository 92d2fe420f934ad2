#pragma once

#include <cstddef>
#include <string_view>

namespace zelt {

// What lies in a stretch of a topic's bytes, for numbering the line that
// follows it.
struct LineScan {
    // Line ends: CR LF, a lone CR or a lone LF, each once.
    std::size_t lineEnds = 0;
    // Where the line after the last of them begins; npos when there is none.
    std::size_t lineStart = std::string_view::npos;
    // The first zero byte, which ends a topic's text; npos when there is none.
    std::size_t zero = std::string_view::npos;
};

// Scans bytes[from, to), many bytes at a time. A CR at to - 1 counts as a
// line end of its own unless bytes[to] is an LF. The scan stops at a zero byte.
LineScan ScanLines(std::string_view bytes, std::size_t from, std::size_t to) noexcept;

// The end of the line that holds `from`: the first CR, LF or zero byte at or
// after it, or `to` when none comes first.
std::size_t LineEndFrom(std::string_view bytes, std::size_t from, std::size_t to) noexcept;

} // namespace zelt
