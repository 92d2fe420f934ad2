#pragma once

#include <optional>
#include <span>
#include <string>

namespace zelt {

// What the command line asks for. Unset index flags leave the settings as they are.
struct CommandLineResult {
    // The last list name, as typed: names are upper-cased only for comparing,
    // because an upper-cased path does not name the file on a case-sensitive
    // file system.
    std::string commandLineList;
    std::optional<bool> dontUseIndexFile;
    std::optional<bool> loadTopicsDirect;
    bool noSaveSettings = false;
    // The caller deletes the stored settings before it reads the window
    // placement and the settings.
    bool clearStoredSettings = false;
    // QUIT, wherever it stands, also after an unknown switch.
    bool quit = false;
    // An unknown switch was met (message 10); the parameters after it were not
    // examined, except for QUIT.
    bool unknownParameter = false;
};

// Evaluates the parameters without the program name, first to last.
CommandLineResult EvaluateCommandLine(std::span<const std::string> params);

} // namespace zelt
