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

// The same, saying on the error stream what is wrong, followed by the usage.
std::optional<long long> TopicNumberArgument(std::string_view text, const char* usage,
                                             Streams streams);

// Message 3 for a topic whose text cannot be read, naming the topic and list.
void ReportUnreadableTopic(long long number, std::string_view listFileName, Streams streams);

// The bytes of topic `number` of an open list; nothing, after saying so on the
// error stream, when the list has no such topic or it cannot be read.
std::optional<std::string> ReadTopicForCli(const LoadedList& list, TopicReader& reader,
                                           long long number, std::string_view listFileName,
                                           Streams streams);

} // namespace zelt::cli
