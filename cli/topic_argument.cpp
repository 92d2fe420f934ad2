#include "cli/topic_argument.h"

#include "base/error_messages.h"
#include "cli/escaped_cell.h"

#include <charconv>

namespace zelt::cli {

std::optional<long long> ParseTopicNumber(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<long long> TopicNumberArgument(std::string_view text, const char* usage,
                                             Streams streams)
{
    auto number = ParseTopicNumber(text);
    if (!number)
        std::fprintf(streams.err, "zelt: '%s' is not a topic number\n%s", EscapedName(text).c_str(),
                     usage);
    return number;
}

void ReportUnreadableTopic(long long number, std::string_view listFileName, Streams streams)
{
    std::fprintf(streams.err, "zelt: %s (topic %lld of %s)\n",
                 ErrorMessageText(ErrorUnableToLoadTopic).c_str(), number,
                 EscapedName(listFileName).c_str());
}

std::optional<std::string> ReadTopicForCli(const LoadedList& list, TopicReader& reader,
                                           long long number, std::string_view listFileName,
                                           Streams streams)
{
    if (number < 0 || number >= list.topicCount()) {
        std::fprintf(streams.err, "zelt: no topic %lld in %s; its topics are 0 to %d\n", number,
                     EscapedName(listFileName).c_str(), list.topicCount() - 1);
        return std::nullopt;
    }
    const auto n = static_cast<TopicNumber>(number);
    auto bytes = reader.read(list.topics().start(n), list.topics().length(n));
    if (!bytes)
        ReportUnreadableTopic(number, listFileName, streams);
    return bytes;
}

} // namespace zelt::cli
