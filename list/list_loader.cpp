#include "list/list_loader.h"

#include "base/ascii_text.h"
#include "list/index_file.h"
#include "list/list_scanner.h"

#include <limits>

namespace zelt {

namespace {

constexpr std::uint64_t LargestList = std::numeric_limits<std::int32_t>::max();

LoadOutcome Failed(LoadedList& list, ErrorNumber error)
{
    list.reset();
    return {false, TopicSource::None, error};
}

} // namespace

bool ParsesDividers(std::string_view listFileName, bool onlyParseLst)
{
    if (!onlyParseLst)
        return true;
    const std::string_view name = FileNameOf(listFileName);
    const auto dot = name.rfind('.');
    return dot != std::string_view::npos && EqualsIgnoringCase(name.substr(dot), ".LST");
}

LoadOutcome LoadListTopics(LoadedList& list, const LoadRequest& request, LoadObserver& observer)
{
    list.reset();
    ListFiles& files = list.files;
    files.listFileName = request.listFileName;
    files.parseDividers = ParsesDividers(request.listFileName, request.onlyParseLst);
    files.indexFileName = IndexFileNameFor(request.listFileName);
    files.listKind = ListKindOf(request.listFileName);

    const auto listEntry = ReadFileEntry(PathFromBytes(files.listFileName));
    // Offsets are 32-bit: a list of 2 GiB or more cannot be addressed.
    if (!listEntry || listEntry->size > LargestList)
        return Failed(list, ErrorUnableToLoadList);
    files.listFileEntry = *listEntry;
    files.indexFileEntry = ReadFileEntry(PathFromBytes(files.indexFileName));

    // A list that is itself named like an index file must never be overwritten.
    const bool indexAllowed = !IsSameFile(files.listFileName, files.indexFileName);
    const IndexMode mode = request.indexMode;
    const bool indexUsable = indexAllowed && files.indexFileEntry && !request.forceRebuild &&
                             IsIndexCurrent(files.listFileEntry, *files.indexFileEntry) &&
                             !mode.loadTopicsDirect;
    if (indexUsable && ReadIndexFile(files.indexFileName, list, observer))
        return {true, TopicSource::IndexFile, std::nullopt};

    const bool writeIndex = indexAllowed && !mode.dontUseIndexFile && !mode.loadTopicsDirect;
    const ScanResult scan = ScanListFile(list, writeIndex, observer);
    if (!scan.loaded)
        return Failed(list, *scan.error);
    return {true, TopicSource::Scan, scan.error};
}

} // namespace zelt
