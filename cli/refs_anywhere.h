#pragma once

#include "cli/command.h"
#include "list/loaded_list.h"
#include "list/topic_reader.h"

#include <string_view>

namespace zelt::cli {

// The rows of zelt refs --anywhere for an open list: every reference of every
// topic, see-also references and table numbers, resolved wherever it leads.
int WriteReferencesAnywhere(const LoadedList& list, TopicReader& reader,
                            std::string_view listFileName, bool brokenOnly, Streams streams);

} // namespace zelt::cli
