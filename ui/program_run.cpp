#include "ui/program_run.h"

#include "settings/settings_store.h"
#include "ui/form_main.h"
#include "ui/qt_text.h"

#ifdef Q_OS_WIN
#include <shellapi.h>
#include <windows.h>
#endif

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

std::vector<std::string> ProgramParameters(int argc, char* argv[])
{
    std::vector<std::string> parameters;
#ifdef Q_OS_WIN
    // The wide command line keeps every character of a file name.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; arguments != nullptr && i < count; ++i)
        parameters.push_back(ToUtf8(QString::fromWCharArray(arguments[i])));
    LocalFree(arguments);
#else
    for (int i = 1; i < argc; ++i)
        parameters.emplace_back(argv[i]);
#endif
    return parameters;
}

} // namespace zelt
