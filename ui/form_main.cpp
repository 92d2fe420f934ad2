#include "ui/form_main.h"

#include "app/app_title.h"
#include "app/checked_settings.h"
#include "app/command_line.h"
#include "app/command_state.h"
#include "app/program_state.h"
#include "app/startup_list.h"
#include "base/error_messages.h"
#include "base/program_data.h"
#include "browse/category_box.h"
#include "browse/pane_layout.h"
#include "help/help_file.h"
#include "list/file_entry.h"
#include "list/list_cache.h"
#include "list/open_messages.h"
#include "search/reference_resolver.h"
#include "settings/settings_io.h"
#include "ui/category_combo_box.h"
#include "ui/command_actions.h"
#include "ui/command_updater.h"
#include "ui/form_config.h"
#include "ui/form_find.h"
#include "ui/form_go_to.h"
#include "ui/glyphs.h"
#include "ui/help_window.h"
#include "ui/hint_handler.h"
#include "ui/history_mouse_buttons.h"
#include "ui/list_menu_controller.h"
#include "ui/main_menu_builder.h"
#include "ui/main_panel.h"
#include "ui/message_boxes.h"
#include "ui/pane_layout_controller.h"
#include "ui/qt_text.h"
#include "ui/screen_scale.h"
#include "ui/status_bar_panels.h"
#include "ui/tool_bar_bands.h"
#include "ui/topic_text_search_panel.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"
#include "ui/topics_grid_delegate.h"
#include "ui/window_layout_io.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QTextDocument>

