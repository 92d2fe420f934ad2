#pragma once

#include "cli/command.h"
#include "output/output_style.h"

namespace zelt::cli {

// zelt save LIST N FILE
int RunSave(std::span<const std::string_view> args, Streams streams);

// The topic view of a first start: its design font and the highlight colour
// of the standard Windows colour scheme.
OutputStyle DefaultViewStyle();

} // namespace zelt::cli
