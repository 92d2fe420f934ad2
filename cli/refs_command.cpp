#include "cli/refs_command.h"

#include "base/error_messages.h"
#include "browse/view_lines.h"
#include "cli/escaped_cell.h"
#include "cli/open_list.h"
#include "cli/refs_anywhere.h"
#include "cli/topic_argument.h"
#include "search/reference_report.h"

namespace zelt::cli {

namespace {

constexpr char Usage[] = "usage: zelt refs [--anywhere] [--broken] LIST\n";

void AppendRow(std::string& out, TopicNumber n, const ReferenceRow& row)
{
    AppendNumber(out, n);
    out += '\t';
    AppendEscapedCell(out, row.text);
    out += row.linkable ? "\t1\t" : "\t0\t";
    out += row.linkable ? OutcomeName(row.follow.outcome) : "-";
    out += '\t';
    AppendEscapedCell(out, row.follow.prefix);
    out += '\t';
    AppendEscapedCell(out, row.follow.fragment);
    out += '\t';
    AppendNumber(out, row.follow.target ? static_cast<long long>(*row.follow.target) : -1);
    out += '\n';
}

void AppendBrokenRow(std::string& out, TopicNumber n, std::string_view identifier,
                     const ReferenceRow& row)
{
    AppendNumber(out, n);
    out += '\t';
    AppendEscapedCell(out, identifier);
    out += '\t';
    AppendEscapedCell(out, row.text);
    out += '\t';
    out += OutcomeName(row.follow.outcome);
    out += '\n';
}

} // namespace

int RunRefs(std::span<const std::string_view> args, Streams streams)
{
    bool brokenOnly = false;
    bool anywhere = false;
    std::optional<std::string_view> listFileName;
    for (const std::string_view arg : args) {
        if (arg == "--broken" && !brokenOnly) {
            brokenOnly = true;
        } else if (arg == "--anywhere" && !anywhere) {
            anywhere = true;
        } else if (arg.starts_with("--") || listFileName) {
            std::fprintf(streams.err, "zelt: unexpected argument '%s'\n%s",
                         EscapedName(arg).c_str(), Usage);
            return ExitUsage;
        } else {
            listFileName = arg;
        }
    }
    if (!listFileName) {
        std::fputs(Usage, streams.err);
        return ExitUsage;
    }
    LoadedList list;
    auto reader = OpenListForCli(list, *listFileName, streams);
    if (!reader)
        return ExitFailure;
    if (anywhere)
        return WriteReferencesAnywhere(list, *reader, *listFileName, brokenOnly, streams);

    const SeeAlsoFollower resolver(list);
    const TopicTable& topics = list.topics();
    std::string out;
    for (TopicNumber n = 0; n < topics.size(); ++n) {
        const auto bytes = reader->read(topics.start(n), topics.length(n));
        if (!bytes) {
            // What was found so far still goes out, ahead of the report.
            if (!WriteOutput(out, streams))
                return ExitFailure;
            ReportUnreadableTopic(n, *listFileName, streams);
            return ExitFailure;
        }
        for (const ReferenceRow& row : resolver.resolve(n, ShownBytes(*bytes))) {
            if (!brokenOnly)
                AppendRow(out, n, row);
            else if (row.broken())
                AppendBrokenRow(out, n, topics.identifier(n), row);
        }
        if (!WriteWhenFull(out, streams))
            return ExitFailure;
    }
    return WriteOutput(out, streams) ? ExitSuccess : ExitFailure;
}

} // namespace zelt::cli
