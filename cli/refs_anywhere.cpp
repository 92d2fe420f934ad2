#include "cli/refs_anywhere.h"

#include "base/file_io.h"
#include "browse/topic_references.h"
#include "browse/view_lines.h"
#include "cli/open_list.h"
#include "cli/reference_row.h"
#include "cli/topic_argument.h"

namespace zelt::cli {

int WriteReferencesAnywhere(const LoadedList& list, TopicReader& reader,
                            std::string_view listFileName, bool brokenOnly, Streams streams)
{
    ListTopicsCache lists = CliListsCache();
    ReferenceResolver resolver(lists);
    const TopicTable& topics = list.topics();
    ReadingPlace place{PathFromBytes(listFileName), list.files.listKind, {}};
    constexpr std::size_t Piece = 64 * 1024;
    std::string out;
    for (TopicNumber n = 0; n < topics.size(); ++n) {
        const auto bytes = reader.read(topics.start(n), topics.length(n));
        if (!bytes) {
            // What was found so far still goes out, ahead of the report.
            if (!WriteOutput(out, streams))
                return ExitFailure;
            ReportUnreadableTopic(n, listFileName, streams);
            return ExitFailure;
        }
        place.topicIdentifier = topics.identifier(n);
        for (const TextReference& reference :
             TopicReferences(ShownBytes(*bytes), topics.title(n), list.files.listKind)) {
            const ResolvedReference resolved = resolver.resolve(reference.text, place, &topics);
            if (brokenOnly && resolved.found())
                continue;
            AppendNumber(out, n);
            out += '\t';
            AppendResolvedCells(out, reference.text, resolved);
        }
        if (out.size() >= Piece) {
            if (!WriteOutput(out, streams))
                return ExitFailure;
            out.clear();
        }
    }
    return WriteOutput(out, streams) ? ExitSuccess : ExitFailure;
}

} // namespace zelt::cli
