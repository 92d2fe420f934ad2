#include "ui/command_actions.h"

#include "app/command_state.h"
#include "app/menu_items.h"
#include "app/status_texts.h"
#include "ui/glyphs.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QWidget>

namespace zelt {

namespace {

QString PlainCaption(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

void Present(QAction& action, std::string_view caption, std::string_view tooltip,
             std::string_view statusText, std::string_view shortcut, int glyph)
{
    action.setText(FromUtf8(caption));
    action.setIconText(PlainCaption(FromUtf8(caption)));
    action.setToolTip(tooltip.empty() ? PlainCaption(FromUtf8(caption)) : FromUtf8(tooltip));
    action.setStatusTip(FromUtf8(statusText));
    if (!shortcut.empty())
        action.setShortcut(
            QKeySequence::fromString(FromUtf8(shortcut), QKeySequence::PortableText));
    action.setShortcutContext(Qt::WindowShortcut);
    if (glyph >= 0) {
        action.setIcon(CommandGlyph(glyph));
        action.setIconVisibleInMenu(true);
    }
}

} // namespace

CommandActions::CommandActions(QWidget* window)
    : QObject(window)
{
    setObjectName(QStringLiteral("ActionList"));
    for (const CommandInfo& info : CommandTable()) {
        auto* action = new QAction(window);
        action->setObjectName(FromUtf8(info.name));
        Present(*action, info.caption, info.tooltip, info.statusText, info.shortcut, info.glyph);
        window->addAction(action);
        m_commands[static_cast<std::size_t>(info.id)] = action;
    }
    command(CommandId::EditSelectAll)->setCheckable(true);
    command(CommandId::OptionsZoomTopic)->setCheckable(true);

    for (const MenuItemInfo& item : MenuItemTable())
        makeItem(window, item.name, item.caption, item.hint, item.shortcut, item.glyph);
    makeItem(window, ToolButtonOpenList.name, ToolButtonOpenList.caption, ToolButtonOpenList.hint,
             ToolButtonOpenList.shortcut, ToolButtonOpenList.glyph);

    const CommandInfo& again = CommandInfoOf(CommandId::SearchSearchAgain);
    m_searchAgainButton = new QAction(window);
    m_searchAgainButton->setObjectName(QStringLiteral("ToolButtonSearchAgain"));
    Present(*m_searchAgainButton, again.caption, ToolButtonSearchAgainTooltip, again.statusText, "",
            again.glyph);
    connect(m_searchAgainButton, &QAction::triggered, command(CommandId::SearchSearchAgain),
            &QAction::trigger);

    find("ListOther")->setCheckable(true);
}

QAction* CommandActions::makeItem(QWidget* window, std::string_view name, std::string_view caption,
                                  std::string_view hint, std::string_view shortcut, int glyph)
{
    auto* action = new QAction(window);
    action->setObjectName(FromUtf8(name));
    Present(*action, caption, HintShortPart(hint), HintLongPart(hint), shortcut, glyph);
    window->addAction(action);
    m_items.push_back(action);
    return action;
}

QAction* CommandActions::find(std::string_view name) const
{
    if (const CommandInfo* info = FindCommand(name))
        return command(info->id);
    const QString wanted = FromUtf8(name);
    for (QAction* item : m_items) {
        if (item->objectName() == wanted)
            return item;
    }
    return nullptr;
}

void CommandActions::apply(const CommandAvailability& a)
{
    const auto set = [this](CommandId id, bool enabled) { command(id)->setEnabled(enabled); };
    set(CommandId::FileClose, a.fileClose);
    set(CommandId::FileSave, a.fileSave);
    set(CommandId::FilePrint, a.filePrint);
    set(CommandId::EditCopy, a.editCopy);
    set(CommandId::EditSelectAll, a.editSelectAll);
    command(CommandId::EditSelectAll)->setChecked(a.editSelectAllChecked);
    set(CommandId::SearchFind, a.searchFind);
    set(CommandId::SearchSearchAgain, a.searchSearchAgain);
    set(CommandId::SearchTopicTexts, a.searchTopicTexts);
    m_searchAgainButton->setEnabled(a.searchSearchAgain);
    set(CommandId::SearchBack, a.searchBack);
    set(CommandId::SearchForward, a.searchForward);
    set(CommandId::OptionsZoomTopic, a.optionsZoomTopic);
    command(CommandId::OptionsZoomTopic)->setChecked(a.optionsZoomTopicChecked);
    set(CommandId::OptionsUpdateTopicTitles, a.optionsUpdateTopicTitles);
    set(CommandId::ViewPrev, a.viewPrev);
    set(CommandId::ViewNext, a.viewNext);
    set(CommandId::HelpHelpIndex, a.helpHelpIndex);
    command(CommandId::HelpHelpIndex)->setVisible(a.helpHelpIndex);
}

} // namespace zelt
