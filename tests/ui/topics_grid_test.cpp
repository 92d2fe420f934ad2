#include "list/list_loader.h"
#include "samples/generator/list_generator.h"
#include "tests/ui/ui_fixture.h"
#include "ui/category_combo_box.h"
#include "ui/command_actions.h"
#include "ui/form_main.h"
#include "ui/main_panel.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"
#include "ui/topics_grid_delegate.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <set>

namespace zelt::test {
namespace {

class TopicsGridTest : public UiTest {
protected:
    TopicsGrid& grid() const { return window().topicsGrid(); }
    int row() const { return grid().currentRow(); }
    QString shownTopic() const
    {
        return window().findChild<QLabel*>("LabelCurrentTopicID")->text();
    }
    void openSmallList(bool singleClickView)
    {
        const std::string list = writeList("SMALL.LST", SmallList());
        start();
        m_run->settings().SingleClickView = singleClickView;
        window().openList(list);
        focusGrid();
    }
    void focusGrid() const
    {
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        grid().setFocus();
    }
    QPoint cellCentre(int row, int column) const
    {
        return grid().visualRect(grid().model()->index(row, column)).center();
    }
};

TEST_F(TopicsGridTest, WithSingleClickViewEveryMoveShowsItsTopic)
{
    openSmallList(true);
    EXPECT_EQ(shownTopic(), "[List Info]");
    QSignalSpy loads(&window(), &TFormMain::topicLoaded);

    QTest::keyClick(&grid(), Qt::Key_Down);
    EXPECT_EQ(shownTopic(), "21");
    EXPECT_EQ(panel(1), " Sel: 2");
    EXPECT_EQ(panel(2), " Cur: 2");
    QTest::keyClick(&grid(), Qt::Key_End);
    EXPECT_EQ(shownTopic(), "2F");
    // Down on the last row moves nothing and loads nothing again.
    QTest::keyClick(&grid(), Qt::Key_Down);
    EXPECT_EQ(row(), 3);
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(shownTopic(), "10");
    // Enter loads nothing more: the topic is already shown.
    QTest::keyClick(&grid(), Qt::Key_Return);
    EXPECT_EQ(loads.size(), 3);
    EXPECT_FALSE(window().isZoomed());
}

TEST_F(TopicsGridTest, WithoutSingleClickViewOnlyEnterAndDoubleClickShowTopics)
{
    openSmallList(false);
    EXPECT_EQ(window().loadedList().view.currentTopicNumber, -1);
    EXPECT_TRUE(window().topicView().isHidden());
    QSignalSpy loads(&window(), &TFormMain::topicLoaded);

    QTest::keyClick(&grid(), Qt::Key_Down);
    QTest::keyClick(&grid(), Qt::Key_Down);
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, cellCentre(1, 0));
    EXPECT_EQ(window().loadedList().view.selectedTopic, 1);
    EXPECT_EQ(loads.size(), 0);

    QTest::keyClick(&grid(), Qt::Key_Enter);
    EXPECT_EQ(shownTopic(), "21");
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, cellCentre(3, 1));
    EXPECT_EQ(shownTopic(), "2F");
    EXPECT_EQ(loads.size(), 2);
    EXPECT_FALSE(window().isZoomed());
}

TEST_F(TopicsGridTest, RightAndMiddleButtonsLeaveTheSelectionAndRightOpensThePopupMenu)
{
    openSmallList(true);
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, cellCentre(1, 1));
    ASSERT_EQ(shownTopic(), "21");
    QSignalSpy loads(&window(), &TFormMain::topicLoaded);
    auto* popup = window().findChild<QMenu*>("PopupMenuTopics");
    ASSERT_NE(popup, nullptr);

    // Through the window, as the platform delivers them: presses, releases,
    // double clicks and the context menu event after the right press.
    const auto inWindow = [this](int row) {
        return grid().viewport()->mapTo(&window(), cellCentre(row, 1));
    };
    QTest::mouseClick(window().windowHandle(), Qt::RightButton, {}, inWindow(3));
    EXPECT_TRUE(popup->isVisible());
    popup->close();
    QTest::mouseClick(window().windowHandle(), Qt::MiddleButton, {}, inWindow(2));
    QTest::mouseDClick(window().windowHandle(), Qt::MiddleButton, {}, inWindow(0));

    EXPECT_EQ(row(), 1);
    EXPECT_EQ(grid().selectionModel()->selectedRows().value(0).row(), 1);
    EXPECT_EQ(window().loadedList().view.selectedTopic, 1);
    EXPECT_EQ(panel(1), " Sel: 2");
    EXPECT_EQ(loads.size(), 0);
}

