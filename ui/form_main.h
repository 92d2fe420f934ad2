#pragma once

#include "app/status_texts.h"
#include "base/program_version.h"
#include "browse/category_descriptions.h"
#include "browse/grid_navigation.h"
#include "browse/topic_history.h"
#include "list/loaded_list.h"
#include "list/topic_reader.h"
#include "output/print_plan.h"
#include "settings/window_layout.h"
#include "ui/search_window.h"
#include "ui/topic_text_search_host.h"

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPrinter;
class QTextDocument;

namespace zelt {

class CategoryComboBox;
class CommandActions;
class CommandUpdater;
class HelpRouter;
class HelpViewer;
class HelpWindowViewer;
class HintHandler;
class ListTopicsCache;
class ReferenceResolver;
class Launcher;
class ListMenuController;
class ListTopicsCache;
class MainPanel;
class MessageBoxes;
class PaneLayoutController;
class SettingsStore;
class StatusBarPanels;
class TFormFind;
class TFormGoTo;
class TFormConfig;
class ToolBarBands;
class TopicTextSearchPanel;
class TopicView;
class TopicsGrid;
struct LayoutControls;
struct ReadingPlace;
struct ResolvedReference;
struct TextReference;
struct CommandState;
struct MainMenus;
struct ConfigApplied;
struct ProgramState;
struct Settings;
struct TopicFont;

// What the main window works with; all of it outlives the window.
struct MainWindowServices {
    ProgramState& program;
    Settings& settings;
    SettingsStore& store;
    MessageBoxes& messages;
    // Starts the programs of the Tools menu.
    Launcher& launcher;
    // The command-line parameters without the program name.
    std::vector<std::string> arguments;
    // The folder of the program, where the help file and CATDESC.INI are looked
    // for first (ProgramDataFolders).
    std::filesystem::path programFolder;
};

// The main window: menus, the two tool-bar bands, the topics grid with the topic
// pane and the status bar; it owns the open list.
class TFormMain final : public QMainWindow, private SearchWindow, private TopicTextSearchHost {
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
    void loadTopic(std::int32_t n) override;
    // Shows a topic of a list, opening the list first when it is not the open
    // one; false when the list cannot be opened or has no such topic.
    bool showListTopic(const std::filesystem::path& listFile, TopicNumber topic);
    // Go To...: a reference typed by the user.
    void showGoTo();
    // Follows a reference (code page 437 bytes) wherever it leads, read in the
    // open list and its current topic, or without one in the lists folder;
    // false, after telling why, when it leads nowhere.
    bool goToReference(std::string_view reference);
    // A reference chosen in the see-also menu or clicked in the topic view.
    void followReference(const QString& reference);
    // Find... and Search Again.
    void showFind();
    void searchAgain();
    // Back and Forward through the topics shown.
    void goBack();
    void goForward();
    const TopicHistory& topicHistory() const { return m_history; }
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
    TFormFind& findDialog() const { return *m_find; }
    TFormGoTo& goToDialog() const { return *m_goTo; }
    TopicTextSearchPanel& topicTextSearch() const { return *m_textSearch; }
    const ProgramVersion& programVersion() const { return m_version; }
    bool listStreamOpen() const { return m_listStream.has_value(); }
    bool isZoomed() const;
    // The printer Print Topic prints to, made at the first use with one copy.
    QPrinter& printer();

    TFormConfig& configDialog() const { return *m_config; }
    const HelpRouter& helpRouter() const { return *m_help; }
    // Help requests of the window and its dialogs go to this viewer from now on.
    void setHelpViewer(HelpViewer& viewer);
    TopicFont topicFont() const;

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
    void recordShownTopic();
    ReadingPlace readingPlace() const;
    ResolvedReference resolveReference(std::string_view reference);
    QString referenceTip(const TextReference& reference);
    void stepInHistory(const std::optional<HistoryEntry>& entry);
    void listOtherClick();
    void toolButtonOpenListClick();
    void updateTopicTitles();
    void readChangedListAgain(std::int32_t n);
    std::vector<FileIdentity> openListFiles() const;
    void toolsMenuAboutToShow();
    void fileSaveCmdExecute();
    void filePrintCmdExecute();
    bool printTopic(PrintRange range);
    void editSelectAllCmdExecute();
    CommandState commandState() const;
    void exploreListLocation();
    void combineListSections();
    void runIntprintcom();
    void runExitSteps();
    LayoutControls layoutControls();
    void createDialogs();
    void applyConfiguration(const ConfigApplied& applied);
    void helpAboutCmdExecute();

    // What the Find dialog does to the window.
    const LoadedList& searchedList() const override { return m_list; }
    bool singleClickView() const override;
    int gridRow() const override;
    void clickGridRow(int row) override;
    void showFirstCategory(int row) override;
    void setSearchStatus(const QString& text) override;
    TopicView& searchedView() const override;
    void repaintWindow() override;

    // What the Search Topic Texts panel asks of the window.
    std::vector<TopicTextList> topicTextLists(TopicTextScope scope) const override;
    const LoadedList* topicTextTopics(const std::filesystem::path& listFile) override;
    void showTopicTextHit(const std::filesystem::path& listFile, TopicNumber topic,
                          std::uint32_t line, std::uint32_t column, std::size_t length) override;

    ProgramState& m_program;
    Settings& m_settings;
    SettingsStore& m_store;
    MessageBoxes& m_messages;
    Launcher& m_launcher;
    std::vector<std::string> m_arguments;
    std::filesystem::path m_programFolder;

    ProgramVersion m_version;
    LoadedList m_list;
    std::optional<TopicReader> m_listStream;
    CategoryDescriptions m_descriptions = CategoryDescriptions::BuiltIn();
    StatusBarTexts m_statusTexts;
    bool m_forceRebuild = false;
    bool m_readingListAgain = false;
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
    std::unique_ptr<QPrinter> m_printer;
    // PrintEditor: plain text that is printed other than the view shows it.
    QTextDocument* m_printEditor = nullptr;
    PrintRange m_printRange = PrintRange::All;
    TFormFind* m_find = nullptr;
    TFormGoTo* m_goTo = nullptr;
    TopicHistory m_history;
    // Other lists' topics, read by the reference resolver and the topic text
    // search.
    std::unique_ptr<ListTopicsCache> m_otherLists;
    std::unique_ptr<ReferenceResolver> m_resolver;
    // Off while Back and Forward show their topics, and while a list opened
    // on the way to a topic shows its first one.
    bool m_recordTopics = true;
    TopicTextSearchPanel* m_textSearch = nullptr;
    std::unique_ptr<HelpWindowViewer> m_helpWindow;
    std::unique_ptr<HelpRouter> m_help;
    // Destroyed before the help router it asks.
    std::unique_ptr<TFormConfig> m_config;
};

} // namespace zelt
