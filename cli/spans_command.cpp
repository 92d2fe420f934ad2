#include "cli/spans_command.h"

#include "app/error_messages.h"
#include "browse/view_lines.h"
#include "cli/open_list.h"
#include "list/open_messages.h"
#include "list/topic_reader.h"

#include <charconv>

namespace zelt::cli {

namespace {

constexpr char Usage[] = "usage: zelt spans LIST\n";

void AppendNumber(std::string& out, long long value)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

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

bool Write(const std::string& text, Streams streams)
{
    if (std::fwrite(text.data(), 1, text.size(), streams.out) == text.size())
        return true;
    std::fputs("zelt: cannot write the output\n", streams.err);
    return false;
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
    LoadRequest request;
    request.listFileName = args[0];
    request.onlyParseLst = true;
    LoadedList list;
    if (!OpenListForCli(list, request, streams))
        return ExitFailure;
    auto reader = TopicReader::Open(request.listFileName);
    if (!reader) {
        std::fprintf(streams.err, "zelt: %s\n", UnableToOpenText(request.listFileName).c_str());
        return ExitFailure;
    }
    FormatOptions options;
    options.listKind = list.files.listKind;
    options.parseDividers = list.files.parseDividers;
    const TopicTable& topics = list.topics();
    std::string out;
    for (TopicNumber n = 0; n < topics.size(); ++n) {
        const auto bytes = reader->read(topics.start(n), topics.length(n));
        if (!bytes) {
            // What was formatted so far still goes out, ahead of the report.
            if (!Write(out, streams))
                return ExitFailure;
            std::fflush(streams.out);
            std::fprintf(streams.err, "zelt: %s (topic %u of %s)\n",
                         ErrorMessageText(ErrorUnableToLoadTopic).c_str(), n,
                         request.listFileName.c_str());
            return ExitFailure;
        }
        AppendSpanLines(out, n, FormatTopic(ShownBytes(*bytes), topics.title(n), options));
    }
    if (!Write(out, streams) || std::fflush(streams.out) != 0)
        return ExitFailure;
    return ExitSuccess;
}

} // namespace zelt::cli
