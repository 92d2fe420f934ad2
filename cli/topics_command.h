#pragma once

#include "cli/command.h"
#include "list/loaded_list.h"

#include <string>

namespace zelt::cli {

// zelt topics [--scan] [--no-write] LIST
int RunTopics(std::span<const std::string_view> args, Streams streams);

// One line per topic: number, category, start, length, identifier, title.
void AppendTopicLine(std::string& out, TopicNumber n, const TopicRef& topic);
bool WriteTopicLines(const TopicTable& topics, Streams streams);

} // namespace zelt::cli
