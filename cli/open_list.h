#pragma once

#include "cli/command.h"
#include "list/list_loader.h"
#include "list/loaded_list.h"
#include "list/topic_reader.h"

#include <cstddef>
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

// Output is gathered in pieces of this size, so that a whole list's rows are
// never held at once.
inline constexpr std::size_t OutputPiece = 64 * 1024;
// Writes out and empties it once it holds a piece; false when that fails.
bool WriteWhenFull(std::string& out, Streams streams);

void AppendNumber(std::string& out, long long value);

} // namespace zelt::cli
