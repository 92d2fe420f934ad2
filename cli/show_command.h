#pragma once

#include "cli/command.h"

#include <string>
#include <string_view>

namespace zelt::cli {

// zelt show LIST N
int RunShow(std::span<const std::string_view> args, Streams streams);

// A topic's text as the view shows it, in UTF-8: every line end is one LF,
// a tab stays a tab, and every other byte, control bytes included, is its
// code page 437 character.
std::string TopicTextUtf8(std::string_view topicBytes);

} // namespace zelt::cli
