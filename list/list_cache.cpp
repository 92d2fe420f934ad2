#include "list/list_cache.h"

#include "base/file_io.h"
#include "list/file_entry.h"

namespace zelt {

ListTopicsCache::ListTopicsCache(bool onlyParseLst, IndexMode indexMode)
    : m_onlyParseLst(onlyParseLst)
    , m_indexMode(indexMode)
{}

void ListTopicsCache::setLoadSettings(bool onlyParseLst, IndexMode indexMode)
{
    if (onlyParseLst == m_onlyParseLst &&
        indexMode.dontUseIndexFile == m_indexMode.dontUseIndexFile &&
        indexMode.loadTopicsDirect == m_indexMode.loadTopicsDirect)
        return;
    m_onlyParseLst = onlyParseLst;
    m_indexMode = indexMode;
    clear();
}

const LoadedList* ListTopicsCache::topics(const std::filesystem::path& listFile)
{
    const std::string name = BytesFromPath(listFile);
    const auto entry = ReadFileEntry(listFile);
    if (!entry) {
        m_lists.erase(name);
        return nullptr;
    }
    if (const auto kept = m_lists.find(name); kept != m_lists.end()) {
        const FileEntry& was = kept->second->files.listFileEntry;
        if (was.size == entry->size && was.writeTime == entry->writeTime)
            return kept->second.get();
        m_lists.erase(kept);
    }

    auto list = std::make_unique<LoadedList>();
    LoadObserver quiet;
    const LoadRequest request{name, m_onlyParseLst, m_indexMode, false};
    if (!LoadListTopics(*list, request, quiet).loaded)
        return nullptr;
    return m_lists.emplace(name, std::move(list)).first->second.get();
}

} // namespace zelt
