#pragma once

#include "cli/command.h"
#include "list/loaded_list.h"
#include "list/topic_reader.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelt::cli {

// A topic number as typed on the command line; nothing unless it is all digits
// (with an optional sign).
std::optional<long long> ParseTopicNumber(std::string_view text);

// The bytes of topic `number` of an open list; nothing, after saying so on the
// error stream, when the list has no such topic or it cannot be read.
std::optional<std::string> ReadTopicForCli(const LoadedList& list, TopicReader& reader,
                                           long long number, std::string_view listFileName,
                                           Streams streams);

} // namespace zelt::cli
