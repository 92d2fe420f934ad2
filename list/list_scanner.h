#pragma once

#include "base/error_messages.h"
#include "list/load_observer.h"
#include "list/loaded_list.h"

#include <optional>

namespace zelt {

struct ScanResult {
    bool loaded = false;
    // Message 1 when the list could not be read (nothing is loaded then),
    // message 2 when only its index file could not be written.
    std::optional<ErrorNumber> error;
};

// Reads the list file named in list.files in one pass into topics and, when
// writeIndex is set, writes its index file. Needs list.files.listFileEntry.
ScanResult ScanListFile(LoadedList& list, bool writeIndex, LoadObserver& observer);

} // namespace zelt
