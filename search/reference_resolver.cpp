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
#include <unordered_map>

namespace zelt {

// What is kept of one list while it stays as it was: the sorted identifiers
// for locating and, once a table number asked for it, the table index.
struct ReferenceResolver::ListState {
    const TopicTable* topics = nullptr;
    std::size_t topicCount = 0;
    std::uint64_t size = 0;
    std::filesystem::file_time_type writeTime{};
    std::unique_ptr<TopicLocator> locator;
    // Locates done so far, by prefix and fragment: a list names the same
    // topics over and over.
    std::unordered_map<std::string, std::optional<TopicNumber>> located;
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
    // Folder times may be whole seconds: a list added within the second the
    // folder was last read is looked for again, unless the files are fixed.
    else if (!kept->second && !m_filesFixed)
        kept->second = FindFileInFolder(folder, name);
    // A list removed without the folder's time changing (within its resolution) is not found.
    if (kept->second && !ReadFileEntry(*kept->second))
        return std::nullopt;
    return kept->second;
}

ReferenceResolver::TargetList ReferenceResolver::findTarget(ListKind kind,
                                                            const ReadingPlace& place,
                                                            const TopicTable* readTopics)
{
    TargetList target;
    if (kind == place.kind) {
        target.sameList = true;
        target.listFile = place.listFile;
        target.listName = BytesFromPath(place.listFile.filename());
        target.topics = readTopics;
    } else {
        target.listName = ListFileName(kind);
        const std::optional<std::filesystem::path> found =
            findList(ListsFolder(place), target.listName);
        if (!found)
            return target;
        target.listFile = *found;
        target.listName = BytesFromPath(found->filename());
    }
    target.inFolder = true;
    if (!target.topics) {
        if (const LoadedList* loaded = m_lists.topics(target.listFile))
            target.topics = &loaded->topics();
    }
    if (target.topics)
        target.state = listState(target.listFile, target.topics);
    return target;
}

const ReferenceResolver::TargetList& ReferenceResolver::targetList(ListKind kind,
                                                                   const ReadingPlace& place,
                                                                   const TopicTable* readTopics)
{
    if (!m_filesFixed) {
        m_lastTarget = findTarget(kind, place, readTopics);
        return m_lastTarget;
    }
    auto kept = m_fixedTargets.find(kind);
    if (kept != m_fixedTargets.end() &&
        (kept->second.readingList.native() != place.listFile.native() ||
         kept->second.readingKind != place.kind || kept->second.readTopics != readTopics)) {
        // Read in another place: finding a target anew may replace a list's
        // state that another kept target points to.
        m_fixedTargets.clear();
        kept = m_fixedTargets.end();
    }
    if (kept == m_fixedTargets.end()) {
        TargetList found = findTarget(kind, place, readTopics);
        found.readingList = place.listFile;
        found.readingKind = place.kind;
        found.readTopics = readTopics;
        kept = m_fixedTargets.emplace(kind, std::move(found)).first;
    }
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

    const TargetList& list = targetList(target.list, place, readTopics);
    resolved.listName = list.listName;
    resolved.listFile = list.listFile;
    resolved.sameList = list.sameList;
    if (!list.inFolder) {
        resolved.outcome = ResolveOutcome::NoList;
        return resolved;
    }
    resolved.outcome = ResolveOutcome::NotFound;
    ListState* state = list.state;
    if (!state)
        return resolved;
    const TopicTable* topics = list.topics;

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
        const FollowResult follow =
            FollowReference(reference, target.list, place.topicIdentifier,
                            [state](std::string_view prefix, std::string_view fragment) {
                                std::string key(prefix);
                                key += '\0';
                                key += fragment;
                                auto [kept, added] = state->located.try_emplace(std::move(key));
                                if (added)
                                    kept->second =
                                        state->locator->locate(LocateQuery(prefix, fragment));
                                return kept->second;
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
