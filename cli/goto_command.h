#pragma once

#include "cli/command.h"

namespace zelt::cli {

// zelt goto [--topic N] LIST REF...
int RunGoto(std::span<const std::string_view> args, Streams streams);

} // namespace zelt::cli
