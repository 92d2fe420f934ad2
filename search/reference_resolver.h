#pragma once

#include "list/list_cache.h"
#include "list/list_kind.h"
#include "list/topic_table.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zelt {

enum class ResolveOutcome { Found, FoundWithoutFragment, NotFound, NoList, Unrecognised };

// "found", "found-without-fragment", "not-found", "no-list", "unrecognised"
std::string_view ResolveOutcomeName(ResolveOutcome outcome) noexcept;

// Where a reference is read: the list file (its folder is where other lists
// are looked for), its kind, and the identifier of the topic the reference
// stands in (empty when none). Without an open list (kind None), `listFile`
// may be the lists folder itself.
struct ReadingPlace {
    std::filesystem::path listFile;
    ListKind kind = ListKind::None;
    std::string topicIdentifier;
};

struct ResolvedReference {
    ResolveOutcome outcome = ResolveOutcome::Unrecognised;
    // The target list's file name as found in the folder ("PORTS.LST", or
    // "ports.lst"); for NoList the name looked for ("PORTS.LST"); empty when
    // unrecognised.
    std::string listName;
    // The target list's path; empty unless the list was found in the folder.
    std::filesystem::path listFile;
    bool sameList = false;            // the target list is the list being read
    std::optional<TopicNumber> topic; // set for Found / FoundWithoutFragment
    std::string table;                // "01340", "P0123" for a table number; empty otherwise
    // For a table: the line of the target topic's text that defines it (0 = the title line).
    std::optional<std::size_t> tableLine;

    bool found() const noexcept
    {
        return outcome == ResolveOutcome::Found || outcome == ResolveOutcome::FoundWithoutFragment;
    }
};

class TableIndex;
class TopicLocator;

// Resolves references read in a list: table numbers, references into any list
// of the distribution found in the list's folder, OPCODE "word". Other lists'
// topics come from the cache (never kept open); table numbers from a table
// index built once per list file (size + time stamp) in one pass over its
// bytes.
class ReferenceResolver {
public:
    explicit ReferenceResolver(ListTopicsCache& lists);
    ~ReferenceResolver();
    ReferenceResolver(const ReferenceResolver&) = delete;
    ReferenceResolver& operator=(const ReferenceResolver&) = delete;

    // `readTopics`: the topics of the list being read when the caller has it
    // loaded (the open list); otherwise it is loaded through the cache.
    // `reference` is code page 437 bytes.
    ResolvedReference resolve(std::string_view reference, const ReadingPlace& place,
                              const TopicTable* readTopics = nullptr);

    // While the files are taken as fixed (one run of zelt over a list), each
    // target list is looked for and checked once per list read in, instead of
    // at every resolve, which costs a few file system calls each.
    void setFilesFixed(bool fixed) noexcept
    {
        m_filesFixed = fixed;
        m_fixedTargets.clear();
    }

private:
    struct ListState;
    struct FolderState;

    // The list a reference leads into, as found for one place.
    struct TargetList {
        std::string listName;
        std::filesystem::path listFile;
        bool inFolder = false;
        bool sameList = false;
        const TopicTable* topics = nullptr; // nothing when the list cannot be loaded
        ListState* state = nullptr;
        // The place it was found for, while the files are taken as fixed.
        std::filesystem::path readingList;
        ListKind readingKind = ListKind::None;
        const TopicTable* readTopics = nullptr;
    };

    TargetList findTarget(ListKind kind, const ReadingPlace& place, const TopicTable* readTopics);
    const TargetList& targetList(ListKind kind, const ReadingPlace& place,
                                 const TopicTable* readTopics);

    ListState* listState(const std::filesystem::path& listFile, const TopicTable* topics);
    std::optional<std::filesystem::path> findList(const std::filesystem::path& folder,
                                                  std::string_view name);

    ListTopicsCache& m_lists;
    std::map<std::string, std::unique_ptr<ListState>> m_states;
    std::map<std::string, std::unique_ptr<FolderState>> m_folders;
    bool m_filesFixed = false;
    std::map<ListKind, TargetList> m_fixedTargets;
    TargetList m_lastTarget;
};

// A reference as a reader types it (Go To), in the form the lists write it:
// any letter case, with or without the trailing "h", "/" or a blank between
// parts: "int 21/ah=4c", "INT 21 AH=4Ch" and "INT 21/AH=4Ch" all give
// "INT 21/AH=4Ch"; "Table 01234" gives "#01234".
std::string NormaliseTypedReference(std::string_view typed);

// The tooltip over a reference that leads somewhere: "Table 01340 in
// INTERRUP.LST", or the target list's file name, ": " and the topic's title,
// e.g. "PORTS.LST: KEYBOARD - DATA PORT".
std::string ReferenceTargetText(const ResolvedReference& resolved, const TopicTable& targetTopics);

// The information box when nothing can be reached, naming the reference and
// why: "No topic for PORT 9999h in PORTS.LST", "PORTS.LST is not in the lists
// folder", "No table #01234 in INTERRUP.LST", "INT xyz is no reference that
// can be followed". (Read in INTERRUP.LST, "INT xyz" itself is a reference
// that finds no topic, as following it in the window always reported.)
std::string ReferenceFailureText(std::string_view reference, const ResolvedReference& resolved);

} // namespace zelt
