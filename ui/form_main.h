#pragma once

#include "app/status_texts.h"
#include "browse/category_descriptions.h"
#include "browse/grid_navigation.h"
#include "list/loaded_list.h"
#include "list/topic_reader.h"
#include "base/program_version.h"
#include "settings/window_layout.h"

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

class CategoryComboBox;
class CommandActions;
class CommandUpdater;
class HintHandler;
class ListMenuController;
class MainPanel;
class MessageBoxes;
class PaneLayoutController;
class SettingsStore;
class StatusBarPanels;
class ToolBarBands;
class TopicView;
class TopicsGrid;
struct LayoutControls;
struct MainMenus;
struct ProgramState;
struct Settings;

// What the main window works with; all of it outlives the window.
struct MainWindowServices {
    ProgramState& program;
    Settings& settings;
    SettingsStore& store;
    MessageBoxes& messages;
    // The command-line parameters without the program name.
    std::vector<std::string> arguments;
    // The folder of the program, where the help file and CATDESC.INI are looked
    // for first (ProgramDataFolders).
    std::filesystem::path programFolder;
};

// The main window: menus, the two tool-bar bands, the topics grid with the topic
// pane and the status bar; it owns the open list.
class TFormMain final : public QMainWindow {
    Q_OBJECT

public:
    explicit TFormMain(MainWindowServices services);
    ~TFormMain() override;

    // No context menu of the window's own: the bands, headers and status bar
    // are never hidden by the user.
    QMenu* createPopupMenu() override { return nullptr; }

    // Start-up after construction: show (the show handler builds the List menu),
    // then open the start-up list.
    void showMainWindow();
    void openStartupList();

    void openList(const std::string& fileName);
    void closeList();
    void markList(const std::string& fileName);
    void buildListMenu();
    void showCategory(CategoryChar category, int row);
    // Shows topic n in the topic view, formatted, with its see-also menu.
    void loadTopic(std::int32_t n);
    // A reference chosen in the see-also menu or clicked in the topic view.
    void followReference(const QString& reference);
    void updateStatusBar(StatusKind kind);
    void updateCommands();

    const LoadedList& loadedList() const { return m_list; }
    const CommandActions& commandActions() const { return *m_actions; }
    StatusBarPanels& statusPanels() const { return *m_status; }
    CategoryComboBox& categoryBox() const;
    TopicsGrid& topicsGrid() const;
    TopicView& topicView() const;
    MainPanel& mainPanel() const { return *m_panel; }
    HintHandler& hints() const { return *m_hints; }
    const ProgramVersion& programVersion() const { return m_version; }
    bool listStreamOpen() const { return m_listStream.has_value(); }
    bool isZoomed() const;

Q_SIGNALS:
    // A topic's text has been put into the view.
    void topicLoaded(std::int32_t topic);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectCommands();
    void readStartupValues();
    void formCreate();
    void validateStartupDir();
    bool finishOpen();
    void buildCategoryBox();
    void categoryComboBoxChange(int index);
    void categorySpeedButtonClick();
    void gridRowSelected(int row);
    void selectGridRow(int row);
    void gridClick();
    void gridDoubleClick();
    void viewStep(GridKey key);
    void executeZoom();
    void showTopic(std::int32_t n, std::string_view shown);
    void formatTopic(std::string_view shown);
    void fillSeeAlsoMenu(const std::vector<std::string>& captions);
    void listOtherClick();
    void toolButtonOpenListClick();
    void updateTopicTitles();
    void toolsMenuAboutToShow();
    void runExitSteps();
    LayoutControls layoutControls();

    ProgramState& m_program;
    Settings& m_settings;
    SettingsStore& m_store;
    MessageBoxes& m_messages;
    std::vector<std::string> m_arguments;
    std::filesystem::path m_programFolder;

    ProgramVersion m_version;
    LoadedList m_list;
    std::optional<TopicReader> m_listStream;
    CategoryDescriptions m_descriptions = CategoryDescriptions::BuiltIn();
    StatusBarTexts m_statusTexts;
    bool m_forceRebuild = false;
    bool m_shownOnce = false;

    CommandActions* m_actions = nullptr;
    std::unique_ptr<MainMenus> m_menus;
    std::unique_ptr<ToolBarBands> m_bands;
    MainPanel* m_panel = nullptr;
    StatusBarPanels* m_status = nullptr;
    HintHandler* m_hints = nullptr;
    CommandUpdater* m_updater = nullptr;
    ListMenuController* m_listMenu = nullptr;
    PaneLayoutController* m_panes = nullptr;
};

} // namespace zelt
