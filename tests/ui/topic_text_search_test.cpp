#include "search/topic_text_lists.h"
#include "settings/value_codec.h"
#include "tests/ui/ui_fixture.h"
#include "ui/command_actions.h"
#include "ui/form_main.h"
#include "ui/topic_text_results_model.h"
#include "ui/topic_text_search_panel.h"
#include "ui/topic_view.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QTreeView>

namespace zelt::test {
namespace {

constexpr std::string_view PlaceName = "SearchTopicTextsPanel.Place";

class TopicTextSearchTest : public UiTest {
protected:
    TopicTextSearchPanel& panel() const { return window().topicTextSearch(); }
    // Keys go where the focus is, the box itself.
    QComboBox& box() const { return *panel().textBox(); }
    int currentRow() const { return panel().results()->currentIndex().row(); }

    void openPanel() const
    {
        window().updateCommands();
        window().commandActions().command(CommandId::SearchTopicTexts)->trigger();
    }
    // Typing searches after a pause.
    void type(const char* text) const
    {
        QTest::keyClicks(&box(), text);
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return !panel().countLabel()->text().isEmpty(); }, 2000));
    }
};

TEST_F(TopicTextSearchTest, TypedTextListsTheHitsOfAllListsAndEnterShowsOneInAnotherList)
{
    writeList("INTERRUP.LST", SmallList());
    writeList("PORTS.LST", DosLines({"Ports", Divider('P', "0060"), "PORT 0060 - KEYBOARD",
                                     "the keyboard data entry of the controller"}));
    start({"INTERRUP.LST"});
    openPanel();
    ASSERT_TRUE(panel().isVisible());
    EXPECT_TRUE(window().focusWidget() == &box() || window().focusWidget() == box().lineEdit());

    type("entry");
    EXPECT_EQ(panel().countLabel()->text(), "4 lines in 4 topics");
    const TopicTextResultsModel& rows = panel().model();
    ASSERT_EQ(rows.rowCount(), 4);
    EXPECT_EQ(rows.index(3, TopicTextResultsModel::ListColumn).data().toString(), "Ports.lst");
    EXPECT_EQ(rows.index(3, TopicTextResultsModel::TopicColumn).data().toString(), "0060");
    EXPECT_EQ(rows.index(3, TopicTextResultsModel::LineColumn).data().toString(),
              "the keyboard data entry of the controller");
    EXPECT_FALSE(panel().moreNote()->isVisible());

    // Up and Down in the box walk the rows and stop at the ends.
    for (const auto& [key, row] : {std::pair{Qt::Key_Down, 0},
                                   {Qt::Key_Down, 1},
                                   {Qt::Key_Up, 0},
                                   {Qt::Key_Up, 0},
                                   {Qt::Key_Down, 1},
                                   {Qt::Key_Down, 2},
                                   {Qt::Key_Down, 3},
                                   {Qt::Key_Down, 3}}) {
        QTest::keyClick(&box(), key);
        EXPECT_EQ(currentRow(), row);
    }
    QTest::keyClick(&box(), Qt::Key_Return);
    EXPECT_EQ(window().loadedList().files.listFileName, listPath("PORTS.LST"));
    EXPECT_EQ(window().loadedList().view.currentTopicNumber, 1);
    EXPECT_EQ(window().topicView().textCursor().selectedText(), "entry");
    EXPECT_EQ(window().topicView().textCursor().blockNumber(), 1);
    EXPECT_EQ(panel().textBox()->itemText(0), "entry");

    QTest::keyClick(&box(), Qt::Key_Escape);
    EXPECT_TRUE(box().currentText().isEmpty());
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_TRUE(panel().countLabel()->text().isEmpty());
}

TEST_F(TopicTextSearchTest, ListsAtMostTenThousandRowsWithANote)
{
    std::string list = "Notes\r\n" + Divider('!', "LINES") + "\r\nmany lines\r\n";
    for (int i = 0; i < 10'005; ++i)
        list += "a hit\r\n";
    writeList("MANY.LST", list);
    start();
    openPanel();
    box().setEditText("hit");
    QTest::keyClick(&box(), Qt::Key_Return);
    EXPECT_EQ(panel().countLabel()->text(), "10,005 lines in 1 topic");
    EXPECT_EQ(panel().model().rowCount(), static_cast<int>(MaxTopicTextRows));
    EXPECT_TRUE(panel().moreNote()->isVisible());
    EXPECT_EQ(panel().moreNote()->text(), QString::fromUtf8(TopicTextMoreNote));
}

TEST_F(TopicTextSearchTest, WithoutAStoredPlaceThePanelIsHiddenAndTakesNoRoom)
{
    start();
    EXPECT_TRUE(panel().isHidden());
    EXPECT_EQ(window().dockWidgetArea(&panel()), Qt::BottomDockWidgetArea);
    QApplication::processEvents();
    const QRect central = window().centralWidget()->geometry();
    window().removeDockWidget(&panel());
    QApplication::processEvents();
    EXPECT_EQ(window().centralWidget()->geometry(), central);
    ASSERT_TRUE(closeWindow());
    // A panel never shown writes no place.
    EXPECT_EQ(StoredValueOf(LayoutKey(), PlaceName), std::nullopt);
}

TEST_F(TopicTextSearchTest, ItsPlaceIsKeptWithTheWindowLayout)
{
    writeList("INTERRUP.LST", SmallList());
    start();
    openPanel();
    window().addDockWidget(Qt::RightDockWidgetArea, &panel());
    ASSERT_TRUE(closeWindow());
    const auto stored = DockPlaceFrom(StoredValueOf(LayoutKey(), PlaceName));
    ASSERT_TRUE(stored.has_value());
    EXPECT_TRUE(stored->visible);
    EXPECT_EQ(stored->side, DockSide::Right);

    start();
    EXPECT_FALSE(panel().isHidden());
    EXPECT_EQ(window().dockWidgetArea(&panel()), Qt::RightDockWidgetArea);
}

} // namespace
} // namespace zelt::test
