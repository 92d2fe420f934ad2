#include "list/list_loader.h"
#include "tests/ui/ui_fixture.h"
#include "ui/command_actions.h"
#include "ui/form_main.h"
#include "ui/hint_handler.h"
#include "ui/main_panel.h"
#include "ui/status_bar_panels.h"
#include "ui/topics_grid.h"
#include "ui/topics_grid_model.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace zelt::test {
namespace {

using MainWindowTest = UiTest;

// Lets the event loop wait as a running program does; processEvents never idles.
void RunEventLoopFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

QStringList MenuItems(const QMenu& menu)
{
    QStringList items;
    for (const QAction* action : menu.actions())
        items.push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
    return items;
}

TEST_F(MainWindowTest, MenusHoldTheCommandsInTheirOrder)
{
    start();
    QMenuBar* bar = window().menuBar();
    EXPECT_EQ(bar->objectName(), "MainMenu");
    QStringList titles;
    for (const QAction* action : bar->actions())
        titles.push_back(action->text());
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&Search", "&Options", "&Help"}));

    const auto menu = [bar](int i) { return bar->actions().at(i)->menu(); };
    EXPECT_EQ(MenuItems(*menu(0)), QStringList({"&Open List", "&Close List", "-", "&Save Topic...",
                                                "&Print Topic...", "-", "E&xit"}));
    EXPECT_EQ(MenuItems(*menu(1)), QStringList({"&Copy", "Select &All"}));
    EXPECT_EQ(MenuItems(*menu(2)),
              QStringList({"&Find...", "&Search Again", "Search Topic &Texts...", "-", "&Go To...",
                           "&Back", "For&ward"}));
    EXPECT_EQ(MenuItems(*menu(3)),
              QStringList({"&Zoom Topic", "&Update Topic Titles", "&Default Column Width", "&Tools",
                           "-", "&Configuration..."}));
    EXPECT_EQ(MenuItems(*window().findChild<QMenu*>("OptionsTools")),
              QStringList({"&Explore Lists Location...", "&Combine List Sections...", "-",
                           "Run &Intprint.com..."}));
    EXPECT_EQ(MenuItems(*menu(4)), QStringList({"&Help Topics...", "-", "&About..."}));

    const QAction* save = window().commandActions().command(CommandId::FileSave);
    EXPECT_EQ(save->objectName(), "FileSaveCmd");
    EXPECT_EQ(save->toolTip(), "Save");
    EXPECT_EQ(save->statusTip(), "Save current topic");
    EXPECT_EQ(save->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_FALSE(save->icon().isNull());
    EXPECT_EQ(window().commandActions().command(CommandId::OptionsUnzoomTopic)->shortcut(),
              QKeySequence(Qt::Key_Escape));
    // Commands in no menu still reach their shortcuts through the window.
    EXPECT_TRUE(
        window().actions().contains(window().commandActions().command(CommandId::EditCopyTopic)));
}

TEST_F(MainWindowTest, ToolBarButtonsStandInOrderWithTheListDropDown)
{
    start();
    auto* bar = window().findChild<QToolBar*>("ToolBar");
    ASSERT_NE(bar, nullptr);
    QStringList buttons;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator())
            buttons.push_back("-");
        else if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
            buttons.push_back(button->defaultAction() ? button->defaultAction()->objectName()
                                                      : button->objectName());
    }
    EXPECT_EQ(buttons,
              QStringList({"ToolButtonOpenList", "FileSaveCmd", "FilePrintCmd", "-", "EditCopyCmd",
                           "EditSelectAllCmd", "-", "SearchFindCmd", "ToolButtonSearchAgain", "-",
                           "OptionsZoomTopicCmd", "-", "ViewPrevCmd", "ViewNextCmd"}));
    auto* open = window().findChild<QToolButton*>("ToolButtonOpenList");
    EXPECT_EQ(open->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(open->menu(), window().findChild<QMenu*>("ListMenu"));
    EXPECT_EQ(open->toolTip(), "Open a list");
    EXPECT_EQ(window().findChild<QAction*>("ToolButtonSearchAgain")->toolTip(), "Find Again");
    EXPECT_TRUE(window().commandActions().command(CommandId::EditSelectAll)->isCheckable());
    EXPECT_TRUE(window().commandActions().command(CommandId::OptionsZoomTopic)->isCheckable());
}

TEST_F(MainWindowTest, CommandsAreReEvaluatedWhenTheEventLoopGoesIdle)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    start();
    RunEventLoopFor(20);
    QAction* close = window().commandActions().command(CommandId::FileClose);
    QAction* next = window().commandActions().command(CommandId::ViewNext);
    EXPECT_FALSE(close->isEnabled());

