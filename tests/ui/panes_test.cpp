#include "tests/ui/ui_fixture.h"
#include "ui/command_actions.h"
#include "ui/form_main.h"
#include "ui/main_panel.h"
#include "ui/screen_scale.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace zelt::test {
namespace {

class PanesTest : public UiTest {
protected:
    MainPanel& panel() const { return window().mainPanel(); }
    QAction& command(CommandId id) const { return *window().commandActions().command(id); }
    void openSmallList()
    {
        const std::string list = writeList("SMALL.LST", SmallList());
        start({list});
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        window().updateCommands();
    }
    QString shownTopic() const
    {
        return window().findChild<QLabel*>("LabelCurrentTopicID")->text();
    }
};

TEST_F(PanesTest, ZoomGivesTheTopicPaneTheWholePanelAndEscapeEndsIt)
{
    openSmallList();
    QAction& zoom = command(CommandId::OptionsZoomTopic);
    auto* zoomButton = qobject_cast<QToolButton*>(
        window().findChild<QToolBar*>("ToolBar")->widgetForAction(&zoom));
    ASSERT_NE(zoomButton, nullptr);
    ASSERT_TRUE(zoom.isEnabled());

    zoom.trigger();
    EXPECT_TRUE(window().isZoomed());
    EXPECT_TRUE(panel().panelTopics()->isHidden());
    EXPECT_TRUE(panel().splitter()->handle(1)->isHidden());
    EXPECT_EQ(panel().topicView()->parentWidget()->height(), panel().height());
    EXPECT_EQ(window().focusWidget(), panel().topicView());
    window().updateCommands();
    EXPECT_TRUE(zoom.isChecked());
    EXPECT_TRUE(zoomButton->isChecked());

    // Previous and next still walk the grid, showing each topic zoomed.
    command(CommandId::ViewNext).trigger();
    EXPECT_EQ(shownTopic(), "21");
    EXPECT_TRUE(window().isZoomed());

    command(CommandId::OptionsUnzoomTopic).trigger();
    EXPECT_FALSE(window().isZoomed());
    EXPECT_FALSE(panel().panelTopics()->isHidden());
    EXPECT_FALSE(panel().splitter()->handle(1)->isHidden());
    EXPECT_EQ(window().focusWidget(), panel().grid());
    window().updateCommands();
    EXPECT_FALSE(zoom.isChecked());
    EXPECT_FALSE(zoomButton->isChecked());

    // Escape while not zoomed leaves everything as it is.
    panel().topicView()->setFocus();
    QTest::keyClick(panel().topicView(), Qt::Key_Escape);
    EXPECT_FALSE(window().isZoomed());
    EXPECT_EQ(window().focusWidget(), panel().topicView());

    // F5 zooms again; opening a list leaves the zoom.
    QTest::keyClick(panel().topicView(), Qt::Key_F5);
    ASSERT_TRUE(window().isZoomed());
    window().openList(window().loadedList().files.listFileName);
    EXPECT_FALSE(window().isZoomed());
    EXPECT_FALSE(panel().panelTopics()->isHidden());
}

TEST_F(PanesTest, NextShowsTheNextTopicOnceWhateverTheClickSetting)
{
    for (const bool singleClickView : {true, false}) {
        SCOPED_TRACE(singleClickView);
        openSmallList();
        m_run->settings().SingleClickView = singleClickView;
        QSignalSpy loads(&window(), &TFormMain::topicLoaded);
        command(CommandId::ViewNext).trigger();
        EXPECT_EQ(shownTopic(), "21");
        EXPECT_EQ(loads.size(), 1);
        command(CommandId::ViewNext).trigger();
        window().updateCommands();
        command(CommandId::ViewPrev).trigger();
        EXPECT_EQ(shownTopic(), "21");
        EXPECT_EQ(window().topicsGrid().currentRow(), 1);
        EXPECT_EQ(loads.size(), 3);
        // The shortcut reaches the command also while the grid has the focus.
        window().updateCommands();
        QTest::keyClick(&window().topicsGrid(), Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(shownTopic(), "10");
        EXPECT_EQ(loads.size(), 4);
        m_run.reset();
    }
}

// F5, stepping while zoomed and Esc leave the grid scrolled where it was; only
// a selected row that left the view scrolls it, as little as brings it back.
TEST_F(PanesTest, TheGridComesBackFromTheZoomWhereItWas)
{
    std::string bytes;
    for (int i = 0; i < 200; ++i)
        bytes += Divider('B', std::to_string(1000 + i)) + "\r\nINT 10 - VIDEO - ENTRY\r\n";
    start({writeList("MANY.LST", bytes)});
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    TopicsGrid& grid = window().topicsGrid();
    const auto firstShownRow = [&grid] { return grid.rowAt(0); };
    const int visible = grid.fullyVisibleRows();
    ASSERT_GT(visible, 3);
    grid.setFocus();
    grid.setCurrentRow(100);
    grid.scrollTo(grid.model()->index(100 - visible + 3, 0), QAbstractItemView::PositionAtTop);
    const int top = firstShownRow();
    ASSERT_EQ(top, 100 - visible + 3);

    const auto zoomStepAndUnzoom = [&](int steps) {
        QTest::keyClick(&grid, Qt::Key_F5);
        EXPECT_TRUE(window().isZoomed());
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(panel().topicView(), Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(panel().topicView(), Qt::Key_Escape);
        EXPECT_FALSE(window().isZoomed());
        QApplication::processEvents();
    };
    zoomStepAndUnzoom(0);
    EXPECT_EQ(firstShownRow(), top);
    zoomStepAndUnzoom(1);
    EXPECT_EQ(grid.currentRow(), 101);
    EXPECT_EQ(firstShownRow(), top);
    // Two more rows: the last fully shown row, then one past it.
    zoomStepAndUnzoom(3);
    EXPECT_EQ(grid.currentRow(), 104);
    EXPECT_EQ(firstShownRow(), top + 2);
}

TEST_F(PanesTest, TheTopicsPaneTakesItsShareOfThePanel)
{
    openSmallList();
    Settings& settings = m_run->settings();
    const auto topicsHeight = [this](int panelHeight) {
        panel().resize(panel().width(), panelHeight);
        return panel().panelTopics()->height();
    };
    settings.TopicsHeightPerc = 0.5;
    EXPECT_EQ(topicsHeight(310), 155);
    settings.TopicsHeightPerc = 0.9;
    EXPECT_EQ(topicsHeight(100), 57);
    settings.TopicsHeightPerc = 0.1;
    panel().fitPanes();
    EXPECT_EQ(panel().panelTopics()->height(), 40);
    EXPECT_EQ(panel().minimumHeight(), 83);

    // The split is recorded only once the window has been shown.
    settings.TopicsHeightPerc = 0.5;
    topicsHeight(300);
    panel().splitter()->setSizes({90, 207});
    m_run->program().mainWindowShown = false;
    Q_EMIT panel().splitter()->splitterMoved(90, 1);
    EXPECT_EQ(settings.TopicsHeightPerc, 0.5);
    m_run->program().mainWindowShown = true;
    Q_EMIT panel().splitter()->splitterMoved(90, 1);
    EXPECT_DOUBLE_EQ(settings.TopicsHeightPerc, 90.0 / 300.0);
}

TEST_F(PanesTest, HeaderDragsChangeOnlyTheTopicColumn)
{
    openSmallList();
    TopicsGrid& grid = window().topicsGrid();
    QHeaderView& header = *grid.horizontalHeader();
    const auto titleColumn = [&header] { return header.sectionSize(1) - 1; };

    header.resizeSection(0, 200);
    EXPECT_EQ(panel().firstColumnWidth(), 199);
    EXPECT_EQ(titleColumn(), grid.width() - 199 - 2);
    header.resizeSection(1, 50);
    EXPECT_EQ(titleColumn(), grid.width() - 199 - 2);

    command(CommandId::HeaderTopicsHeaderDefWidth).trigger();
    EXPECT_EQ(panel().firstColumnWidth(), 140);
    EXPECT_EQ(header.sectionSize(0), 141);
    EXPECT_EQ(titleColumn(), grid.width() - 140 - 2);

    // The title column follows the grid's width.
    panel().panelTopics()->resize(panel().panelTopics()->width() - 30,
                                  panel().panelTopics()->height());
    EXPECT_EQ(titleColumn(), grid.width() - 140 - 2);

    // A double click on the divider sizes nothing to its contents.
    header.resizeSection(0, 60);
    QTest::mouseDClick(header.viewport(), Qt::LeftButton, {},
                       QPoint(header.sectionSize(0) - 1, header.height() / 2));
    EXPECT_EQ(header.sectionSize(0), 60);
}

TEST_F(PanesTest, TheGridsRowsFollowTheViewFontSize)
{
    start();
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(10);
    panel().setTopicFont(font, ScreenScale(96.0, 1.0));
    EXPECT_EQ(window().topicsGrid().verticalHeader()->defaultSectionSize(), 19);
    EXPECT_EQ(panel().topicView()->font().pointSize(), 10);
    EXPECT_EQ(window().topicsGrid().font().pointSize(), 10);
    EXPECT_EQ(window().topicsGrid().horizontalHeader()->font().pointSize(), 8);
}

} // namespace
} // namespace zelt::test
