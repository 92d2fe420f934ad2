#include "cli/topics_command.h"

#include "cli/escaped_cell.h"
#include "cli/open_list.h"

#include <charconv>

namespace zelt::cli {

namespace {

void AppendNumber(std::string& out, long long value)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

} // namespace

std::string FormatTopicLines(const TopicTable& topics)
{
    std::string out;
    out.reserve(topics.size() * 80);
    for (TopicNumber n = 0; n < topics.size(); ++n) {
        const TopicRef topic = topics.topic(n);
        AppendNumber(out, n);
        out += '\t';
        const char category = static_cast<char>(topic.category);
        AppendEscapedCell(out, std::string_view(&category, 1));
        out += '\t';
        AppendNumber(out, topic.start);
        out += '\t';
        AppendNumber(out, topic.length);
        out += '\t';
        AppendEscapedCell(out, topic.identifier);
        out += '\t';
        AppendEscapedCell(out, topic.title);
        out += '\n';
    }
    return out;
}

int RunTopics(std::span<const std::string_view> args, Streams streams)
{
    LoadRequest request;
    request.onlyParseLst = true;
    bool haveList = false;
    for (const std::string_view arg : args) {
        if (arg == "--scan") {
            request.indexMode.loadTopicsDirect = true;
        } else if (arg == "--no-write") {
            request.indexMode.dontUseIndexFile = true;
        } else if (arg.starts_with("--") || haveList) {
            std::fprintf(streams.err, "zelt: unexpected argument '%.*s'\n"
                                      "usage: zelt topics [--scan] [--no-write] LIST\n",
                         static_cast<int>(arg.size()), arg.data());
            return ExitUsage;
        } else {
            request.listFileName = arg;
            haveList = true;
        }
    }
    if (!haveList) {
        std::fprintf(streams.err, "usage: zelt topics [--scan] [--no-write] LIST\n");
        return ExitUsage;
    }
    LoadedList list;
    if (!OpenListForCli(list, request, streams))
        return ExitFailure;
    const std::string lines = FormatTopicLines(list.topics());
    if (std::fwrite(lines.data(), 1, lines.size(), streams.out) != lines.size() ||
        std::fflush(streams.out) != 0) {
        std::fprintf(streams.err, "zelt: cannot write the output\n");
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace zelt::cli
