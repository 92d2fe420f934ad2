#pragma once

#include "cli/command.h"

namespace zelt::cli {

// zelt find [--case] [--words] [--category C] LIST TEXT
// Exit status as grep's: 0 with hits, 1 without, 2 for bad arguments or an
// unreadable list.
int RunFind(std::span<const std::string_view> args, Streams streams);

} // namespace zelt::cli
