#pragma once

#include <filesystem>
#include <string>

namespace zelt {

// The values the whole run shares between start-up, the window and its dialogs.
struct ProgramState {
    // The list named on the command line, as typed; empty when none.
    std::string commandLineList;
    // Settings are not written at exit (CONFIGNOSAVE, NOREGISTRY).
    bool noSaveSettings = false;
    bool helpFileAvailable = false;
    // Where the help file was found; empty when it was not.
    std::filesystem::path helpFile;
    // The folder the List menu lists, ending in a separator.
    std::string listDirectory;
    // Gates recording the pane ratio until the window has been shown once.
    bool mainWindowShown = false;
    // QUIT: end right after start-up, without the exit question or saving.
    bool quitAfterStartup = false;
};

} // namespace zelt