TEST_F(TopicsGridTest, ADoubleClickBelowTheLastRowStillShowsTheSelectedTopic)
{
    openSmallList(false);
    m_run->settings().DoubleClickZoom = true;
    QTest::keyClick(&grid(), Qt::Key_Down);
    const QPoint belowRows = cellCentre(3, 1) + QPoint(0, 40);
    ASSERT_LT(belowRows.y(), grid().viewport()->height());
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, belowRows);
    EXPECT_EQ(shownTopic(), "21");
    EXPECT_TRUE(window().isZoomed());
}

TEST_F(TopicsGridTest, DoubleClickZoomZoomsTheShownTopicWithoutReloading)
{
    openSmallList(true);
    m_run->settings().DoubleClickZoom = true;
    QSignalSpy loads(&window(), &TFormMain::topicLoaded);
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, cellCentre(0, 1));
    EXPECT_TRUE(window().isZoomed());
    EXPECT_EQ(loads.size(), 0);
    EXPECT_EQ(window().focusWidget(), &window().topicView());
}

TEST_F(TopicsGridTest, KeysMoveWithinTheRowsByTheTable)
{
    std::string bytes;
    for (int i = 0; i < 200; ++i)
        bytes += Divider('B', std::to_string(1000 + i)) + "\r\nINT 10 - VIDEO - ENTRY\r\n";
    const std::string list = writeList("MANY.LST", bytes);
    start();
    m_run->settings().SingleClickView = false;
    window().openList(list);
    focusGrid();
    const int visible = grid().fullyVisibleRows();
    ASSERT_GT(visible, 2);
    EXPECT_EQ(visible, grid().viewport()->height() / 17);

    QTest::keyClick(&grid(), Qt::Key_Up);
    EXPECT_EQ(row(), 0);
    QTest::keyClick(&grid(), Qt::Key_PageDown);
    EXPECT_EQ(row(), visible - 1);
    QTest::keyClick(&grid(), Qt::Key_PageUp);
    EXPECT_EQ(row(), 0);
    grid().setCurrentRow(50);
    QTest::keyClick(&grid(), Qt::Key_PageUp);
    EXPECT_EQ(row(), 50 - visible - 1);
    grid().setCurrentRow(50);
    QTest::keyClick(&grid(), Qt::Key_PageDown);
    EXPECT_EQ(row(), 50 + visible - 1);
    QTest::keyClick(&grid(), Qt::Key_End);
    EXPECT_EQ(row(), 199);
    QTest::keyClick(&grid(), Qt::Key_PageDown);
    EXPECT_EQ(row(), 199);
    QTest::keyClick(&grid(), Qt::Key_Home);
    EXPECT_EQ(row(), 0);
    // Typing searches nothing.
    QTest::keyClicks(&grid(), "1");
    EXPECT_EQ(row(), 0);
    EXPECT_EQ(panel(1), " Sel: 1");
    EXPECT_EQ(grid().horizontalScrollBar()->maximum(), 0);
}

// The grid leaves every key outside its table to nobody: no copy of the cell
// while Copy is greyed, no typed search, no move to the other column.
TEST_F(TopicsGridTest, KeysWithoutACommandDoNothing)
{
    openSmallList(false);
    QTest::keyClick(&grid(), Qt::Key_Down);
    window().updateCommands();
    ASSERT_FALSE(window().commandActions().command(CommandId::EditCopy)->isEnabled());
    QGuiApplication::clipboard()->setText("before");

    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ControlModifier},
        {Qt::Key_2, Qt::NoModifier},      {Qt::Key_Right, Qt::NoModifier},
        {Qt::Key_Space, Qt::NoModifier},  {Qt::Key_A, Qt::ControlModifier},
    };
    for (const auto& [key, modifiers] : keys) {
        SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
        QTest::keyClick(&grid(), key, modifiers);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
        EXPECT_EQ(grid().currentIndex(), grid().model()->index(1, 0));
        EXPECT_EQ(grid().selectionModel()->selectedRows().size(), 1);
        EXPECT_EQ(window().loadedList().view.selectedTopic, 1);
        EXPECT_EQ(shownTopic(), "");
    }
}

TEST_F(TopicsGridTest, ChoosingACategoryShowsItsFirstTopic)
{
    openSmallList(true);
    QTest::keyClick(&grid(), Qt::Key_Down);
    CategoryComboBox& box = window().categoryBox();
    box.setCurrentIndex(3);
    Q_EMIT box.activated(3);

    const auto rows = window().loadedList().rowMap();
    EXPECT_EQ(std::vector<TopicNumber>(rows.begin(), rows.end()), (std::vector<TopicNumber>{1, 3}));
    EXPECT_EQ(row(), 0);
    EXPECT_EQ(window().loadedList().view.selectedTopic, 1);
    EXPECT_EQ(shownTopic(), "21");
    EXPECT_EQ(window().focusWidget(), &grid());

    // While zoomed the view keeps the focus.
    window().updateCommands();
    window().commandActions().command(CommandId::OptionsZoomTopic)->trigger();
    box.setCurrentIndex(0);
    Q_EMIT box.activated(0);
    EXPECT_EQ(shownTopic(), "[List Info]");
    EXPECT_EQ(window().focusWidget(), &window().topicView());
}

