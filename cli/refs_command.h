#pragma once

#include "cli/command.h"

namespace zelt::cli {

// zelt refs [--broken] LIST
int RunRefs(std::span<const std::string_view> args, Streams streams);

} // namespace zelt::cli
