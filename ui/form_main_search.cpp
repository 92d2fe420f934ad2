#include "base/code_page_437.h"
#include "search/follow_reference.h"
#include "settings/settings.h"
#include "ui/category_combo_box.h"
#include "ui/command_updater.h"
#include "ui/form_find.h"
#include "ui/form_main.h"
#include "ui/hint_handler.h"
#include "ui/main_panel.h"
#include "ui/message_boxes.h"
#include "ui/qt_text.h"
#include "ui/status_bar_panels.h"
#include "ui/topics_grid.h"

namespace zelt {

void TFormMain::showFind()
{
    m_messages.execDialog(*m_find);
    m_panel->grid()->viewport()->repaint();
}

void TFormMain::searchAgain()
{
    if (m_find->findText().isEmpty()) {
        showFind();
        return;
    }
    m_find->runSearch();
    m_panel->grid()->viewport()->repaint();
}

void TFormMain::followReference(const QString& reference)
{
    // The reference came from the list's own bytes, so it maps back exactly.
    const auto bytes = Utf8ToCp437Exact(ToUtf8(reference));
    if (!bytes)
        return;
    const FollowResult result =
        FollowReference(*bytes, m_list.files.listKind, m_list.view.currentTopicIdentifier,
                        [this](std::string_view prefix, std::string_view fragment) {
                            return m_find->locateTopic(prefix, fragment);
                        });
    switch (result.outcome) {
    case FollowOutcome::Ignored:
        return;
    case FollowOutcome::Unrecognised:
        m_messages.inform(FromUtf8(TopicNotLocatedText));
        return;
    case FollowOutcome::NotFound:
        m_messages.inform(FromUtf8(UnableToLocateText));
        break;
    case FollowOutcome::Found:
    case FollowOutcome::FoundWithoutFragment:
        break;
    }
    if (m_settings.SingleClickView)
        m_panel->grid()->setFocus();
    m_updater->markDirty();
}

bool TFormMain::singleClickView() const
{
    return m_settings.SingleClickView;
}

int TFormMain::gridRow() const
{
    return m_panel->grid()->currentRow();
}

void TFormMain::clickGridRow(int row)
{
    if (gridRow() == row)
        return;
    selectGridRow(row);
    gridClick();
}

void TFormMain::showFirstCategory(int row)
{
    if (categoryBox().count() == 0)
        return;
    categoryBox().setCurrentIndex(0);
    showCategory(categoryBox().categoryAt(0), row);
}

void TFormMain::setSearchStatus(const QString& text)
{
    m_status->setPanelText(HintHandler::HintPanel, text);
}

TopicView& TFormMain::searchedView() const
{
    return *m_panel->topicView();
}

void TFormMain::repaintWindow()
{
    repaint();
}

} // namespace zelt
