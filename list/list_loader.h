#pragma once

#include "base/error_messages.h"
#include "list/load_observer.h"
#include "list/loaded_list.h"

#include <optional>
#include <string>

namespace zelt {

// The index-mode settings: DontUseIndexFile reads a current index but never
// writes one; LoadTopicsDirect always scans and never touches the index.
struct IndexMode {
    bool dontUseIndexFile = false;
    bool loadTopicsDirect = false;
};

struct LoadRequest {
    std::string listFileName;
    // Split only ".LST" files at their dividers; others become one topic.
    bool onlyParseLst = false;
    IndexMode indexMode;
    // Scan even when the index file is current (Update Topic Titles).
    bool forceRebuild = false;
};

enum class TopicSource { None, IndexFile, Scan };

struct LoadOutcome {
    bool loaded = false;
    TopicSource source = TopicSource::None;
    // Message 1: nothing was loaded. Message 2: loaded, but the index file
    // could not be written.
    std::optional<ErrorNumber> error;
};

// Loads a list's topics the way the viewer opens it: from its index file when
// that is current and may be used, otherwise by scanning the list, writing a
// new index unless the mode forbids it. A failure leaves the list empty.
LoadOutcome LoadListTopics(LoadedList& list, const LoadRequest& request, LoadObserver& observer);

// True when the file is split at divider lines under the OnlyParseLST rule.
bool ParsesDividers(std::string_view listFileName, bool onlyParseLst);

} // namespace zelt
