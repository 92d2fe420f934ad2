#pragma once

#include "base/error_messages.h"
#include "list/list_loader.h"
#include "list/loaded_list.h"
#include "list/topic_reader.h"

#include <optional>
#include <string>
#include <vector>

namespace zelt {

// One report of the open operation, in the order the viewer shows them: the
// numbered ones are warnings, the others information.
struct OpenListMessage {
    std::optional<ErrorNumber> number;
    std::string text;
};

struct OpenListResult {
    // The open list file that topic texts are read from; nothing when no list
    // is open.
    std::optional<TopicReader> stream;
    TopicSource source = TopicSource::None;
    std::vector<OpenListMessage> messages;

    bool opened() const noexcept { return stream.has_value(); }
};

// "Unable to find" for a name that is no file: nothing there, or a folder
// (also through a link); nothing when it is a file. The viewer asks first, so
// that a missing file leaves the open list as it is.
std::optional<OpenListMessage> MissingListMessage(std::string_view listFileName);

// Opens a list the way the viewer and zelt both do: the topics come from the
// index file or a scan, then the list file is opened for reading topic texts.
// Every failure leaves the list closed.
OpenListResult OpenList(LoadedList& list, const LoadRequest& request, LoadObserver& observer);

// The files no writer may replace while the list is open: the one topics are
// read from, and the one its name leads to now, should that be another.
std::vector<FileIdentity> OpenListFiles(const ListFiles& files, const TopicReader& stream);

} // namespace zelt
