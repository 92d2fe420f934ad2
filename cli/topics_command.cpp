#include "cli/topics_command.h"

#include "cli/escaped_cell.h"
#include "cli/open_list.h"

namespace zelt::cli {

void AppendTopicLine(std::string& out, TopicNumber n, const TopicRef& topic)
{
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

bool WriteTopicLines(const TopicTable& topics, Streams streams)
{
    std::string lines;
    lines.reserve(OutputPiece + 1024);
    for (TopicNumber n = 0; n < topics.size(); ++n) {
        AppendTopicLine(lines, n, topics.topic(n));
        if (!WriteWhenFull(lines, streams))
            return false;
    }
    return WriteOutput(lines, streams);
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
            std::fprintf(streams.err,
                         "zelt: unexpected argument '%s'\n"
                         "usage: zelt topics [--scan] [--no-write] LIST\n",
                         EscapedName(arg).c_str());
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
    return WriteTopicLines(list.topics(), streams) ? ExitSuccess : ExitFailure;
}

} // namespace zelt::cli
