#pragma once

#include <string>
#include <string_view>

namespace zelt::cli {

// A text cell of the companion's output: code page 437 written as UTF-8,
// with a backslash doubled and bytes below 32 and 127 written as \xNN, so
// that TAB and LF only ever separate cells and lines.
void AppendEscapedCell(std::string& out, std::string_view bytes);
std::string EscapedCell(std::string_view bytes);

} // namespace zelt::cli
