#include "cli/show_command.h"

#include "base/error_messages.h"
#include "browse/view_lines.h"
#include "cli/open_list.h"
#include "base/code_page_437.h"
#include "list/topic_reader.h"

#include <charconv>

namespace zelt::cli {

namespace {

constexpr char Usage[] = "usage: zelt show LIST N\n";

std::optional<long long> ParseTopicNumber(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

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
    const auto number = ParseTopicNumber(args[1]);
    if (!number) {
        std::fprintf(streams.err, "zelt: '%.*s' is not a topic number\n%s",
                     static_cast<int>(args[1].size()), args[1].data(), Usage);
        return ExitUsage;
    }
    const std::string listFileName(args[0]);
    LoadedList list;
    auto reader = OpenListForCli(list, listFileName, streams);
    if (!reader)
        return ExitFailure;
    if (*number < 0 || *number >= list.topicCount()) {
        std::fprintf(streams.err, "zelt: no topic %lld in %s; its topics are 0 to %d\n", *number,
                     listFileName.c_str(), list.topicCount() - 1);
        return ExitFailure;
    }
    const auto n = static_cast<TopicNumber>(*number);
    const auto bytes = reader->read(list.topics().start(n), list.topics().length(n));
    if (!bytes) {
        std::fprintf(streams.err, "zelt: %s (topic %lld of %s)\n",
                     ErrorMessageText(ErrorUnableToLoadTopic).c_str(), *number,
                     listFileName.c_str());
        return ExitFailure;
    }
    return WriteOutput(TopicTextUtf8(*bytes), streams) ? ExitSuccess : ExitFailure;
}

} // namespace zelt::cli
