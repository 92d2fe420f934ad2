#include "cli/goto_command.h"

#include "base/file_io.h"
#include "cli/escaped_cell.h"
#include "cli/open_list.h"
#include "cli/reference_row.h"
#include "cli/topic_argument.h"

#include <vector>

namespace zelt::cli {

namespace {

constexpr char Usage[] = "usage: zelt goto [--topic N] LIST REF...\n";

} // namespace

int RunGoto(std::span<const std::string_view> args, Streams streams)
{
    std::optional<long long> topicNumber;
    std::size_t at = 0;
    if (at < args.size() && args[at] == "--topic") {
        if (at + 1 >= args.size()) {
            std::fputs(Usage, streams.err);
            return ExitUsage;
        }
        topicNumber = TopicNumberArgument(args[at + 1], Usage, streams);
        if (!topicNumber)
            return ExitUsage;
        at += 2;
    }
    if (at < args.size() && args[at].starts_with("--")) {
        std::fprintf(streams.err, "zelt: unexpected argument '%s'\n%s",
                     EscapedName(args[at]).c_str(), Usage);
        return ExitUsage;
    }
    if (args.size() < at + 2) {
        std::fputs(Usage, streams.err);
        return ExitUsage;
    }
    const std::string_view listFileName = args[at];
    const auto references = args.subspan(at + 1);

    LoadedList list;
    if (!OpenListForCli(list, listFileName, streams))
        return ExitFailure;
    ReadingPlace place{PathFromBytes(listFileName), list.files.listKind, {}};
    if (topicNumber) {
        if (*topicNumber < 0 || *topicNumber >= list.topicCount()) {
            std::fprintf(streams.err, "zelt: no topic %lld in %s; its topics are 0 to %d\n",
                         *topicNumber, EscapedName(listFileName).c_str(), list.topicCount() - 1);
            return ExitUsage;
        }
        place.topicIdentifier = list.topics().identifier(static_cast<TopicNumber>(*topicNumber));
    }

    ListTopicsCache lists = CliListsCache();
    ReferenceResolver resolver(lists);
    resolver.setFilesFixed(true);
    std::string out;
    bool allFound = true;
    for (const std::string_view reference : references) {
        const ResolvedReference resolved = resolver.resolve(reference, place, &list.topics());
        allFound = allFound && resolved.found();
        AppendResolvedCells(out, reference, resolved);
    }
    if (!WriteOutput(out, streams))
        return ExitFailure;
    return allFound ? ExitSuccess : ExitFailure;
}

} // namespace zelt::cli
