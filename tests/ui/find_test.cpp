#include "browse/category_box.h"
#include "search/find_walk.h"
#include "tests/ui/dialog_layout_check.h"
#include "tests/ui/find_dialog_fixture.h"
#include "ui/message_boxes.h"
#include "ui/topic_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

namespace zelt::test {
namespace {

// Topics 0 [List Info] (!), 1 (D), 2 (B), 3 (D), 4 (B), 5 (D); topic 2's
// title ends in byte 8Eh, a capital A with diaeresis.
std::string FindList()
{
    return DosLines({
        "Introduction of the list for the find tests.",
        Divider('D', "2109"),
        "INT 21 - DOS - WRITE STRING",
        "aaaa then DOS and MSDOS",
        "second line aa",
        Divider('B', "1000"),
        "INT 10 - VIDEO - SET MODE \x8E",
        "\tvideo",
        Divider('D', "2140"),
        "INT 21 - MSDOS - WRITE FILE",
        "\tfile",
        Divider('B', "1301"),
        "INT 13 - DISK - RESET DOS",
        "\tdisk",
        Divider('D', "2F16"),
        "INT 2F - DOSX",
        "\tdosx aa",
    });
}

class FindTest : public FindDialogTest {
protected:
    void openFindList(bool singleClickView = true)
    {
        const std::string list = writeList("FIND.LST", FindList());
        start();
        m_run->settings().SingleClickView = singleClickView;
        window().openList(list);
    }
    std::int32_t selected() const { return window().loadedList().view.selectedTopic; }
    std::int32_t shown() const { return window().loadedList().view.currentTopicNumber; }
    QStringList history() const
    {
        QStringList entries;
        for (int i = 0; i < textEdit(dialog()).count(); ++i)
            entries.push_back(textEdit(dialog()).itemText(i));
        return entries;
    }
    // The topic view's selection as (start, length).
    std::pair<int, int> viewSelection() const
    {
        const QTextCursor cursor = window().topicView().textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
    }
};

TEST_F(FindTest, TheDialogIsMadeOnceWithItsControls)
{
    openFindList();
    TFormFind& d = dialog();
    EXPECT_EQ(window().findChildren<TFormFind*>().size(), 1);
    EXPECT_EQ(d.windowTitle(), "Find");
    // The design's size, more only where the font needs it.
    EXPECT_GE(d.width(), 324);
    EXPECT_GE(d.height(), 182);
    EXPECT_LT(d.height(), 182 + 10);
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    ExpectRoomForItsTexts(d);
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(d.windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_TRUE(d.isModal());

    EXPECT_EQ(findButton(d).text(), "Find");
    EXPECT_TRUE(findButton(d).isDefault());
    EXPECT_EQ(closeButton(d).text(), "Cancel");
    EXPECT_EQ(closeButton(d).x(), findButton(d).x());
    EXPECT_GT(closeButton(d).y(), findButton(d).geometry().bottom());
    auto* textGroup = qobject_cast<QGroupBox*>(textEdit(d).parentWidget());
    ASSERT_NE(textGroup, nullptr);
    EXPECT_EQ(textGroup->title(), "Text to find");
    EXPECT_LT(textGroup->geometry().right(), findButton(d).x());
    EXPECT_TRUE(textEdit(d).isEditable());
    EXPECT_EQ(textEdit(d).currentText(), "");
    EXPECT_EQ(textEdit(d).count(), 0);
    EXPECT_EQ(matchCase(d).text(), "Case sensitive");
    EXPECT_GT(matchCase(d).y(), textEdit(d).geometry().bottom());
    EXPECT_EQ(matchCase(d).parentWidget(), textGroup);
    EXPECT_FALSE(matchCase(d).isChecked());
    EXPECT_EQ(wholeWords(d).text(), "Whole words only");
    EXPECT_EQ(wholeWords(d).y(), matchCase(d).y());
    EXPECT_GT(wholeWords(d).x(), matchCase(d).geometry().right());
    EXPECT_FALSE(wholeWords(d).isChecked());
    auto* searchIn = d.findChild<QGroupBox*>("SearchInRadio");
    EXPECT_EQ(searchIn->title(), "Search in");
    EXPECT_EQ(searchIn->x(), textGroup->x());
    EXPECT_GT(searchIn->y(), textGroup->geometry().bottom());
    const auto items = scopes(d);
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "Topic titles of current category");
    EXPECT_EQ(items[1]->text(), "Topic titles of all categories");
    EXPECT_EQ(items[2]->text(), "Current topic");
    for (const QRadioButton* item : items)
        EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(d.searchIn(), std::nullopt);

    // Each showing centres it on the screen; the first one chooses scope 0.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto checkShown = [&](QDialog& shownDialog) {
        EXPECT_EQ(&shownDialog, &d);
        EXPECT_EQ(shownDialog.pos(),
                  QPoint(screen.width() / 2 - shownDialog.frameGeometry().width() / 2,
                         screen.height() / 2 - shownDialog.frameGeometry().height() / 2));
        EXPECT_TRUE(items[0]->isChecked());
        EXPECT_TRUE(shownDialog.focusWidget() == textEdit(shownDialog).lineEdit() ||
                    shownDialog.focusWidget() == &textEdit(shownDialog));
        EXPECT_EQ(textEdit(shownDialog).lineEdit()->selectedText(),
                  textEdit(shownDialog).currentText());
        d.move(5, 5);
    };
    showFind(checkShown);
    find("VIDEO", 0);
    showFind(checkShown);
    EXPECT_EQ(m_messages.dialogsShown, QStringList({"FormFind", "FormFind", "FormFind"}));
}

TEST_F(FindTest, SearchAgainWalksEveryHitThenSaysNotFoundAndStartsAtTheTop)
{
    openFindList();
    recordStatusPanel();
    find("dos", 1);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(grid().currentRow(), 1);
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(shown(), 1);
    EXPECT_EQ(dialog().searchStart(), 2);
    ASSERT_FALSE(statusTexts.isEmpty());
    EXPECT_EQ(statusTexts.front(), "Searching...");
    EXPECT_EQ(statusTexts.back(), "");
    EXPECT_EQ(panel(3), "");

    std::vector<int> rows;
    for (int i = 0; i < 3; ++i) {
        searchAgain();
        rows.push_back(grid().currentRow());
    }
    EXPECT_EQ(rows, (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(shown(), 5);
    EXPECT_TRUE(m_messages.shown.empty());

    searchAgain();
    EXPECT_EQ(notFoundMessages(), QStringList({NotFound("dos")}));
    EXPECT_EQ(dialog().searchStart(), 0);
    EXPECT_EQ(grid().currentRow(), 5);
    EXPECT_EQ(panel(3), "");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    searchAgain();
    EXPECT_EQ(grid().currentRow(), 1);
    EXPECT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(history(), QStringList({"dos"}));
}

TEST_F(FindTest, CaseWholeWordsAndCharactersAbove127)
{
    openFindList();
    find("DOS", 1, false, true);
    EXPECT_EQ(grid().currentRow(), 1);
    // "MSDOS" is the first occurrence in topic 3, "DOSX" the only one in topic 5.
    searchAgain();
    EXPECT_EQ(grid().currentRow(), 4);
    searchAgain();
    EXPECT_EQ(notFoundMessages(), QStringList({NotFound("DOS")}));

    m_messages.shown.clear();
    find("dos", 1, true);
    EXPECT_EQ(notFoundMessages(), QStringList({NotFound("dos")}));

    // Typed text is matched as code page bytes; case folding leaves them alone.
    m_messages.shown.clear();
    find(QStringLiteral("mode \u00C4"), 1);
    EXPECT_EQ(grid().currentRow(), 2);
    EXPECT_TRUE(m_messages.shown.empty());
    find(QStringLiteral("mode \u00E4"), 1);
    find(QStringLiteral("\u20AC"), 1);
    EXPECT_EQ(notFoundMessages(),
              QStringList({NotFound(QStringLiteral("mode \u00E4")), NotFound("\u20AC")}));
}

TEST_F(FindTest, AllCategoriesWhileOneIsShownSwitchesToTheFirstEntry)
{
    openFindList();
    selectCategory('B');
    ASSERT_EQ(window().loadedList().view.currentCategory, 'B');
    find("DOS", 1);
    EXPECT_EQ(window().categoryBox().currentIndex(), 0);
    EXPECT_EQ(window().loadedList().view.currentCategory, AllCategoriesCode);
    EXPECT_EQ(window().loadedList().viewRowCount(), 6);
    EXPECT_EQ(grid().currentRow(), 1);
    EXPECT_EQ(shown(), 1);
    EXPECT_EQ(dialog().searchStart(), 2);

    // Also when the hit lies in the category shown.
    selectCategory('D');
    find("2140", 1);
    EXPECT_EQ(window().loadedList().view.currentCategory, AllCategoriesCode);
    EXPECT_EQ(grid().currentRow(), 3);
    EXPECT_EQ(selected(), 3);
}

TEST_F(FindTest, CurrentCategorySearchesTheGridRows)
{
    openFindList();
    selectCategory('D');
    find("DOS", 0);
    EXPECT_EQ(grid().currentRow(), 0);
    EXPECT_EQ(dialog().searchStart(), 1);
    searchAgain();
    EXPECT_EQ(grid().currentRow(), 1);
    EXPECT_EQ(selected(), 3);
    searchAgain();
    EXPECT_EQ(grid().currentRow(), 2);
    EXPECT_EQ(shown(), 5);
    searchAgain();
    EXPECT_EQ(notFoundMessages(), QStringList({NotFound("DOS")}));
    EXPECT_EQ(window().loadedList().view.currentCategory, 'D');
}

TEST_F(FindTest, WithoutSingleClickViewAHitIsShownToo)
{
    openFindList(false);
    ASSERT_EQ(shown(), -1);
    find("video", 1);
    EXPECT_EQ(grid().currentRow(), 2);
    EXPECT_EQ(shown(), 2);
    // A hit on the row the grid is already on still shows its topic.
    window().topicView().clearTopic();
    find("video", 1);
    EXPECT_EQ(shown(), 2);
}

TEST_F(FindTest, TheShownTopicIsSearchedOnFromInsideTheLastHit)
{
    openFindList();
    window().loadTopic(1);
    find("aa", 2);
    EXPECT_EQ(viewSelection(), std::make_pair(28, 2));
    EXPECT_EQ(window().focusWidget(), &window().topicView());
    EXPECT_EQ(dialog().searchStart(), 29);
    std::vector<int> starts;
    for (int i = 0; i < 3; ++i) {
        searchAgain();
        starts.push_back(viewSelection().first);
    }
    EXPECT_EQ(starts, (std::vector<int>{29, 30, 64}));
    // The grid and the topic stay.
    EXPECT_EQ(shown(), 1);
    EXPECT_EQ(grid().currentRow(), 0);
    // The hit stays selected while the grid has the focus.
    grid().setFocus();
    EXPECT_EQ(window().topicView().textCursor().selectedText(), "aa");

    searchAgain();
    EXPECT_EQ(notFoundMessages(), QStringList({NotFound("aa")}));
    EXPECT_EQ(viewSelection(), std::make_pair(0, 0));
    EXPECT_EQ(window().topicView().textCursor().position(), 0);
    searchAgain();
    EXPECT_EQ(viewSelection(), std::make_pair(28, 2));

    // Another topic is searched from its beginning.
    window().loadTopic(5);
    EXPECT_EQ(dialog().searchStart(), 0);
    searchAgain();
    EXPECT_EQ(viewSelection(), std::make_pair(20, 2));
}

TEST_F(FindTest, TheShownTopicWithWholeWordsAndWithoutATopic)
{
    openFindList(false);
    find("x", 2);
    EXPECT_EQ(notFoundMessages(), QStringList({NotFound("x")}));

    window().loadTopic(1);
    find("dos", 2, false, true);
    EXPECT_EQ(viewSelection(), std::make_pair(9, 3));
    searchAgain();
    EXPECT_EQ(viewSelection(), std::make_pair(38, 3));
    searchAgain();
    EXPECT_EQ(m_messages.shown.size(), 2u);
    // Another topic while another scope is chosen keeps the position.
    find("DOS", 1);
    const std::int32_t start = dialog().searchStart();
    window().loadTopic(4);
    EXPECT_EQ(dialog().searchStart(), start);
}

TEST_F(FindTest, CancelEscAndTheCloseBoxPutBackTheFourValues)
{
    openFindList();
    find("DOS", 1, true, true);
    // After Find the values chosen stay.
    EXPECT_EQ(dialog().findText(), "DOS");
    EXPECT_EQ(dialog().searchIn(), SearchScope::AllCategories);
    EXPECT_TRUE(matchCase(dialog()).isChecked());
    EXPECT_TRUE(wholeWords(dialog()).isChecked());
    const std::int32_t start = dialog().searchStart();

    const std::vector<std::function<void(QDialog&)>> closings{
        [](QDialog& d) { closeButton(d).click(); },
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](QDialog& d) { d.close(); },
    };
    for (const auto& close : closings) {
        showFind([&](QDialog& d) {
            textEdit(d).setEditText("XYZ");
            scopes(d).at(2)->setChecked(true);
            matchCase(d).setChecked(false);
            wholeWords(d).setChecked(false);
            close(d);
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(dialog().findText(), "DOS");
        EXPECT_EQ(dialog().searchIn(), SearchScope::AllCategories);
        EXPECT_TRUE(matchCase(dialog()).isChecked());
        EXPECT_TRUE(wholeWords(dialog()).isChecked());
        EXPECT_EQ(history(), QStringList({"DOS"}));
        EXPECT_EQ(dialog().searchStart(), start);
    }
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(FindTest, TheHistoryKeepsNineteenTextsNewestFirst)
{
    openFindList();
    find("one", 1);
    find("two", 1);
    find("one", 1);
    EXPECT_EQ(history(), QStringList({"one", "two", "one"}));
    find("one", 1);
    find("One", 1);
    EXPECT_EQ(history(), QStringList({"One", "one", "two", "one"}));
    for (int i = 1; i <= 16; ++i)
        find(QStringLiteral("text %1").arg(i), 1);
    ASSERT_EQ(history().size(), 19);
    EXPECT_EQ(history().front(), "text 16");
    EXPECT_EQ(history().back(), "two");
    EXPECT_EQ(dialog().findText(), "text 16");
}

TEST_F(FindTest, AnEmptyTextFindsNothingAndSearchAgainOpensTheDialog)
{
    openFindList();
    searchAgain();
    EXPECT_EQ(m_messages.dialogsShown, QStringList({"FormFind"}));
    showFind([](QDialog& d) {
        textEdit(d).setEditText("");
        findButton(d).click();
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(history(), QStringList());

    // Enter presses the default button; what was typed is searched.
    m_messages.dialogScripts.push_back([](QDialog& d) {
        QTest::keyClicks(textEdit(d).lineEdit(), "video");
        QTest::keyClick(textEdit(d).lineEdit(), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    searchAgain();
    EXPECT_EQ(grid().currentRow(), 2);
    EXPECT_EQ(history(), QStringList({"video"}));
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
}

TEST_F(FindTest, TheRealModalShowingEndsWithFindAndWithCancel)
{
    openFindList();
    QtMessageBoxes boxes;
    boxes.setParentWindow(&window());
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        textEdit(*d).setEditText("VIDEO");
        findButton(*d).click();
    });
    EXPECT_EQ(boxes.execDialog(dialog()), QDialog::Accepted);
    EXPECT_EQ(grid().currentRow(), 2);
    EXPECT_FALSE(dialog().isVisible());

    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        textEdit(*d).setEditText("XYZ");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(boxes.execDialog(dialog()), QDialog::Rejected);
    EXPECT_EQ(dialog().findText(), "VIDEO");
}

// As a new user tries it on the sample list: Ctrl+F, a word, Enter, then F3
// until the list has no more hits.
TEST_F(FindTest, OnTheSampleListCtrlFFindsAWordAndF3WalksEveryHit)
{
    start({copySample("INTERRUP.LST")});
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    window().updateCommands();
    m_messages.dialogScripts.push_back([](QDialog& d) {
        QTest::keyClicks(textEdit(d).lineEdit(), "dos");
        wholeWords(d).setChecked(true);
        QTest::keyClick(textEdit(d).lineEdit(), Qt::Key_Return);
    });
    QTest::keyClick(&window(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(m_messages.dialogsShown, QStringList({"FormFind"}));

    const LoadedList& list = window().loadedList();
    const std::vector<TopicNumber> expected =
        WalkTopicLineHitsInAll(list.topics(), SearchPattern("dos", {false, true}));
    ASSERT_GT(expected.size(), 20u);
    std::vector<TopicNumber> shownTopics;
    while (m_messages.shown.empty() && shownTopics.size() <= expected.size()) {
        shownTopics.push_back(static_cast<TopicNumber>(shown()));
        window().updateCommands();
        QTest::keyClick(&window(), Qt::Key_F3);
    }
    EXPECT_EQ(shownTopics, expected);
    EXPECT_EQ(notFoundMessages(), QStringList({NotFound("dos")}));
    QTest::keyClick(&window(), Qt::Key_F3);
    EXPECT_EQ(static_cast<TopicNumber>(shown()), expected.front());
}

TEST_F(FindTest, ClosingTheListStartsTheNextSearchAtTheTop)
{
    openFindList();
    find("DOS", 1);
    searchAgain();
    EXPECT_EQ(dialog().searchStart(), 4);
    command(CommandId::FileClose);
    EXPECT_EQ(dialog().searchStart(), 0);
    // With no list the commands are off; with no topics nothing is found.
    window().updateCommands();
    EXPECT_FALSE(window().commandActions().command(CommandId::SearchFind)->isEnabled());
    dialog().runSearch();
    EXPECT_EQ(notFoundMessages(), QStringList({NotFound("DOS")}));

    window().openList(listPath("FIND.LST"));
    searchAgain();
    EXPECT_EQ(grid().currentRow(), 1);
}

} // namespace
} // namespace zelt::test
