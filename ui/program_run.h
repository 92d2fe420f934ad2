#pragma once

#include "app/program_state.h"
#include "settings/settings.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zelt {

class Launcher;
class MessageBoxes;
class SettingsStore;
class TFormMain;

// One run of the program from the creation of the main window to the start-up
// list; the caller then runs the event loop unless QUIT asked to end.
class ProgramRun {
public:
    ProgramRun(std::vector<std::string> arguments, MessageBoxes& messages, Launcher& launcher,
               std::unique_ptr<SettingsStore> store, std::filesystem::path programFolder);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Shows the main window and opens the start-up list.
    void start();
    bool quitRequested() const { return m_program.quitAfterStartup; }

    TFormMain& window() const { return *m_window; }
    ProgramState& program() { return m_program; }
    Settings& settings() { return m_settings; }
    SettingsStore& store() const { return *m_store; }

private:
    ProgramState m_program;
    Settings m_settings;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<TFormMain> m_window;
};

} // namespace zelt
