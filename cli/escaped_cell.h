#pragma once

#include <string>
#include <string_view>

namespace zelt::cli {

// A text cell of the companion's output: code page 437 written as UTF-8,
// with a backslash doubled and bytes below 32 and 127 written as \xNN, so
// that TAB and LF only ever separate cells and lines.
void AppendEscapedCell(std::string& out, std::string_view bytes);
std::string EscapedCell(std::string_view bytes);

// A file name or argument as the companion prints it in a message: UTF-8 as
// it is, control characters (bytes below 32, 127 and the UTF-8 of U+0080 to
// U+009F) as \xNN, so that no name can move the cursor or reset the terminal.
std::string EscapedName(std::string_view name);

} // namespace zelt::cli
