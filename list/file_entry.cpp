#include "list/file_entry.h"

#include <chrono>
#include <ctime>

namespace zelt {

DosTimeStamp PackDosTimeStamp(int year, int month, int day, int hour, int minute, int second)
{
    // The packed form covers 1980 to 2107; times outside it take the nearest end.
    if (year < 1980)
        return PackDosTimeStamp(1980, 1, 1, 0, 0, 0);
    if (year > 2107)
        return PackDosTimeStamp(2107, 12, 31, 23, 59, 58);
    const auto date = static_cast<DosTimeStamp>(((year - 1980) << 9) | (month << 5) | day);
    const auto time = static_cast<DosTimeStamp>((hour << 11) | (minute << 5) | (second / 2));
    return (date << 16) | time;
}

DosTimeStamp ToDosTimeStamp(std::filesystem::file_time_type time)
{
    const auto system = std::chrono::file_clock::to_sys(time);
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(system));
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &seconds) != 0)
        return 0;
#else
    if (localtime_r(&seconds, &local) == nullptr)
        return 0;
#endif
    return PackDosTimeStamp(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                            local.tm_min, local.tm_sec);
}

std::optional<FileEntry> ReadFileEntry(const std::filesystem::path& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::is_regular_file(status))
        return std::nullopt;
    FileEntry entry;
    entry.permissions = status.permissions();
    entry.size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    entry.writeTime = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    entry.timeStamp = ToDosTimeStamp(entry.writeTime);
    return entry;
}

bool CopyFileEntry(const std::filesystem::path& path, const FileEntry& from)
{
    std::error_code timeError;
    std::filesystem::last_write_time(path, from.writeTime, timeError);
    std::error_code permError;
    if (from.permissions != std::filesystem::perms::unknown)
        std::filesystem::permissions(path, from.permissions, permError);
    return !timeError && !permError;
}

} // namespace zelt
