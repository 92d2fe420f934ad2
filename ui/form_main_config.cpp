#include "app/configuration.h"
#include "app/program_state.h"
#include "help/help_file.h"
#include "settings/settings.h"
#include "ui/form_about.h"
#include "ui/form_config.h"
#include "ui/form_main.h"
#include "ui/help_viewer.h"
#include "ui/help_window.h"
#include "ui/main_panel.h"
#include "ui/message_boxes.h"
#include "ui/qt_text.h"
#include "ui/screen_scale.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"
#include "ui/topics_grid_delegate.h"

namespace zelt {

// The dialogs that live as long as the window; the help router first, which
// the configuration dialog asks too.
void TFormMain::createDialogs()
{
    // Where the help file was found at start-up; without one, where it would
    // be beside the program, so a later request still says it is missing.
    m_helpWindow = std::make_unique<HelpWindowViewer>(
        m_program.helpFile.empty() ? m_programFolder / HelpFileName : m_program.helpFile);
    m_help = std::make_unique<HelpRouter>(m_program.helpFileAvailable, *m_helpWindow);
    m_config = std::make_unique<TFormConfig>(
        ConfigDialogServices{
            m_settings,
            m_program,
            m_messages,
            *m_help,
            m_programFolder,
            [this] { return topicFont(); },
            [this] { return m_list.view.currentTopicNumber >= 0; },
            [this](const ConfigApplied& applied) { applyConfiguration(applied); },
        },
        this);
}

void TFormMain::setHelpViewer(HelpViewer& viewer)
{
    m_help->setViewer(viewer);
}

TopicFont TFormMain::topicFont() const
{
    const QFont font = m_panel->topicView()->font();
    return TopicFont{ToUtf8(font.family()), font.pointSize()};
}

// What OK of the configuration dialog leaves to the window, after the
// settings, the current directory and the List menu's folder have changed.
void TFormMain::applyConfiguration(const ConfigApplied& applied)
{
    if (applied.effects.fontChanged) {
        QFont font(FromUtf8(applied.viewFont.name));
        font.setPointSize(std::max(1, applied.viewFont.size));
        m_panel->setTopicFont(font, ScreenScale::Of(*this));
    }
    if (applied.effects.rebuildListMenu) {
        buildListMenu();
        if (m_list.topicCount() > 0)
            markList(m_list.files.listFileName);
    }
    if (applied.effects.repaintGrid) {
        m_panel->gridDelegate()->setShowCategoryChar(m_settings.ShowCategoryChar);
        m_panel->grid()->viewport()->update();
    }
    if (applied.effects.reloadTopic)
        loadTopic(m_list.view.currentTopicNumber);
}

void TFormMain::helpAboutCmdExecute()
{
    TFormAbout about(m_version, this);
    m_messages.execDialog(about);
}

} // namespace zelt