namespace zelt {

namespace {

constexpr int MinimumWindowHeight = 180;
constexpr int MinimumWidthBeyondCategoryBand = 25;

} // namespace

TFormMain::TFormMain(MainWindowServices services)
    : m_program(services.program)
    , m_settings(services.settings)
    , m_store(services.store)
    , m_messages(services.messages)
    , m_launcher(services.launcher)
    , m_arguments(std::move(services.arguments))
    , m_programFolder(std::move(services.programFolder))
{
    setObjectName(QStringLiteral("FormMain"));
    createControls();
    readStartupValues();
    formCreate();
    m_find = new TFormFind(*this, m_messages, this);
    m_goTo = new TFormGoTo(this);
    m_otherLists = std::make_unique<ListTopicsCache>(
        m_settings.OnlyParseLST,
        IndexMode{m_settings.DontUseIndexFile, m_settings.LoadTopicsDirect});
    m_resolver = std::make_unique<ReferenceResolver>(*m_otherLists);
    m_panel->topicView()->setReferenceTip(
        [this](const TextReference& reference) { return referenceTip(reference); });
    new HistoryMouseButtons(
        *this, [this] { goBack(); }, [this] { goForward(); });
    createDialogs();
}

TFormMain::~TFormMain() = default;

CategoryComboBox& TFormMain::categoryBox() const
{
    return *m_bands->categoryBox();
}

TopicsGrid& TFormMain::topicsGrid() const
{
    return *m_panel->grid();
}

TopicView& TFormMain::topicView() const
{
    return *m_panel->topicView();
}

bool TFormMain::isZoomed() const
{
    return m_panes->isZoomed();
}

void TFormMain::createControls()
{
    setWindowIcon(ProgramIcon());
    // The panel widths and band sizes are laid out for this font.
    QFont designFont(QStringLiteral("MS Sans Serif"));
    designFont.setPointSize(8);
    setFont(designFont);
    m_actions = new CommandActions(this);
    m_menus = std::make_unique<MainMenus>(BuildMainMenus(*this, *m_actions));
    m_bands = std::make_unique<ToolBarBands>(*this, *m_actions, m_menus->listMenu);
    m_panel = new MainPanel(m_list, m_settings, m_program, this);
    m_panel->setPopupMenus(m_menus->topicsPopup, m_menus->topicViewPopup);
    setCentralWidget(m_panel);
    m_textSearch = new TopicTextSearchPanel(*this, *m_panel->topicView(), *this);
    m_panes =
        new PaneLayoutController(*this, *m_panel, *m_actions->command(CommandId::OptionsZoomTopic));
    m_panes->watchToolBarBand(*m_bands->categoryBand());
    m_panes->watchToolBarBand(*m_bands->toolBar());
    m_status = new StatusBarPanels(this);
    setStatusBar(m_status);
    m_listMenu = new ListMenuController(*m_menus->listMenu, *m_menus->listMenuSeparator,
                                        *m_actions->find("ListOther"),
                                        [this](const std::string& file) { openList(file); });
    m_updater = new CommandUpdater([this] { updateCommands(); }, this);
    m_printEditor = new QTextDocument(this);
    m_printEditor->setObjectName(QStringLiteral("PrintEditor"));
    m_printEditor->setDefaultFont(font());
    connectCommands();
}

// The moment the native window exists: version, command line, placement.
void TFormMain::readStartupValues()
{
    m_version = ReadProgramVersion();
    const CommandLineResult line = EvaluateCommandLine(m_arguments);
    if (line.clearStoredSettings)
        ClearStoredSettings(m_store, m_version);
    m_program.commandLineList = line.commandLineList;
    if (line.dontUseIndexFile)
        m_settings.DontUseIndexFile = *line.dontUseIndexFile;
    if (line.loadTopicsDirect)
        m_settings.LoadTopicsDirect = *line.loadTopicsDirect;
    m_program.noSaveSettings = m_program.noSaveSettings || line.noSaveSettings;
    m_program.quitAfterStartup = line.quit;
    if (line.unknownParameter)
        m_messages.warn(FromUtf8(ErrorMessageText(ErrorUnknownCommandLineParameter)));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const WindowPlacement placement =
        ReadWindowPlacement(m_store, m_version, Size{screen.width(), screen.height()});
    ApplyWindowPlacement(*this, placement);
}

void TFormMain::formCreate()
{
    const ScreenScale scale = ScreenScale::Of(*this);
    if (!scale.isDesignResolution()) {
        m_bands->scale(scale);
        m_status->scalePanelWidths(scale);
        QFont statusFont = m_status->font();
        statusFont.setPointSize(8);
        statusFont.setBold(false);
        statusFont.setItalic(false);
        m_status->setFont(statusFont);
    }
    categoryBox().setItemHeight(scale.scaled(CategoryItemHeightAt96));

    StoredLayout stored;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    ReadCheckedSettings(m_store, m_version, m_settings, stored,
                        Size{screen.width(), screen.height()});
    ApplyStoredLayout(layoutControls(), stored);

    setWindowTitle(FromUtf8(AppTitle));
    m_hints = new HintHandler(*this, *m_status);
    const std::vector<std::filesystem::path> dataFolders = ProgramDataFolders(m_programFolder);
    m_program.helpFile =
        FindProgramDataFile(dataFolders, HelpFileName).value_or(std::filesystem::path());
    m_program.helpFileAvailable = !m_program.helpFile.empty();
    setMinimumSize(m_bands->categoryBandMinWidth() + MinimumWidthBeyondCategoryBand,
                   MinimumWindowHeight);
    m_descriptions = CategoryDescriptions::FromDataFolders(dataFolders);
    m_panel->setFirstColumnWidth(m_settings.TopicsColWidth);
    m_panel->gridDelegate()->setShowCategoryChar(m_settings.ShowCategoryChar);
    validateStartupDir();
    std::error_code error;
    m_program.listDirectory = ListDirectoryOf(std::filesystem::current_path(error));
    m_list.files.listFileName = m_settings.DefStartupList;
    m_list.files.listKind = ListKindOf(m_settings.DefStartupList);
    m_updater->markDirty();
}

LayoutControls TFormMain::layoutControls()
{
    return LayoutControls{*this, *m_bands, *m_panel, *m_status, *m_textSearch};
}

void TFormMain::validateStartupDir()
{
    std::error_code error;
    if (IsExistingFolder(m_settings.DefStartupDir))
        std::filesystem::current_path(PathFromBytes(m_settings.DefStartupDir), error);
    else
        m_settings.DefStartupDir.clear();
}

void TFormMain::showMainWindow()
{
    show();
    repaint();
}

void TFormMain::openStartupList()
{
    // A run nobody watches says why the list it was given was not opened.
    if (m_program.quitAfterStartup && !m_program.commandLineList.empty() &&
        !IsExistingFile(m_program.commandLineList))
        m_messages.inform(FromUtf8(UnableToFindText(m_program.commandLineList)));
    const auto startupList =
        ChooseStartupList(m_program.commandLineList, m_settings.DefStartupList, IsExistingFile);
    if (!startupList)
        return;
    openList(*startupList);
    markList(*startupList);
}

CommandState TFormMain::commandState() const
{
    const QTextEdit& view = *m_panel->topicView();
    const QTextCursor cursor = view.textCursor();
    const int lines = view.document()->blockCount();
    const int characters = view.document()->characterCount() - 1;
    CommandState state;
    state.listKind = ToInt(m_list.files.listKind);
    state.topicCount = m_list.topicCount();
    state.currentTopicNumber = m_list.view.currentTopicNumber;
    state.selectionLength = cursor.selectionEnd() - cursor.selectionStart();
    state.textLength = characters > 0 ? characters + lines - 1 : 0;
    state.lineCount = lines;
    state.gridRow = std::max(0, m_panel->grid()->currentIndex().row());
    state.gridRowCount = m_panel->grid()->model()->rowCount();
    state.helpFileAvailable = m_program.helpFileAvailable;
    state.zoomed = m_panes->isZoomed();
    state.historyBack = m_history.canGoBack(ListUnchangedOnDisk);
    state.historyForward = m_history.canGoForward(ListUnchangedOnDisk);
    state.folderListsOffered = m_listMenu->hasEntries();
    return state;
}

void TFormMain::updateCommands()
{
    const CommandAvailability availability = EvaluateCommands(commandState());
    m_actions->apply(availability);
    if (m_menus->helpSeparator != nullptr)
        m_menus->helpSeparator->setVisible(availability.helpHelpIndex);
}

bool TFormMain::event(QEvent* event)
{
    // The hint handler shows status tips; the window's own status message
    // would hide the panels.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce || event->spontaneous())
        return;
    m_shownOnce = true;
    buildListMenu();
    m_program.mainWindowShown = true;
    m_panel->fitPanes();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    if (m_settings.AskExit &&
        !m_messages.confirm(QStringLiteral("Exit %1 ?").arg(FromUtf8(AppTitle)))) {
        event->ignore();
        return;
    }
    runExitSteps();
    event->accept();
}

void TFormMain::runExitSteps()
{
    m_status->showProgress(false);
    m_listStream.reset();
    m_settings = SettingsForExit(m_settings, m_list.files.listFileName);
    if (m_program.noSaveSettings)
        return;
    if (const auto failed =
            WriteSettings(m_store, m_version, m_settings, CollectWindowLayout(layoutControls())))
        m_messages.error(FromUtf8(FailedToSetDataMessage(*failed)));
}

} // namespace zelt
