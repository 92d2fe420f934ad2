#pragma once

#include "cli/command.h"

namespace zelt::cli {

// zelt categories [--catdesc FILE] LIST
int RunCategories(std::span<const std::string_view> args, Streams streams);

} // namespace zelt::cli
