#include "browse/pane_layout.h"
#include "help/help_context.h"
#include "list/list_change.h"
#include "settings/settings.h"
#include "ui/category_combo_box.h"
#include "ui/command_actions.h"
#include "ui/command_updater.h"
#include "ui/form_config.h"
#include "ui/form_main.h"
#include "ui/help_viewer.h"
#include "ui/hint_handler.h"
#include "ui/list_menu_controller.h"
#include "ui/main_menu_builder.h"
#include "ui/main_panel.h"
#include "ui/message_boxes.h"
#include "ui/open_list_request.h"
#include "ui/pane_layout_controller.h"
#include "ui/qt_text.h"
#include "ui/see_also_key.h"
#include "ui/status_bar_panels.h"
#include "ui/tool_bar_bands.h"
#include "ui/topic_text_search_panel.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace zelt {

namespace {

// A flag that is up while a scope runs.
class RaisedFlag {
public:
    explicit RaisedFlag(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~RaisedFlag() { m_flag = false; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

private:
    bool& m_flag;
};

} // namespace

void TFormMain::connectCommands()
{
    const auto on = [this](CommandId id, auto handler) {
        connect(m_actions->command(id), &QAction::triggered, this, handler);
    };
    on(CommandId::FileClose, [this] { closeList(); });
    on(CommandId::FileExit, [this] { close(); });
    on(CommandId::FileSave, [this] { fileSaveCmdExecute(); });
    on(CommandId::FilePrint, [this] { filePrintCmdExecute(); });
    on(CommandId::EditCopy, [this] { m_panel->topicView()->copy(); });
    on(CommandId::EditSelectAll, [this] { editSelectAllCmdExecute(); });
    on(CommandId::EditCopyTopic, [this] { m_panel->topicView()->copyTopic(); });
    on(CommandId::OptionsUpdateTopicTitles, [this] { updateTopicTitles(); });
    on(CommandId::SearchFind, [this] { showFind(); });
    on(CommandId::SearchSearchAgain, [this] { searchAgain(); });
    on(CommandId::SearchGoTo, [this] { showGoTo(); });
    on(CommandId::SearchBack, [this] { goBack(); });
    on(CommandId::SearchForward, [this] { goForward(); });
    on(CommandId::SearchTopicTexts, [this] { m_textSearch->showAndFocus(); });
    on(CommandId::HeaderTopicsHeaderDefWidth, [this] {
        m_panel->setFirstColumnWidth(DefaultTopicsColumnWidth);
        m_panel->fitPanes();
    });
    on(CommandId::ViewPrev, [this] { viewStep(GridKey::Up); });
    on(CommandId::ViewNext, [this] { viewStep(GridKey::Down); });
    on(CommandId::OptionsZoomTopic, [this] { executeZoom(); });
    on(CommandId::OptionsConfiguration, [this] {
        m_config->execute();
        m_updater->markDirty();
    });
    on(CommandId::HelpHelpIndex, [this] { m_help->showTopic(help_context::Contents); });
    on(CommandId::HelpAbout, [this] { helpAboutCmdExecute(); });
    on(CommandId::OptionsUnzoomTopic, [this] {
        m_panes->unzoom();
        m_updater->markDirty();
    });

    connect(m_actions->find("ListOther"), &QAction::triggered, this, &TFormMain::listOtherClick);
    connect(m_actions->find("ToolButtonOpenList"), &QAction::triggered, this,
            &TFormMain::toolButtonOpenListClick);
    connect(m_menus->toolsMenu, &QMenu::aboutToShow, this, &TFormMain::toolsMenuAboutToShow);
    connect(m_actions->find("OptionsToolsExploreListLocation"), &QAction::triggered, this,
            &TFormMain::exploreListLocation);
    connect(m_actions->find("OptionsToolsCombineListSections"), &QAction::triggered, this,
            &TFormMain::combineListSections);
    connect(m_actions->find("OptionsToolsRunIntprintcom"), &QAction::triggered, this,
            &TFormMain::runIntprintcom);
    for (QMenu* menu : findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, m_updater, &CommandUpdater::updateNow);

    connect(&categoryBox(), &QComboBox::activated, this, &TFormMain::categoryComboBoxChange);
    connect(m_bands->categoryButton(), &QToolButton::clicked, this,
            &TFormMain::categorySpeedButtonClick);
    connect(m_panel->grid()->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { gridRowSelected(current.row()); });
    connect(m_panel->grid(), &TopicsGrid::clickBehaviourRequested, this, &TFormMain::gridClick);
    connect(m_panel->grid(), &TopicsGrid::doubleClickBehaviourRequested, this,
            &TFormMain::gridDoubleClick);
    connect(m_panel->seeAlsoMenu(), &QMenu::triggered, this,
            [this](QAction* item) { followReference(item->data().toString()); });
    connect(m_panel->topicView(), &TopicView::referenceClicked, this, &TFormMain::followReference);
    connect(m_panel->topicView(), &TopicView::referenceCtrlClicked, this,
            [this](const TextReference& reference) { goToReference(reference.text); });

    new SeeAlsoKey(*this, [this] { m_panel->popUpSeeAlsoMenu(); });
}

void TFormMain::listOtherClick()
{
    const auto chosen = m_messages.chooseFileToOpen(OpenListRequest());
    if (!chosen) {
        m_listMenu->restoreTick();
        return;
    }
    const std::string fileName = ToUtf8(*chosen);
    openList(fileName);
    markList(fileName);
}

void TFormMain::toolButtonOpenListClick()
{
    m_hints->setHint(QString());
    m_status->repaint();
    listOtherClick();
}

void TFormMain::updateTopicTitles()
{
    const RaisedFlag force(m_forceRebuild);
    const std::string fileName = m_list.files.listFileName;
    openList(fileName);
    markList(fileName);
}

// A list changed on disk is opened anew and scanned: an index written for the
// old text may carry the new one's time stamp, which it keeps to 2 seconds.
// The topic asked for is shown when the new list still has it.
void TFormMain::readChangedListAgain(std::int32_t n)
{
    const auto asked = static_cast<TopicNumber>(n);
    const std::string identifier(m_list.topics().identifier(asked));
    const std::string title(m_list.topics().title(asked));
    {
        const RaisedFlag again(m_readingListAgain);
        updateTopicTitles();
        if (m_listStream) {
            if (const auto found = FindTopicAgain(m_list.topics(), identifier, title, asked)) {
                showFirstCategory(static_cast<int>(*found));
                if (m_list.view.currentTopicNumber != static_cast<std::int32_t>(*found))
                    loadTopic(static_cast<std::int32_t>(*found));
            }
        }
    }
    m_hints->setHint(FromUtf8(ListReadAgainHint));
}

} // namespace zelt
