#pragma once

#include "list/list_loader.h"
#include "list/loaded_list.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace zelt {

// The topics of lists read beside the open one, such as the target of a
// reference into another list or the lists of a search over the folder. Each
// is loaded as opening it would (its index file read, or the list scanned and
// the index written when the mode allows), kept while the file's size and
// time stamp stay as they were, and never held open.
class ListTopicsCache {
public:
    ListTopicsCache(bool onlyParseLst, IndexMode indexMode);

    // The topics of a list file; nothing when it cannot be loaded. The
    // returned list stays valid until the next call or a change of settings.
    const LoadedList* topics(const std::filesystem::path& listFile);

    // Other settings load every list anew.
    void setLoadSettings(bool onlyParseLst, IndexMode indexMode);
    void clear() { m_lists.clear(); }

private:
    bool m_onlyParseLst;
    IndexMode m_indexMode;
    std::map<std::string, std::unique_ptr<LoadedList>> m_lists;
};

} // namespace zelt
