#pragma once

#include "list/list_menu.h"

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;

namespace zelt {

// The entries of the Open List submenu: one radio entry per list file of the
// lists folder above the separator, then Other.../Open.... Clicking an entry
// asks the window to open its file and ticks the entry, even when that failed.
class ListMenuController final : public QObject {
    Q_OBJECT

public:
    using OpenFile = std::function<void(const std::string& fileName)>;

    ListMenuController(QMenu& listMenu, QAction& separator, QAction& listOther, OpenFile open);

    // Lists the *.LST files of a folder; the entries open listDirectory + name.
    void build(const std::string& listDirectory, const std::filesystem::path& folder,
               bool displayAllLists);
    void mark(const std::string& fileName);
    void clearTicks();
    // After a cancelled file dialog: the tick as it was before the click.
    void restoreTick();

    bool hasEntries() const { return !m_entries.empty(); }
    const std::vector<ListMenuEntry>& entries() const { return m_entries; }

private:
    void removeEntries();
    void tick(QAction* action);
    void menuAboutToShow();

    QMenu& m_menu;
    QAction& m_separator;
    QAction& m_listOther;
    OpenFile m_open;
    QActionGroup* m_group = nullptr;
    std::string m_listDirectory;
    std::vector<ListMenuEntry> m_entries;
    std::vector<QAction*> m_entryActions;
    QPointer<QAction> m_ticked;
};

} // namespace zelt
