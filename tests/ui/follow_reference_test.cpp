#include "browse/category_box.h"
#include "tests/ui/find_dialog_fixture.h"
#include "ui/main_panel.h"
#include "ui/topic_view.h"

#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

namespace zelt::test {
namespace {

class FollowReferenceTest : public FindDialogTest {
protected:
    void openInterruptList(bool singleClickView = true)
    {
        const std::string list = copySample("INTERRUP.LST");
        start({list});
        m_run->settings().SingleClickView = singleClickView;
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    // Shows the sample topic with this identifier and the start of this title.
    void show(std::string_view identifier, std::string_view titleStart)
    {
        const LoadedList& list = window().loadedList();
        for (std::int32_t n = 1; n < list.topicCount(); ++n) {
            const auto topic = static_cast<TopicNumber>(n);
            if (list.topics().identifier(topic) == identifier &&
                list.topics().title(topic).starts_with(titleStart)) {
                window().loadTopic(n);
                return;
            }
        }
        ADD_FAILURE() << "no topic " << identifier;
    }
    QString shownIdentifier() const
    {
        return window().findChild<QLabel*>("LabelCurrentTopicID")->text();
    }
    QMenu& seeAlsoMenu() const { return *window().findChild<QMenu*>("PopupMenuSeeAlso"); }
    QToolButton& seeAlsoButton() const
    {
        return *window().findChild<QToolButton*>("SpeedButtonSeeAlsoMenu");
    }
    void chooseMenuItem(const QString& caption) const
    {
        for (QAction* item : seeAlsoMenu().actions()) {
            if (item->data().toString() == caption) {
                item->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no menu item " << caption.toStdString();
    }
    void clickLink(const QString& reference) const
    {
        TopicView& view = window().topicView();
        const auto position = view.document()->toRawText().indexOf(reference);
        ASSERT_GE(position, 0) << reference.toStdString();
        QTextCursor at(view.document());
        at.setPosition(static_cast<int>(position) + 2);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(at).center());
    }
    std::int32_t shown() const { return window().loadedList().view.currentTopicNumber; }
};

TEST_F(FollowReferenceTest, AMenuItemOpensItsTopic)
{
    openInterruptList();
    recordStatusPanel();
    show("214D", "INT 21");
    EXPECT_TRUE(seeAlsoButton().isEnabled());
    window().topicView().setFocus();

    chooseMenuItem("AH=4Ch");
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(shownIdentifier(), "214C");
    EXPECT_EQ(grid().currentRow(), shown());
    EXPECT_EQ(window().loadedList().view.selectedTopic, shown());
    EXPECT_EQ(dialog().searchStart(), shown() + 1);
    EXPECT_FALSE(dialog().locateFailed());
    EXPECT_TRUE(grid().hasFocus());
    const auto locating = statusTexts.indexOf("Locating topic...");
    ASSERT_GE(locating, 0);
    ASSERT_GT(statusTexts.size(), locating + 1);
    EXPECT_EQ(statusTexts[locating + 1], "");
}

TEST_F(FollowReferenceTest, ALinkClickOpensItsTopicAlsoFromACategoryView)
{
    openInterruptList();
    selectCategory('H');
    ASSERT_EQ(window().loadedList().view.currentCategory, 'H');
    show("08", "INT 08 H");
    clickLink("INT 1A/AH=00h");
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(shownIdentifier(), "1A00");
    EXPECT_EQ(window().categoryBox().currentIndex(), 0);
    EXPECT_EQ(window().loadedList().view.currentCategory, AllCategoriesCode);
    EXPECT_EQ(grid().currentRow(), shown());

    // A quoted title chooses among the topics of one interrupt.
    show("0D", "INT 0D C");
    chooseMenuItem("INT 0D\"IRQ5\"");
    EXPECT_EQ(shownIdentifier(), "0D");
    const auto topic = static_cast<TopicNumber>(shown());
    EXPECT_TRUE(window().loadedList().topics().title(topic).starts_with("INT 0D H - IRQ5"));
}

TEST_F(FollowReferenceTest, AnotherListsReferenceAndADanglingOneAreReported)
{
    openInterruptList();
    show("11", "INT 11");
    const std::int32_t before = shown();
    const int row = grid().currentRow();
    window().topicView().setFocus();

    clickLink("CMOS 14h");
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(m_messages.shown[0].text, "Topic is not located in current list");
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(grid().currentRow(), row);
    // The follow stopped before its focus step.
    EXPECT_TRUE(window().topicView().hasFocus());

    show("FF", "INT FF");
    window().topicView().setFocus();
    chooseMenuItem("INT 99");
    ASSERT_EQ(m_messages.shown.size(), 2u);
    EXPECT_EQ(m_messages.shown[1].icon, MessageIcon::Information);
    EXPECT_EQ(m_messages.shown[1].text, "Unable to locate topic in current list");
    EXPECT_EQ(shownIdentifier(), "FF");
    EXPECT_TRUE(dialog().locateFailed());
    EXPECT_EQ(dialog().searchStart(), 0);
    // With single-click view the grid takes the focus also after a failure.
    EXPECT_TRUE(grid().hasFocus());
}

TEST_F(FollowReferenceTest, WithoutSingleClickViewTheFocusStaysWhereItWas)
{
    openInterruptList(false);
    show("214D", "INT 21");
    window().topicView().setFocus();
    // The first topic in list order whose identifier starts with 214B.
    chooseMenuItem("AH=4Bh");
    EXPECT_EQ(shownIdentifier(), "214B00");
    EXPECT_EQ(grid().currentRow(), shown());
    EXPECT_TRUE(window().topicView().hasFocus());

    show("FF", "INT FF");
    window().topicView().setFocus();
    chooseMenuItem("INT 99");
    EXPECT_EQ(m_messages.texts(), QStringList({"Unable to locate topic in current list"}));
    EXPECT_EQ(shownIdentifier(), "FF");
    EXPECT_TRUE(window().topicView().hasFocus());
}

TEST_F(FollowReferenceTest, ListsThatFollowNothingStaySilent)
{
    const std::string list = copySample("TABLES.LST");
    start({list});
    ASSERT_GT(window().loadedList().topicCount(), 2);
    window().loadTopic(1);
    ASSERT_FALSE(seeAlsoMenu().isEmpty());
    EXPECT_FALSE(seeAlsoButton().isEnabled());
    const std::int32_t before = shown();
    chooseMenuItem(seeAlsoMenu().actions().front()->data().toString());
    window().followReference("INT 21/AH=4Ch");
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(shown(), before);
}

TEST_F(FollowReferenceTest, TheSeeAlsoMenuAfterCloseFollowsNothing)
{
    openInterruptList();
    show("214D", "INT 21");
    command(CommandId::FileClose);
    EXPECT_FALSE(seeAlsoButton().isEnabled());
    // The menu keeps its items, and Ctrl with the menu key still opens it.
    ASSERT_FALSE(seeAlsoMenu().isEmpty());
    chooseMenuItem("AH=4Ch");
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(window().loadedList().topicCount(), 0);
    EXPECT_EQ(shown(), -1);

    // In a list of another kind the same item is a reference it does not know.
    window().openList(copySample("PORTS.LST"));
    chooseMenuItem("AH=4Ch");
    EXPECT_EQ(m_messages.texts(), QStringList({"Topic is not located in current list"}));
}

} // namespace
} // namespace zelt::test
