#include "ui/main_menu_builder.h"

#include "app/menu_items.h"
#include "ui/command_actions.h"
#include "ui/qt_text.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <span>

namespace zelt {

namespace {

QMenu* MakeSubmenu(QWidget* parent, const CommandActions& actions, std::string_view name)
{
    QAction* item = actions.find(name);
    auto* menu = new QMenu(item->text(), parent);
    menu->setObjectName(FromUtf8(name));
    menu->setIcon(item->icon());
    menu->setStatusTip(item->statusTip());
    menu->menuAction()->setStatusTip(item->statusTip());
    menu->menuAction()->setObjectName(FromUtf8(name) + QStringLiteral("Item"));
    menu->setToolTipsVisible(false);
    return menu;
}

// Adds the items of a layout; returns the separators in order.
std::vector<QAction*> Fill(QMenu& menu, std::span<const std::string_view> layout,
                           const CommandActions& actions,
                           const std::function<QMenu*(std::string_view)>& submenu)
{
    std::vector<QAction*> separators;
    for (const std::string_view name : layout) {
        if (name == SeparatorName) {
            separators.push_back(menu.addSeparator());
        } else if (QMenu* sub = submenu(name)) {
            menu.addMenu(sub);
        } else {
            menu.addAction(actions.find(name));
        }
    }
    return separators;
}

} // namespace

MainMenus BuildMainMenus(QMainWindow& window, const CommandActions& actions)
{
    MainMenus menus;
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    bar->setAccessibleName(QStringLiteral("Main menu"));

    menus.listMenu = MakeSubmenu(&window, actions, "ListMenu");
    menus.listMenuSeparator = menus.listMenu->addSeparator();
    menus.listMenuSeparator->setObjectName(QStringLiteral("ListMenuSeparator1"));
    menus.listMenuSeparator->setVisible(false);
    menus.listMenu->addAction(actions.find("ListOther"));

    menus.toolsMenu = MakeSubmenu(&window, actions, "OptionsTools");
    const auto none = [](std::string_view) -> QMenu* { return nullptr; };
    const auto toolsSeparators = Fill(*menus.toolsMenu, ToolsMenuLayout(), actions, none);
    menus.toolsSeparator = toolsSeparators.empty() ? nullptr : toolsSeparators.front();
    if (menus.toolsSeparator != nullptr)
        menus.toolsSeparator->setObjectName(QStringLiteral("OptionsToolsSeperator"));

    const auto submenu = [&menus](std::string_view name) -> QMenu* {
        if (name == "ListMenu")
            return menus.listMenu;
        if (name == "OptionsTools")
            return menus.toolsMenu;
        return nullptr;
    };
    for (const MenuLayout& layout : MenuBarLayout()) {
        QMenu* menu = bar->addMenu(FromUtf8(layout.caption));
        const QString plain = FromUtf8(layout.caption).remove(QLatin1Char('&'));
        menu->setObjectName(plain + QStringLiteral("Menu"));
        menu->setAccessibleName(plain);
        const auto separators = Fill(*menu, layout.items, actions, submenu);
        if (layout.caption == "&Help" && !separators.empty()) {
            menus.helpSeparator = separators.front();
            menus.helpSeparator->setObjectName(QStringLiteral("HelpMenuSeparator1"));
        }
    }

    menus.topicViewPopup = new QMenu(&window);
    menus.topicViewPopup->setObjectName(QStringLiteral("PopupMenuTopic"));
    Fill(*menus.topicViewPopup, TopicViewContextMenuLayout(), actions, none);
    menus.topicsPopup = new QMenu(&window);
    menus.topicsPopup->setObjectName(QStringLiteral("PopupMenuTopics"));
    Fill(*menus.topicsPopup, TopicsGridContextMenuLayout(), actions, none);
    return menus;
}

} // namespace zelt