// Colours of the active palette as the delegate paints them.
QRgb Colour(const QWidget& widget, QPalette::ColorRole role)
{
    return widget.palette().color(QPalette::Active, role).rgb();
}

QRgb Complement(QRgb colour)
{
    return qRgb(255 - qRed(colour), 255 - qGreen(colour), 255 - qBlue(colour));
}

TEST_F(TopicsGridTest, CellsAreDrawnWithBoxesSeparatorAndTheFocusOutline)
{
    openSmallList(false);
    const QWidget& viewport = *grid().viewport();
    const int height = grid().verticalHeader()->defaultSectionSize();
    ASSERT_EQ(height, 17);
    const int right = viewport.width() - 1;
    const QRgb highlight = Colour(grid(), QPalette::Highlight);
    const QRgb windowColour = Colour(grid(), QPalette::Base);
    const QRgb button = Colour(grid(), QPalette::Button);

    const QImage focused = grid().viewport()->grab().toImage();
    // Row 0 is selected and the grid has the focus: the dotted outline.
    EXPECT_EQ(focused.pixel(0, 0), Complement(windowColour));
    EXPECT_EQ(focused.pixel(1, 0), Complement(highlight));
    EXPECT_EQ(focused.pixel(300, height - 1), Complement(windowColour));
    EXPECT_EQ(focused.pixel(right, 3), Complement(highlight));
    EXPECT_EQ(focused.pixel(right, 4), Complement(windowColour));
    EXPECT_EQ(focused.pixel(right - 1, 4), highlight);
    // Row 1: the teal category box, the separator in button face, the window colour.
    EXPECT_EQ(focused.pixel(2, height + 2), qRgb(0, 128, 128));
    EXPECT_EQ(focused.pixel(14, height + height - 2), qRgb(0, 128, 128));
    EXPECT_EQ(focused.pixel(15, height + 2), windowColour);
    EXPECT_EQ(focused.pixel(140, height + 5), button);
    EXPECT_EQ(focused.pixel(right - 1, height + 5), windowColour);

    window().categoryBox().setFocus();
    const QImage unfocused = grid().viewport()->grab().toImage();
    EXPECT_EQ(unfocused.pixel(1, 0), button);
    EXPECT_EQ(unfocused.pixel(right, 3), button);

    window().mainPanel().gridDelegate()->setShowCategoryChar(false);
    const QImage plain = grid().viewport()->grab().toImage();
    EXPECT_EQ(plain.pixel(2, height + 2), windowColour);
}

// Counts the cells the grid asks to be painted.
class CountingDelegate final : public QStyledItemDelegate {
public:
    explicit CountingDelegate(QAbstractItemDelegate& painter)
        : m_painter(painter)
    {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        rows.insert(index.row());
        ++cells;
        m_painter.paint(painter, option, index);
    }
    mutable std::set<int> rows;
    mutable int cells = 0;

private:
    QAbstractItemDelegate& m_painter;
};

TEST_F(TopicsGridTest, AHundredThousandTopicsPaintOnlyTheVisibleRows)
{
    samples::GeneratorOptions options;
    options.topicCount = 100000;
    options.averageTopicBytes = 60;
    const std::string list = listPath("INTERRUP.LST");
    ASSERT_TRUE(samples::WriteGeneratedList(list, options));
    start();
    m_run->settings().SingleClickView = false;
    window().openList(list);
    ASSERT_EQ(grid().model()->rowCount(), 100001);
    focusGrid();

    CountingDelegate counting(*window().mainPanel().gridDelegate());
    grid().setItemDelegate(&counting);
    QImage image(grid().viewport()->size(), QImage::Format_RGB32);
    const int visible = grid().fullyVisibleRows();

    grid().viewport()->render(&image);
    EXPECT_EQ(*counting.rows.begin(), 0);
    EXPECT_LE(*counting.rows.rbegin(), visible);
    EXPECT_LE(counting.cells, 2 * (visible + 1));

    QTest::keyClick(&grid(), Qt::Key_End);
    QTest::keyClick(&grid(), Qt::Key_PageUp);
    QApplication::processEvents();
    counting.rows.clear();
    counting.cells = 0;
    grid().viewport()->render(&image);
    EXPECT_GE(*counting.rows.begin(), 100000 - visible - 1);
    EXPECT_LE(*counting.rows.rbegin(), 100000);
    EXPECT_LE(counting.cells, 2 * (visible + 1));
    grid().setItemDelegate(window().mainPanel().gridDelegate());
}

} // namespace
} // namespace zelt::test
