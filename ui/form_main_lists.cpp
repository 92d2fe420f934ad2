#include "app/program_state.h"
#include "browse/category_box.h"
#include "browse/show_category.h"
#include "list/file_entry.h"
#include "list/open_list.h"
#include "list/open_messages.h"
#include "settings/settings.h"
#include "ui/busy_window.h"
#include "ui/category_combo_box.h"
#include "ui/command_actions.h"
#include "ui/command_updater.h"
#include "ui/form_find.h"
#include "ui/form_main.h"
#include "ui/hint_handler.h"
#include "ui/list_load_feedback.h"
#include "ui/list_menu_controller.h"
#include "ui/main_panel.h"
#include "ui/message_boxes.h"
#include "ui/pane_layout_controller.h"
#include "ui/qt_text.h"
#include "ui/status_bar_panels.h"
#include "ui/tool_bar_bands.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"
#include "ui/topics_grid_model.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

namespace zelt {

void TFormMain::openList(const std::string& fileName)
{
    if (const auto missing = MissingListMessage(fileName)) {
        m_messages.inform(FromUtf8(missing->text));
        return;
    }
    closeList();

    LoadRequest request;
    request.listFileName = fileName;
    request.onlyParseLst = m_settings.OnlyParseLST;
    request.indexMode = IndexMode{m_settings.DontUseIndexFile, m_settings.LoadTopicsDirect};
    request.forceRebuild = m_forceRebuild;
    ListLoadFeedback feedback(*m_status, *m_hints);
    OpenListResult result;
    m_panel->model()->changeRows([&] { result = OpenList(m_list, request, feedback); });
    m_updater->markDirty();
    for (const OpenListMessage& message : result.messages) {
        if (message.number)
            m_messages.warn(FromUtf8(message.text));
        else
            m_messages.inform(FromUtf8(message.text));
    }
    if (!result.opened()) {
        closeList();
        return;
    }
    m_listStream = std::move(result.stream);
    if (!finishOpen()) {
        m_messages.inform(FromUtf8(UnableToOpenText(fileName)));
        closeList();
    }
}

bool TFormMain::finishOpen()
{
    try {
        m_panes->unzoom();
        m_panel->topicView()->clearTopic();
        m_panel->grid()->setEnabled(true);
        m_panel->topicView()->setEnabled(false);
        m_panel->topicView()->hide();
        m_panel->seeAlsoButton()->setEnabled(false);
        selectGridRow(0);
        m_panel->currentTopicLabel()->clear();
        buildCategoryBox();
        updateStatusBar(StatusKind::ListChanged);
        categoryBox().setCurrentIndex(0);
        m_list.view.currentCategory = categoryBox().categoryAt(0);
        if (m_panel->grid()->isVisible()) {
            categoryBox().setEnabled(true);
            m_bands->categoryButton()->setEnabled(true);
            m_panel->grid()->viewport()->update();
            m_panel->grid()->setFocus();
        }
        if (m_settings.SingleClickView)
            loadTopic(0);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TFormMain::closeList()
{
    m_listStream.reset();
    m_panes->unzoom();
    m_panel->topicView()->clearTopic();
    m_panel->topicView()->setEnabled(false);
    m_panel->topicView()->hide();
    categoryBox().clear();
    categoryBox().setEnabled(false);
    m_bands->categoryButton()->setEnabled(false);
    m_listMenu->clearTicks();
    m_panel->seeAlsoButton()->setEnabled(false);
    m_panel->model()->changeRows([this] { m_list.close(); });
    m_panel->currentTopicLabel()->clear();
    m_panel->update();
    updateStatusBar(StatusKind::ListChanged);
    m_find->listClosed();
    m_updater->markDirty();
}

std::vector<FileIdentity> TFormMain::openListFiles() const
{
    return m_listStream ? OpenListFiles(m_list.files, *m_listStream) : std::vector<FileIdentity>{};
}

void TFormMain::markList(const std::string& fileName)
{
    m_listMenu->mark(fileName);
}

void TFormMain::buildListMenu()
{
    std::error_code error;
    std::filesystem::current_path(PathFromBytes(m_program.listDirectory), error);
    m_listMenu->build(m_program.listDirectory, std::filesystem::current_path(error),
                      m_settings.DisplayAllLists);
}

void TFormMain::buildCategoryBox()
{
    categoryBox().setEntries(BuildCategoryBoxEntries(m_list.categoriesPresent(), m_descriptions));
}

void TFormMain::categoryComboBoxChange(int index)
{
    const CategoryChar category = categoryBox().categoryAt(index);
    if (m_list.topicCount() > 0 && category != m_list.view.currentCategory)
        showCategory(category, 0);
}

void TFormMain::categorySpeedButtonClick()
{
    if (categoryBox().count() == 0 || categoryBox().currentIndex() == 0)
        return;
    categoryBox().setCurrentIndex(0);
    showCategory(categoryBox().categoryAt(0), 0);
}

void TFormMain::showCategory(CategoryChar category, int row)
{
    {
        const BusyWindow busy;
        m_hints->setHint(FromUtf8(ExtractingTopicsHint));
        m_panel->model()->changeRows([&] { ApplyCategoryView(m_list, category, row); });
    }
    selectGridRow(row);
    updateStatusBar(StatusKind::ViewChanged);
    m_panel->grid()->setEnabled(true);
    if (m_panes->isZoomed()) {
        m_panel->topicView()->setFocus();
    } else {
        m_panel->grid()->setFocus();
        m_panel->grid()->viewport()->update();
    }
    m_updater->markDirty();
    if (m_settings.SingleClickView)
        loadTopic(m_list.view.selectedTopic);
}

void TFormMain::gridRowSelected(int row)
{
    if (row < 0 || row >= m_list.viewRowCount())
        return;
    m_list.view.selectedTopic = static_cast<std::int32_t>(m_list.topicAtRow(row));
    updateStatusBar(StatusKind::SelectionChanged);
    m_updater->markDirty();
}

// A row set from program code: the selection notification, no click behaviour.
void TFormMain::selectGridRow(int row)
{
    TopicsGrid& grid = *m_panel->grid();
    if (row < 0 || row >= grid.model()->rowCount())
        return;
    grid.setCurrentRow(row);
    gridRowSelected(row);
}

void TFormMain::updateStatusBar(StatusKind kind)
{
    ApplyStatusUpdate(m_statusTexts, kind, StatusStateOf(m_list));
    if (kind == StatusKind::ListChanged) {
        setWindowTitle(FromUtf8(m_statusTexts.caption));
        m_status->fitToTopicCount(m_list.topicCount());
    }
    for (int panel = 0; panel < HintHandler::HintPanel; ++panel)
        m_status->setPanelText(panel,
                               FromUtf8(m_statusTexts.panels[static_cast<std::size_t>(panel)]));
}

} // namespace zelt
