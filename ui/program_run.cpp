#include "ui/program_run.h"

#include "settings/settings_store.h"
#include "ui/form_main.h"

namespace zelt {

ProgramRun::ProgramRun(std::vector<std::string> arguments, MessageBoxes& messages,
                       Launcher& launcher, std::unique_ptr<SettingsStore> store,
                       std::filesystem::path programFolder)
    : m_store(std::move(store))
{
    m_window = std::make_unique<TFormMain>(
        MainWindowServices{m_program, m_settings, *m_store, messages, launcher,
                           std::move(arguments), std::move(programFolder)});
}

ProgramRun::~ProgramRun() = default;

void ProgramRun::start()
{
    m_window->showMainWindow();
    m_window->openStartupList();
}

} // namespace zelt
