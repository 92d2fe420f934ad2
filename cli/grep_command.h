#pragma once

#include "cli/command.h"

namespace zelt::cli {

// zelt grep [--case] [--words] TEXT LIST...
// One line per line of a topic's text that holds TEXT. Exit status as grep's:
// 0 with hits, 1 without, 2 for bad arguments or an unreadable list.
int RunGrep(std::span<const std::string_view> args, Streams streams);

} // namespace zelt::cli
