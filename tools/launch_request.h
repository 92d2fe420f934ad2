#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

#ifdef _WIN32
inline constexpr bool HostIsWindows = true;
#else
inline constexpr bool HostIsWindows = false;
#endif

// A program the viewer starts for the user and does not wait for.
struct LaunchRequest {
    enum class Kind {
        // The Windows shell's verb on a file or folder, in a normal window.
        ShellVerb,
        // A program with its arguments, started in a folder.
        Program,
        // The desktop's program for a file or folder.
        DesktopOpen,
    };
    Kind kind = Kind::DesktopOpen;
    std::string verb;   // ShellVerb: "open" or "explore"
    std::string target; // ShellVerb and DesktopOpen: the file or folder, UTF-8
    std::string program;
    std::vector<std::string> arguments;
    std::string workingFolder;

    bool operator==(const LaunchRequest&) const = default;
};

// The lists folder in the file explorer; an empty name is passed on as it is.
LaunchRequest ExploreFolderRequest(std::string_view folder, bool windows = HostIsWindows);

// The formatter's batch file in the lists folder, in a window the user sees:
// the shell's "open" on Windows, where the command processor runs it; elsewhere
// the DOS emulator when there is one, else whatever the desktop opens it with.
LaunchRequest RunFormatterBatchRequest(const std::filesystem::path& listsFolder,
                                       const std::optional<std::filesystem::path>& dosBox,
                                       bool windows = HostIsWindows);

// The batch file's DOS name in the folder ("ZELTVI~1.BAT"), which is how a DOS
// emulator names it; nothing when another name of the folder could take that
// short name, so that only the batch file itself is ever run.
std::optional<std::string> FormatterBatchDosName(const std::filesystem::path& listsFolder);

// The first executable file of that name in the folders of a search path
// (entries separated by ':', ';' on Windows); empty entries are skipped.
std::optional<std::filesystem::path> FindProgramOnPath(std::string_view program,
                                                       std::string_view searchPath);

// The DOS emulator DOSBox, looked up on the PATH of this process.
std::optional<std::filesystem::path> FindDosBox();

} // namespace zelt
