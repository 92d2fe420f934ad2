#pragma once

#include "cli/command.h"
#include "list/list_loader.h"
#include "list/loaded_list.h"

#include <string>

namespace zelt::cli {

// Opens a list as the viewer does and reports failures on the error stream;
// false when there is no list to show.
bool OpenListForCli(LoadedList& list, const LoadRequest& request, Streams streams);

} // namespace zelt::cli
