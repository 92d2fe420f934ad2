#pragma once

#include "base/file_io.h"
#include "output/output_style.h"
#include "output/topic_document.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// Writes a whole topic to the file of that name (UTF-8) in the format its
// name asks for (SaveFormatOf), atomically. A file that is there already is
// replaced, unless it is read-only, not a regular file or one of the kept
// files. On failure, the error; the old file is then as it was.
std::optional<FileError> SaveTopic(std::string_view fileName, const TopicDocument& document,
                                   const OutputStyle& style, KeptFiles kept = {},
                                   const FileSystem& files = RealFileSystem());

// What a failed save reports.
std::string CannotCreateFileText(std::string_view fileName);

} // namespace zelt
