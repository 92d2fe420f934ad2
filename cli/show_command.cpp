#include "cli/show_command.h"

#include "base/code_page_437.h"
#include "browse/view_lines.h"
#include "cli/open_list.h"
#include "cli/topic_argument.h"
#include "list/topic_reader.h"

namespace zelt::cli {

namespace {

constexpr char Usage[] = "usage: zelt show LIST N\n";

} // namespace

std::string TopicTextUtf8(std::string_view topicBytes)
{
    std::string text;
    text.reserve(topicBytes.size() + topicBytes.size() / 8);
    for (const char16_t character : ViewText(ShownBytes(topicBytes)))
        AppendUtf8(text, character == ViewLineBreak ? U'\n' : char32_t{character});
    return text;
}

int RunShow(std::span<const std::string_view> args, Streams streams)
{
    if (args.size() != 2 || args[0].starts_with("--")) {
        std::fputs(Usage, streams.err);
        return ExitUsage;
    }
    const auto number = TopicNumberArgument(args[1], Usage, streams);
    if (!number)
        return ExitUsage;
    const std::string listFileName(args[0]);
    LoadedList list;
    auto reader = OpenListForCli(list, listFileName, streams);
    if (!reader)
        return ExitFailure;
    const auto bytes = ReadTopicForCli(list, *reader, *number, listFileName, streams);
    if (!bytes)
        return ExitFailure;
    return WriteOutput(TopicTextUtf8(*bytes), streams) ? ExitSuccess : ExitFailure;
}

} // namespace zelt::cli
