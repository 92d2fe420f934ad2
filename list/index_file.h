#pragma once

#include "list/file_entry.h"
#include "list/load_observer.h"
#include "list/loaded_list.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zelt {

// The index file keeps a scanned list's topic table beside the list, one line
// per topic: identifier, 20, category, 21, start, 22, length, 23, 24, 31,
// title, CR LF. It is current while its time stamp equals the list's.
std::string IndexFileNameFor(std::string_view listFileName);

void AppendIndexLine(std::string& out, const TopicRef& topic);
std::string FormatIndexFile(const TopicTable& topics);

bool IsIndexCurrent(const FileEntry& list, const FileEntry& index) noexcept;

// Whether the lines can hold the topics so that they read back the same: an
// identifier with a code 20 in it, or a text with CR LF, cannot be held.
bool IndexCanHold(const TopicTable& topics) noexcept;

// Writes the index beside the list and gives it the list's time stamp and
// attributes; the file is replaced whole or not at all. False, and nothing
// written, also when the index cannot hold the topics.
bool WriteIndexFile(const std::string& indexFileName, const TopicTable& topics,
                    const FileEntry& listEntry, const FileSystem& files = RealFileSystem());

// Whether the list file holds a Ctrl-Z, which ends its text, at a byte offset.
using EndOfTextProbe = std::function<bool(std::int64_t offset)>;

// Whether topics read from an index can belong to the list, as a scan of it
// would have made them: in ascending order of start, each after the divider
// line that opens it (so never overlapping), the last one ending where the
// list's text ends (its size, or a Ctrl-Z that endOfTextAt finds there; 2
// bytes further when its last line has no line end). A whole-file topic
// carries the list's own name (section files share one index name) and its
// size less 2.
bool IndexFitsList(const TopicTable& topics, const FileEntry& list, std::string_view listFileName,
                   const EndOfTextProbe& endOfTextAt = {});

// The largest index file a scan of a list of this size can write; a larger
// one is not read.
std::uint64_t MaxIndexFileBytes(std::uint64_t listSize) noexcept;

// Loads the topics from an index file into a list. False, with the list's
// topics emptied, when the file cannot be read, is damaged in any way or
// does not fit the list (needs list.files).
bool ReadIndexFile(const std::string& indexFileName, LoadedList& list, LoadObserver& observer);

// The same from the file's bytes.
bool ParseIndex(std::string_view bytes, LoadedList& list, LoadObserver* observer = nullptr);

} // namespace zelt
