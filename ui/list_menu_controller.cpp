#include "ui/list_menu_controller.h"

#include "app/menu_items.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace zelt {

ListMenuController::ListMenuController(QMenu& listMenu, QAction& separator, QAction& listOther,
                                       OpenFile open)
    : QObject(&listMenu)
    , m_menu(listMenu)
    , m_separator(separator)
    , m_listOther(listOther)
    , m_open(std::move(open))
    , m_group(new QActionGroup(this))
{
    m_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    m_listOther.setCheckable(true);
    m_group->addAction(&m_listOther);
    connect(&m_menu, &QMenu::aboutToShow, this, &ListMenuController::menuAboutToShow);
}

void ListMenuController::build(const std::string& listDirectory,
                               const std::filesystem::path& folder, bool displayAllLists)
{
    removeEntries();
    m_listDirectory = listDirectory;
    m_entries = BuildListMenuEntries(ListFilesInFolder(folder), displayAllLists);
    for (const ListMenuEntry& entry : m_entries) {
        auto* action = new QAction(FromUtf8(entry.caption), &m_menu);
        action->setObjectName(FromUtf8(entry.componentName));
        action->setCheckable(true);
        action->setStatusTip(FromUtf8(entry.hint));
        if (!entry.shortcut.empty())
            action->setShortcut(
                QKeySequence::fromString(FromUtf8(entry.shortcut), QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        if (entry.isDefault) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
        }
        const std::string fileName = m_listDirectory + entry.fileName;
        connect(action, &QAction::triggered, this, [this, action, fileName] {
            m_open(fileName);
            tick(action);
        });
        m_group->addAction(action);
        m_menu.insertAction(&m_separator, action);
        // The shortcuts work while the menu is closed only as actions of the window.
        if (QWidget* window = m_menu.parentWidget())
            window->addAction(action);
        m_entryActions.push_back(action);
    }
    m_separator.setVisible(!m_entries.empty());
    m_listOther.setText(FromUtf8(ListOtherCaption(!m_entries.empty())));
}

void ListMenuController::mark(const std::string& fileName)
{
    const MarkTarget target = MarkListMenu(m_entries, m_listDirectory, fileName);
    switch (target.kind) {
    case MarkTarget::Kind::Entry:
        tick(m_entryActions.at(target.index));
        break;
    case MarkTarget::Kind::Other:
        tick(&m_listOther);
        break;
    case MarkTarget::Kind::None:
        break;
    }
}

void ListMenuController::clearTicks()
{
    m_ticked = nullptr;
    m_listOther.setChecked(false);
    for (QAction* action : m_entryActions)
        action->setChecked(false);
}

void ListMenuController::restoreTick()
{
    if (m_ticked != nullptr)
        m_ticked->setChecked(true);
    else
        m_listOther.setChecked(false);
}

void ListMenuController::removeEntries()
{
    if (m_ticked != &m_listOther)
        m_ticked = nullptr;
    for (QAction* action : m_entryActions) {
        if (QWidget* window = m_menu.parentWidget())
            window->removeAction(action);
        m_group->removeAction(action);
        m_menu.removeAction(action);
        // The entry may be the one whose click is being handled.
        action->deleteLater();
    }
    m_entryActions.clear();
    m_entries.clear();
}

void ListMenuController::tick(QAction* action)
{
    m_ticked = action;
    action->setChecked(true);
}

void ListMenuController::menuAboutToShow()
{
    if (m_entries.empty()) {
        m_listOther.setChecked(false);
        if (m_ticked == &m_listOther)
            m_ticked = nullptr;
    }
}

} // namespace zelt
