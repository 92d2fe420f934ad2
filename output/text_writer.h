#pragma once

#include <string>
#include <string_view>

namespace zelt {

// A document's text (see TopicDocument) as a plain text file: its bytes, with
// every line break written as CR LF.
std::string PlainTextOf(std::string_view documentText);

} // namespace zelt
