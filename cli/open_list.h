#pragma once

#include "cli/command.h"
#include "list/list_loader.h"
#include "list/loaded_list.h"
#include "list/topic_reader.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelt::cli {

// Opens a list as the viewer does and reports failures on the error stream.
// The result is the open list file that topic texts are read from; nothing
// when there is no list to show.
std::optional<TopicReader> OpenListForCli(LoadedList& list, const LoadRequest& request,
                                          Streams streams);

// The same under the viewer's default settings.
std::optional<TopicReader> OpenListForCli(LoadedList& list, std::string_view listFileName,
                                          Streams streams);

// Writes all of text to the output; false, after saying so, when it cannot.
bool WriteOutput(std::string_view text, Streams streams);

void AppendNumber(std::string& out, long long value);

} // namespace zelt::cli
