#include "cli/spans_command.h"

#include "base/error_messages.h"
#include "browse/view_lines.h"
#include "cli/open_list.h"
#include "cli/topic_argument.h"
#include "list/topic_reader.h"

namespace zelt::cli {

namespace {

constexpr char Usage[] = "usage: zelt spans LIST\n";

std::string_view KindName(SpanKind kind)
{
    switch (kind) {
    case SpanKind::Title:
        return "title";
    case SpanKind::Label:
        return "label";
    case SpanKind::Link:
        return "link";
    case SpanKind::Ref:
        return "ref";
    }
    return "?";
}

} // namespace

void AppendSpanLines(std::string& out, TopicNumber topic, const TopicFormat& format)
{
    for (const FormatSpan& span : format.spans) {
        AppendNumber(out, topic);
        out += '\t';
        out += KindName(span.kind);
        out += '\t';
        AppendNumber(out, span.start);
        out += '\t';
        AppendNumber(out, span.length);
        out += '\n';
    }
}

int RunSpans(std::span<const std::string_view> args, Streams streams)
{
    if (args.size() != 1 || args[0].starts_with("--")) {
        std::fputs(Usage, streams.err);
        return ExitUsage;
    }
    const std::string listFileName(args[0]);
    LoadedList list;
    auto reader = OpenListForCli(list, listFileName, streams);
    if (!reader)
        return ExitFailure;
    FormatOptions options;
    options.listKind = list.files.listKind;
    options.parseDividers = list.files.parseDividers;
    const TopicTable& topics = list.topics();
    std::string out;
    for (TopicNumber n = 0; n < topics.size(); ++n) {
        const auto bytes = reader->read(topics.start(n), topics.length(n));
        if (!bytes) {
            // What was formatted so far still goes out, ahead of the report.
            if (!WriteOutput(out, streams))
                return ExitFailure;
            ReportUnreadableTopic(n, listFileName, streams);
            return ExitFailure;
        }
        AppendSpanLines(out, n, FormatTopic(ShownBytes(*bytes), topics.title(n), options));
    }
    return WriteOutput(out, streams) ? ExitSuccess : ExitFailure;
}

} // namespace zelt::cli