    window().openList(list);
    RunEventLoopFor(20);
    EXPECT_TRUE(close->isEnabled());
    EXPECT_TRUE(next->isEnabled());

    for (int i = 0; i < 3; ++i)
        next->trigger();
    RunEventLoopFor(20);
    EXPECT_EQ(window().topicsGrid().currentIndex().row(), 3);
    EXPECT_EQ(panel(1), " Sel: 4");
    EXPECT_FALSE(next->isEnabled());
    EXPECT_TRUE(window().commandActions().command(CommandId::ViewPrev)->isEnabled());
}

TEST_F(MainWindowTest, HintsShowTheirLongPartOnlyWhileTheWindowIsActive)
{
    start();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));

    QHeaderView* header = window().topicsGrid().horizontalHeader();
    EXPECT_EQ(header->objectName(), "TopicsHeader");
    QStatusTipEvent headerTip(header->statusTip());
    QApplication::sendEvent(header, &headerTip);
    EXPECT_EQ(panel(3), " Drag to resize columns");

    // A highlighted menu item reports its long hint the same way.
    window().commandActions().command(CommandId::FileSave)->showStatusText(&window());
    EXPECT_EQ(panel(3), " Save current topic");
    EXPECT_TRUE(window().statusBar()->currentMessage().isEmpty());

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QApplication::sendEvent(header, &headerTip);
    EXPECT_EQ(panel(3), "");
}

TEST_F(MainWindowTest, ProgressBarLiesOverTheFirstThreePanels)
{
    start();
    QProgressBar* progress = window().statusPanels().progressBar();
    EXPECT_EQ(progress->parent(), &window().statusPanels());
    EXPECT_FALSE(progress->isVisible());
    window().statusPanels().showProgress(true);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->geometry().left(), 0);
    EXPECT_EQ(progress->geometry().top(), 2);
    const StatusBarPanels& panels = window().statusPanels();
    EXPECT_EQ(progress->width(),
              panels.panelWidth(0) + panels.panelWidth(1) + panels.panelWidth(2));
    EXPECT_EQ(progress->height(), window().statusPanels().height() - 2);
}

TEST_F(MainWindowTest, ControlsCarryTheirNamesAndHints)
{
    start();
    const auto named = [this](const char* name) { return window().findChild<QWidget*>(name); };
    for (const char* name :
         {"ToolBarCategories", "ToolBar", "TopicsStringGrid", "TopicsHeader", "Splitter",
          "PanelCurrentTopic", "PanelCurrentTopicHeader", "SpeedButtonSeeAlsoMenu", "LabelTopic",
          "LabelCurrentTopicID", "CurrentTopic", "StatusBar", "CategoryComboBox",
          "CategorySpeedButton"})
        EXPECT_NE(named(name), nullptr) << name;
    EXPECT_FALSE(named("CurrentTopic")->isVisible());
    EXPECT_FALSE(named("CurrentTopic")->isEnabled());
    EXPECT_FALSE(named("SpeedButtonSeeAlsoMenu")->isEnabled());
    EXPECT_EQ(named("SpeedButtonSeeAlsoMenu")->toolTip(), "See Also");
    EXPECT_EQ(named("LabelCurrentTopicID")->statusTip(), "Current topic");
    for (const char* name : {"TopicsStringGrid", "CategoryComboBox", "CategorySpeedButton",
                             "SpeedButtonSeeAlsoMenu", "LabelCurrentTopicID", "CurrentTopic"})
        EXPECT_FALSE(named(name)->accessibleName().isEmpty()) << name;
}

TEST(TopicsGridModelTest, AnswersIdentifiersAndTitlesThroughTheCodePage)
{
    TempDir temp;
    const std::string file = temp.write("SMALL.LST", SmallList());
    LoadedList list;
    LoadObserver quiet;
    LoadRequest request;
    request.listFileName = file;
    request.indexMode.loadTopicsDirect = true;
    ASSERT_TRUE(LoadListTopics(list, request, quiet).loaded);

    TopicsGridModel model(list);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(model.rowCount(), 4);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole), "Topic");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole), "Title");
    EXPECT_EQ(model.index(2, 0).data().toString(), "10");
    EXPECT_EQ(model.index(2, 1).data().toString(),
              QString::fromUtf8("INT 10 - VIDEO - SET MODE \u2502 \u263A"));
    EXPECT_EQ(model.index(2, 0).data(TopicsGridModel::CategoryRole).toInt(), 'B');

    model.changeRows([&list] { list.setRowMap({1, 3}); });
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(1, 0).data().toString(), "2F");

    model.changeRows([&list] { list.reset(); });
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
} // namespace zelt::test
