#pragma once

#include "base/file_io.h"

#include <filesystem>
#include <string>

namespace zelt {

// A path as UTF-8 text, the form messages and the windows take.
std::string PathToUtf8(const std::filesystem::path& path);

// The program's message for a failed file step: "Cannot open file %s" when a
// file could not be opened or read, "Cannot create file %s" when it could not
// be written, with the file's path in place of %s.
std::string FileErrorMessage(const FileError& error);

} // namespace zelt
