#pragma once

#include "app/command_table.h"

#include <QObject>
#include <array>
#include <string_view>

class QAction;
class QWidget;

namespace zelt {

struct CommandAvailability;

// One QAction per command of the command table and per menu item that is not
// a command, with caption, tooltip, status-bar text, shortcut and glyph. The
// actions belong to the window, so their shortcuts work also for the commands
// that stand in no menu.
class CommandActions final : public QObject {
    Q_OBJECT

public:
    explicit CommandActions(QWidget* window);

    QAction* command(CommandId id) const { return m_commands[static_cast<std::size_t>(id)]; }
    // A command, a menu item of the item table, or ToolButtonOpenList.
    QAction* find(std::string_view name) const;
    // The Search Again tool button shows a tooltip of its own.
    QAction* searchAgainButton() const { return m_searchAgainButton; }

    void apply(const CommandAvailability& availability);

private:
    QAction* makeItem(QWidget* window, std::string_view name, std::string_view caption,
                      std::string_view hint, std::string_view shortcut, int glyph);

    std::array<QAction*, CommandCount> m_commands{};
    std::vector<QAction*> m_items;
    QAction* m_searchAgainButton = nullptr;
};

} // namespace zelt
