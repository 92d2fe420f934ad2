#pragma once

#include "cli/command.h"

namespace zelt::cli {

// zelt combine [--delete] DIR [BASE...]
int RunCombine(std::span<const std::string_view> args, Streams streams);

} // namespace zelt::cli
