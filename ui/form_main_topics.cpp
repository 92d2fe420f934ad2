#include "base/error_messages.h"
#include "browse/topic_format.h"
#include "browse/view_lines.h"
#include "list/list_change.h"
#include "settings/settings.h"
#include "ui/busy_window.h"
#include "ui/command_updater.h"
#include "ui/form_find.h"
#include "ui/form_main.h"
#include "ui/hint_handler.h"
#include "ui/main_panel.h"
#include "ui/message_boxes.h"
#include "ui/pane_layout_controller.h"
#include "ui/qt_text.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"

#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace zelt {

namespace {

constexpr std::int32_t LargeTopicBytes = 5000;
const QString LoadingTopicHint = QStringLiteral("Loading topic...");
const QString DoneHint = QStringLiteral(" ");

} // namespace

void TFormMain::loadTopic(std::int32_t n)
{
    if (m_list.viewRowCount() <= 0 || n < 0 || n >= m_list.topicCount())
        return;
    // The topics were taken from the list as it was: a list changed since then
    // shows nothing of its text under them.
    const bool changed = ListFileChanged(m_list.files);
    if (changed && !m_readingListAgain) {
        readChangedListAgain(n);
        return;
    }
    m_hints->setHint(LoadingTopicHint);
    const auto topic = static_cast<TopicNumber>(n);
    const std::int32_t length = m_list.topics().length(topic);
    bool loaded = false;
    {
        const WaitCursor wait(length > LargeTopicBytes);
        if (m_listStream && !changed) {
            if (const auto bytes = m_listStream->read(m_list.topics().start(topic), length)) {
                showTopic(n, ShownBytes(*bytes));
                loaded = true;
            }
        }
    }
    if (!loaded)
        m_messages.warn(FromUtf8(ErrorMessageText(ErrorUnableToLoadTopic)));
    m_hints->setHint(DoneHint);
    updateStatusBar(StatusKind::TopicShown);
    m_updater->markDirty();
    if (loaded)
        Q_EMIT topicLoaded(n);
}

void TFormMain::showTopic(std::int32_t n, std::string_view shown)
{
    TopicView& view = *m_panel->topicView();
    view.setUpdatesEnabled(false);
    // Whatever fails while the text is placed or formatted stays as far as it got.
    try {
        view.setTopicText(shown);
        m_list.setCurrentTopic(static_cast<TopicNumber>(n));
        recordShownTopic();
        m_panel->currentTopicLabel()->setText(FromCp437(m_list.view.currentTopicIdentifier));
        view.setReferenceRules(m_list.files.listKind, m_list.view.currentTopicTitle);
        formatTopic(shown);
        view.showStart();
        view.setEnabled(true);
        view.show();
        m_find->topicLoaded();
    } catch (const std::exception&) {
    }
    view.setUpdatesEnabled(true);
}

void TFormMain::formatTopic(std::string_view shown)
{
    FormatOptions options;
    options.listKind = m_list.files.listKind;
    options.parseDividers = m_list.files.parseDividers;
    options.topicFormatting = m_settings.TopicFormatting;
    options.enabledSeeAlsoMenu = m_settings.EnabledSeeAlsoMenu;
    const TopicFormat format = FormatTopic(shown, m_list.view.currentTopicTitle, options);
    m_panel->topicView()->applyFormat(format.spans);
    if (format.replaceSeeAlsoMenu)
        fillSeeAlsoMenu(format.seeAlsoMenu);
    m_panel->seeAlsoButton()->setEnabled(format.seeAlsoButtonEnabled);
}

void TFormMain::fillSeeAlsoMenu(const std::vector<std::string>& captions)
{
    QMenu& menu = *m_panel->seeAlsoMenu();
    menu.clear();
    for (const std::string& caption : captions) {
        const QString reference = FromCp437(caption);
        // The caption exactly as written: an ampersand is no accelerator.
        QAction* item = menu.addAction(QString(reference).replace(u'&', QStringLiteral("&&")));
        item->setData(reference);
    }
}

void TFormMain::gridClick()
{
    if (m_settings.SingleClickView && m_list.topicCount() > 0 &&
        m_list.view.selectedTopic != m_list.view.currentTopicNumber)
        loadTopic(m_list.view.selectedTopic);
}

void TFormMain::gridDoubleClick()
{
    if (m_list.topicCount() <= 0)
        return;
    if (!m_settings.SingleClickView && m_list.view.selectedTopic != m_list.view.currentTopicNumber)
        loadTopic(m_list.view.selectedTopic);
    if (m_settings.DoubleClickZoom)
        executeZoom();
}

// Previous and next topic: the grid's Up or Down key, and the topic shown
// also when selecting alone does not show it.
void TFormMain::viewStep(GridKey key)
{
    m_panel->grid()->handleKey(key);
    if (!m_settings.SingleClickView)
        loadTopic(m_list.view.selectedTopic);
    m_updater->markDirty();
}

// The Zoom Topic command, available while a topic is shown.
void TFormMain::executeZoom()
{
    if (m_list.view.currentTopicNumber >= 0 || m_panes->isZoomed())
        m_panes->toggleZoom();
    m_updater->markDirty();
}

} // namespace zelt
