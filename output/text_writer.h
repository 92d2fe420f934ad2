#pragma once

#include <string>
#include <string_view>

namespace zelt {

// A document's text (see TopicDocument) as a plain text file: its bytes, with
// every line break written as CR LF.
std::string PlainTextOf(std::string_view documentText);

// A document's text as Unicode for other programs, in UTF-8: every character
// as the view shows it, line breaks as '\n' and tabs as tabs.
std::string Utf8TextOf(std::string_view documentText);

} // namespace zelt
