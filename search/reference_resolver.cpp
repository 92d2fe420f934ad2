#include "search/reference_resolver.h"

#include "base/ascii_text.h"
#include "base/file_io.h"
#include "base/folder_lookup.h"
#include "list/file_entry.h"
#include "search/follow_reference.h"
#include "search/locate_topic.h"
#include "search/reference_target.h"
#include "search/table_index.h"

#include <system_error>

namespace zelt {

// What is kept of one list while it stays as it was: the sorted identifiers
// for locating and, once a table number asked for it, the table index.
struct ReferenceResolver::ListState {
    const TopicTable* topics = nullptr;
    std::size_t topicCount = 0;
    std::uint64_t size = 0;
    std::filesystem::file_time_type writeTime{};
    std::unique_ptr<TopicLocator> locator;
    std::optional<TableIndex> tables;
    bool tablesRead = false;
};

// The lists found in a folder, kept while the folder's entries stay as they were.
struct ReferenceResolver::FolderState {
    std::filesystem::file_time_type writeTime{};
    std::map<std::string, std::optional<std::filesystem::path>, std::less<>> found;
};

namespace {

ResolveOutcome FromFollow(FollowOutcome outcome) noexcept
{
    switch (outcome) {
    case FollowOutcome::Found:
        return ResolveOutcome::Found;
    case FollowOutcome::FoundWithoutFragment:
        return ResolveOutcome::FoundWithoutFragment;
    case FollowOutcome::NotFound:
        return ResolveOutcome::NotFound;
    case FollowOutcome::Ignored:
    case FollowOutcome::Unrecognised:
        break;
    }
    return ResolveOutcome::Unrecognised;
}

std::optional<TopicNumber> FirstOpcodeTopic(const TopicTable& topics, std::string_view word)
{
    const std::string start = "OPCODE " + std::string(word);
    for (TopicNumber n = 0; n < topics.size(); ++n) {
        const std::string_view title = TrimControlAndBlank(topics.title(n));
        if (StartsWithIgnoringCase(title, start) &&
            (title.size() == start.size() || title[start.size()] == ' '))
            return n;
    }
    return std::nullopt;
}

// Without an open list the place may name the lists folder itself.
std::filesystem::path ListsFolder(const ReadingPlace& place)
{
    std::error_code error;
    if (place.kind == ListKind::None && std::filesystem::is_directory(place.listFile, error))
        return place.listFile;
    const std::filesystem::path folder = place.listFile.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

} // namespace

std::string_view ResolveOutcomeName(ResolveOutcome outcome) noexcept
{
    switch (outcome) {
    case ResolveOutcome::Found:
        return "found";
    case ResolveOutcome::FoundWithoutFragment:
        return "found-without-fragment";
    case ResolveOutcome::NotFound:
        return "not-found";
    case ResolveOutcome::NoList:
        return "no-list";
    case ResolveOutcome::Unrecognised:
        return "unrecognised";
    }
    return "?";
}

ReferenceResolver::ReferenceResolver(ListTopicsCache& lists)
    : m_lists(lists)
{}

ReferenceResolver::~ReferenceResolver() = default;

ReferenceResolver::ListState* ReferenceResolver::listState(const std::filesystem::path& listFile,
                                                           const TopicTable* topics)
{
    const std::optional<FileEntry> entry = ReadFileEntry(listFile);
    if (!entry)
        return nullptr;
    std::unique_ptr<ListState>& state = m_states[BytesFromPath(listFile)];
    if (!state || state->topics != topics || state->topicCount != topics->size() ||
        state->size != entry->size || state->writeTime != entry->writeTime) {
        state = std::make_unique<ListState>();
        state->topics = topics;
        state->topicCount = topics->size();
        state->size = entry->size;
        state->writeTime = entry->writeTime;
        state->locator = std::make_unique<TopicLocator>(*topics);
    }
    return state.get();
}

std::optional<std::filesystem::path>
ReferenceResolver::findList(const std::filesystem::path& folder, std::string_view name)
{
    std::error_code error;
    const auto writeTime = std::filesystem::last_write_time(folder, error);
    if (error)
        return std::nullopt;
    std::unique_ptr<FolderState>& state = m_folders[BytesFromPath(folder)];
    if (!state || state->writeTime != writeTime) {
        state = std::make_unique<FolderState>();
        state->writeTime = writeTime;
    }
    auto kept = state->found.find(name);
    if (kept == state->found.end())
        kept = state->found.emplace(std::string(name), FindFileInFolder(folder, name)).first;
    // A list removed without the folder's time changing (within its resolution) is not found.
    if (kept->second && !ReadFileEntry(*kept->second))
        return std::nullopt;
    return kept->second;
}

ResolvedReference ReferenceResolver::resolve(std::string_view reference, const ReadingPlace& place,
                                             const TopicTable* readTopics)
{
    using Form = ReferenceTarget::Form;
    ResolvedReference resolved;
    const ReferenceTarget target = ReadReferenceTarget(reference, place.kind);
    if (target.form == Form::Unrecognised)
        return resolved;
    // A function of "the same interrupt" needs a topic to take the interrupt from.
    if (target.form == Form::Keyword && target.list == ListKind::Interrup &&
        !StartsWithIgnoringCase(reference, "INT") && place.topicIdentifier.empty())
        return resolved;
    if (target.form == Form::Table)
        resolved.table = target.key;

    const TopicTable* topics = nullptr;
    if (target.list == place.kind) {
        resolved.sameList = true;
        resolved.listFile = place.listFile;
        resolved.listName = BytesFromPath(place.listFile.filename());
        topics = readTopics;
    } else {
        resolved.listName = ListFileName(target.list);
        const std::filesystem::path folder = ListsFolder(place);
        const std::optional<std::filesystem::path> found = findList(folder, resolved.listName);
        if (!found) {
            resolved.outcome = ResolveOutcome::NoList;
            return resolved;
        }
        resolved.listFile = *found;
        resolved.listName = BytesFromPath(found->filename());
    }
    if (!topics) {
        const LoadedList* loaded = m_lists.topics(resolved.listFile);
        if (loaded)
            topics = &loaded->topics();
    }
    ListState* state = topics ? listState(resolved.listFile, topics) : nullptr;
    resolved.outcome = ResolveOutcome::NotFound;
    if (!state)
        return resolved;

    switch (target.form) {
    case Form::Table: {
        if (!state->tablesRead) {
            state->tables = TableIndex::Build(resolved.listFile, *topics);
            state->tablesRead = true;
        }
        const std::optional<TableLocation> location =
            state->tables ? state->tables->find(target.key) : std::nullopt;
        if (location) {
            resolved.outcome = ResolveOutcome::Found;
            resolved.topic = location->topic;
            resolved.tableLine = location->line;
        }
        break;
    }
    case Form::Opcode:
        resolved.topic = FirstOpcodeTopic(*topics, target.key);
        if (resolved.topic)
            resolved.outcome = ResolveOutcome::Found;
        break;
    case Form::Keyword: {
        const TopicLocator& locator = *state->locator;
        const FollowResult follow =
            FollowReference(reference, target.list, place.topicIdentifier,
                            [&locator](std::string_view prefix, std::string_view fragment) {
                                return locator.locate(LocateQuery(prefix, fragment));
                            });
        resolved.outcome = FromFollow(follow.outcome);
        resolved.topic = follow.target;
        break;
    }
    case Form::Unrecognised:
        break;
    }
    return resolved;
}

std::string ReferenceTargetText(const ResolvedReference& resolved, const TopicTable& targetTopics)
{
    if (!resolved.found() || !resolved.topic || *resolved.topic >= targetTopics.size())
        return {};
    if (!resolved.table.empty())
        return "Table " + resolved.table + " in " + resolved.listName;
    return resolved.listName + ": " +
           std::string(TrimControlAndBlank(targetTopics.title(*resolved.topic)));
}

std::string ReferenceFailureText(std::string_view reference, const ResolvedReference& resolved)
{
    switch (resolved.outcome) {
    case ResolveOutcome::NoList:
        return resolved.listName + " is not in the lists folder";
    case ResolveOutcome::NotFound:
        if (!resolved.table.empty())
            return "No table #" + resolved.table + " in " + resolved.listName;
        return "No topic for " + std::string(reference) + " in " + resolved.listName;
    case ResolveOutcome::Unrecognised:
        return std::string(reference) + " is no reference that can be followed";
    case ResolveOutcome::Found:
    case ResolveOutcome::FoundWithoutFragment:
        break;
    }
    return {};
}

} // namespace zelt
