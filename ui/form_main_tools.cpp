#include "base/file_error_message.h"
#include "settings/settings.h"
#include "tools/current_folder.h"
#include "tools/formatter_batch.h"
#include "tools/launch_request.h"
#include "tools/section_combiner.h"
#include "ui/command_actions.h"
#include "ui/form_combine_list_sections.h"
#include "ui/form_main.h"
#include "ui/form_run_intprintcom.h"
#include "ui/launcher.h"
#include "ui/main_menu_builder.h"
#include "ui/message_boxes.h"
#include "ui/qt_text.h"

#include <QAction>

namespace zelt {

namespace {

std::filesystem::path CurrentFolder()
{
    std::error_code error;
    return std::filesystem::current_path(error);
}

} // namespace

// The formatter item and its separator show only while the lists folder holds
// the formatter, looked at each time the submenu opens.
void TFormMain::toolsMenuAboutToShow()
{
    const bool formatterPresent = FormatterPresent(m_settings.DefStartupDir);
    m_actions->find("OptionsToolsRunIntprintcom")->setVisible(formatterPresent);
    if (m_menus->toolsSeparator != nullptr)
        m_menus->toolsSeparator->setVisible(formatterPresent);
}

void TFormMain::exploreListLocation()
{
    m_launcher.launch(ExploreFolderRequest(m_settings.DefStartupDir), this);
}

void TFormMain::combineListSections()
{
    // Without a lists folder the sections are looked up in the current one.
    MakeFolderCurrent(m_settings.DefStartupDir);
    const std::filesystem::path folder = CurrentFolder();
    TFormCombineListSections dialog(
        {FirstSectionExists(folder, InterrupSections), FirstSectionExists(folder, PortsSections)},
        this);
    if (m_messages.execDialog(dialog) != QDialog::Accepted)
        return;
    const CombineChoice choice = dialog.choice();
    if (ChoiceRewritesOpenList(choice, m_list.files.listKind))
        closeList();
    const CombineRun run = CombineChosenLists(folder, choice, openListFiles());
    // Also after a failure: the lists combined before it are new in the folder.
    buildListMenu();
    if (run.failed)
        m_messages.error(FromUtf8(FileErrorMessage(*run.failed->error)));
}

void TFormMain::runIntprintcom()
{
    TFormRunIntprintcom dialog(FromUtf8(FormatterParameterFor(m_list.files.listFileName)), this);
    if (m_messages.execDialog(dialog) != QDialog::Accepted)
        return;
    closeList();
    if (const std::error_code error = MakeFolderCurrent(m_settings.DefStartupDir)) {
        m_messages.error(FromUtf8(error.message()));
        return;
    }
    const std::filesystem::path folder = CurrentFolder();
    if (const auto failed = WriteFormatterBatch(folder, dialog.formatterRun())) {
        m_messages.error(FromUtf8(FileErrorMessage(*failed)));
        return;
    }
    m_launcher.launch(RunFormatterBatchRequest(folder, FindDosBox()), this);
}

} // namespace zelt
