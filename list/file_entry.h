#pragma once

#include "base/file_io.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// Last-write time in the packed DOS form: 2-second resolution, local time.
using DosTimeStamp = std::uint32_t;

DosTimeStamp PackDosTimeStamp(int year, int month, int day, int hour, int minute, int second);
DosTimeStamp ToDosTimeStamp(std::filesystem::file_time_type time);

// What the program keeps of a directory entry.
struct FileEntry {
    DosTimeStamp timeStamp = 0;
    std::filesystem::file_time_type writeTime{};
    std::uint64_t size = 0;
    std::filesystem::perms permissions = std::filesystem::perms::unknown;
};

// The entry of an existing regular file, nothing otherwise.
std::optional<FileEntry> ReadFileEntry(const std::filesystem::path& path);

// Gives a file the time stamp and attributes of another; false when either fails.
bool CopyFileEntry(const std::filesystem::path& path, const FileEntry& from);

} // namespace zelt
