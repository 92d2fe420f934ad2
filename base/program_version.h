#pragma once

#include <string>
#include <string_view>

namespace zelt {

// The program's own version numbers; the major number selects the settings key.
struct ProgramVersion {
    int major = 2;
    int minor = 0;
    int release = 0;
    int build = 0;
    bool debugBuild = false;
};

// Splits "2.1.7.5" into up to four numbers. The first part that is not a
// decimal integer ends the parse silently; numbers taken before it stay, and
// nothing parsed leaves the major number at 2.
ProgramVersion ParseProgramVersion(std::string_view versionText);

// The version the program was built as: on Windows the FileVersion of its own
// version resource (read as above, so a program file without one is 2.0.0.0),
// elsewhere the build's version. debugBuild is set only when the build defines
// ZELT_DEBUG_BUILD.
ProgramVersion ReadProgramVersion();

// The About box's line, UTF-8: "Version: 2.1" with "ß" and the build number
// for release 0, a letter for releases 2 and up (2 is "a"), nothing for
// release 1, and "  (Debug Build)" for a debug build.
std::string VersionLabelText(const ProgramVersion& version);

} // namespace zelt
