#include "ui/program_run.h"

#include "settings/settings_store.h"
#include "ui/form_main.h"
#include "ui/qt_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace zelt {

ProgramRun::ProgramRun(std::vector<std::string> arguments, MessageBoxes& messages,
                       std::unique_ptr<SettingsStore> store, std::filesystem::path programFolder)
    : m_store(std::move(store))
{
    m_window = std::make_unique<TFormMain>(MainWindowServices{
        m_program, m_settings, *m_store, messages, std::move(arguments), std::move(programFolder)});
}

ProgramRun::~ProgramRun() = default;

void ProgramRun::start()
{
    m_window->showMainWindow();
    m_window->openStartupList();
}

std::vector<std::string> ApplicationParameters()
{
    const QStringList arguments = QCoreApplication::arguments();
    std::vector<std::string> parameters;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        parameters.push_back(ToUtf8(arguments[i]));
    return parameters;
}

} // namespace zelt
