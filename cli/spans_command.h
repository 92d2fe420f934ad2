#pragma once

#include "browse/topic_format.h"
#include "cli/command.h"
#include "list/topic_table.h"

#include <string>

namespace zelt::cli {

// zelt spans LIST
int RunSpans(std::span<const std::string_view> args, Streams streams);

// One line per span of a topic: number, kind, start and length.
void AppendSpanLines(std::string& out, TopicNumber topic, const TopicFormat& format);

} // namespace zelt::cli
