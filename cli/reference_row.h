#pragma once

#include "search/reference_resolver.h"

#include <string>
#include <string_view>

namespace zelt::cli {

// The cells of a resolved reference: the reference (escaped), TAB, the target
// list's file name as found in the folder or "-", TAB, the target topic or
// -1, TAB, the outcome, and the line end.
void AppendResolvedCells(std::string& out, std::string_view reference,
                         const ResolvedReference& resolved);

// The settings `zelt` reads other lists with: those of opening a list.
ListTopicsCache CliListsCache();

} // namespace zelt::cli
