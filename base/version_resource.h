#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zelt {

// Windows only: the FileVersion text (US English, code page 1252) of a program
// file's version resource, as UTF-8; nothing when the file has no such entry or
// cannot be read.
std::optional<std::string> ReadFileVersionText(const std::filesystem::path& programFile);

// The running program's own file.
std::filesystem::path RunningProgramFile();

} // namespace zelt
