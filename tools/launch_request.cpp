#include "tools/launch_request.h"

#include "base/ascii_text.h"
#include "base/file_error_message.h"
#include "base/file_io.h"
#include "tools/formatter_batch.h"

#include <cstdlib>

namespace zelt {

namespace fs = std::filesystem;

namespace {

// A DOS emulator shortens a long name to its first six characters, a tilde and
// a number counted among the long names that start alike.
constexpr std::string_view DosNameStem = "ZELTVI";
constexpr std::string_view FormatterBatchFirstDosName = "ZELTVI~1.BAT";

#ifdef _WIN32
constexpr char SearchPathSeparator = ';';
#else
constexpr char SearchPathSeparator = ':';
#endif

bool IsExecutableFile(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status))
        return false;
#ifdef _WIN32
    return true;
#else
    constexpr fs::perms anyExecute =
        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (status.permissions() & anyExecute) != fs::perms::none;
#endif
}

} // namespace

LaunchRequest ExploreFolderRequest(std::string_view folder, bool windows)
{
    LaunchRequest request;
    request.kind = windows ? LaunchRequest::Kind::ShellVerb : LaunchRequest::Kind::DesktopOpen;
    if (windows)
        request.verb = "explore";
    request.target = std::string(folder);
    return request;
}

LaunchRequest RunFormatterBatchRequest(const fs::path& listsFolder,
                                       const std::optional<fs::path>& dosBox, bool windows)
{
    LaunchRequest request;
    if (windows) {
        // Relative: the lists folder is the current one, and the batch runs there.
        request.kind = LaunchRequest::Kind::ShellVerb;
        request.verb = "open";
        request.target = std::string(FormatterBatchFileName);
        return request;
    }
    const std::string folder = PathToUtf8(listsFolder);
    const std::optional<std::string> dosName = FormatterBatchDosName(listsFolder);
    // MOUNT takes the folder in double quotes; one inside it cannot be passed.
    if (dosBox && dosName && folder.find('"') == std::string::npos) {
        request.kind = LaunchRequest::Kind::Program;
        request.program = PathToUtf8(*dosBox);
        // The batch cannot delete itself under its long name in DOS, so the
        // emulator deletes it by its DOS name once it has returned.
        request.arguments = {"-c", "MOUNT C \"" + folder + "\"",
                             "-c", "C:",
                             "-c", "CALL " + *dosName,
                             "-c", "IF EXIST " + *dosName + " DEL " + *dosName,
                             "-c", "EXIT"};
        request.workingFolder = folder;
        return request;
    }
    request.kind = LaunchRequest::Kind::DesktopOpen;
    request.target = PathToUtf8(listsFolder / PathFromBytes(FormatterBatchFileName));
    return request;
}

std::optional<std::string> FormatterBatchDosName(const fs::path& listsFolder)
{
    std::error_code error;
    fs::directory_iterator entries(listsFolder, error);
    if (error)
        return std::nullopt;
    bool batchFound = false;
    for (const fs::directory_entry& entry : entries) {
        const std::string name = PathToUtf8(entry.path().filename());
        if (name == FormatterBatchFileName)
            batchFound = true;
        else if (StartsWithIgnoringCase(name, DosNameStem))
            return std::nullopt;
    }
    if (!batchFound)
        return std::nullopt;
    return std::string(FormatterBatchFirstDosName);
}

std::optional<fs::path> FindProgramOnPath(std::string_view program, std::string_view searchPath)
{
    while (!searchPath.empty()) {
        const std::size_t end = searchPath.find(SearchPathSeparator);
        const std::string_view folder = searchPath.substr(0, end);
        searchPath =
            end == std::string_view::npos ? std::string_view() : searchPath.substr(end + 1);
        if (folder.empty())
            continue;
        fs::path candidate = PathFromBytes(folder) / PathFromBytes(program);
        if (IsExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

std::optional<fs::path> FindDosBox()
{
    const char* searchPath = std::getenv("PATH");
    return searchPath == nullptr ? std::nullopt : FindProgramOnPath("dosbox", searchPath);
}

} // namespace zelt
