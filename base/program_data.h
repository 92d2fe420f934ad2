#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace zelt {

// The folders the program's own data files (the help file, CATDESC.INI) are
// looked for in, in this order: the folder that holds the program, then the
// data folder of its installation, <prefix>/share/zeltview for a program in
// <prefix>/bin.
std::vector<std::filesystem::path> ProgramDataFolders(const std::filesystem::path& programFolder);

// The file of that name in the first folder that holds one; nothing when none does.
std::optional<std::filesystem::path>
FindProgramDataFile(const std::vector<std::filesystem::path>& folders, std::string_view name);

} // namespace zelt
