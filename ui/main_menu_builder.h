#pragma once

class QAction;
class QMainWindow;
class QMenu;

namespace zelt {

class CommandActions;

// The submenus and separators the window works with after building the menu bar.
struct MainMenus {
    QMenu* listMenu = nullptr;
    QAction* listMenuSeparator = nullptr;
    QMenu* toolsMenu = nullptr;
    QAction* toolsSeparator = nullptr;
    QAction* helpSeparator = nullptr;
    QMenu* topicViewPopup = nullptr;
    QMenu* topicsPopup = nullptr;
};

// Fills the window's menu bar from the menu layout tables.
MainMenus BuildMainMenus(QMainWindow& window, const CommandActions& actions);

} // namespace zelt
