#include "cli/refs_anywhere.h"

#include "base/file_io.h"
#include "browse/topic_references.h"
#include "browse/view_lines.h"
#include "cli/open_list.h"
#include "cli/reference_row.h"
#include "cli/topic_argument.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace zelt::cli {

namespace {

// The list's bytes read a large piece at a time into one buffer, handed out
// topic by topic as the reader gives them: the bytes that exist, and nothing
// for a topic that starts beyond the line end counted for a last line without
// one. Topics come in file order, so each piece serves many of them.
class TopicWindow {
public:
    TopicWindow(TopicReader& reader, std::uint64_t fileSize)
        : m_reader(reader)
        , m_fileSize(static_cast<std::int64_t>(fileSize))
    {}

    std::optional<std::string_view> topic(std::int32_t start, std::int32_t length)
    {
        if (start < 0 || length < 0)
            return std::nullopt;
        if (start < m_start || static_cast<std::int64_t>(start) + length >
                                   m_start + static_cast<std::int64_t>(m_bytes.size())) {
            // The piece read ends before the file does only when it is full;
            // the reader refuses a read that runs on past the file's end.
            const std::int64_t rest = std::clamp<std::int64_t>(m_fileSize - start, 0, PieceBytes);
            std::optional<std::string> piece =
                m_reader.read(start, std::max(length, static_cast<std::int32_t>(rest)));
            if (!piece)
                return std::nullopt;
            m_bytes = std::move(*piece);
            m_start = start;
        }
        const auto from = static_cast<std::size_t>(start - m_start);
        return std::string_view(m_bytes).substr(from, static_cast<std::size_t>(length));
    }

private:
    static constexpr std::int32_t PieceBytes = 256 * 1024;

    TopicReader& m_reader;
    std::int64_t m_fileSize;
    std::string m_bytes;
    std::int32_t m_start = 0;
};

} // namespace

int WriteReferencesAnywhere(const LoadedList& list, TopicReader& reader,
                            std::string_view listFileName, bool brokenOnly, Streams streams)
{
    ListTopicsCache lists = CliListsCache();
    ReferenceResolver resolver(lists);
    resolver.setFilesFixed(true);
    const TopicTable& topics = list.topics();
    ReadingPlace place{PathFromBytes(listFileName), list.files.listKind, {}};
    std::string out;
    TopicWindow window(reader, list.files.listFileEntry.size);
    for (TopicNumber n = 0; n < topics.size(); ++n) {
        const auto bytes = window.topic(topics.start(n), topics.length(n));
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
        if (!WriteWhenFull(out, streams))
            return ExitFailure;
    }
    return WriteOutput(out, streams) ? ExitSuccess : ExitFailure;
}

} // namespace zelt::cli
