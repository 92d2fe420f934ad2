#include "browse/view_lines.h"
#include "tests/ui/ui_fixture.h"
#include "ui/command_actions.h"
#include "ui/form_main.h"
#include "ui/hint_handler.h"
#include "ui/main_panel.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>

namespace zelt::test {
namespace {

class TopicViewTest : public UiTest {
protected:
    TopicView& view() const { return window().topicView(); }
    QString topicLabel() const
    {
        return window().findChild<QLabel*>("LabelCurrentTopicID")->text();
    }
    QMenu& seeAlsoMenu() const { return *window().findChild<QMenu*>("PopupMenuSeeAlso"); }
    QToolButton& seeAlsoButton() const
    {
        return *window().findChild<QToolButton*>("SpeedButtonSeeAlsoMenu");
    }
    // The format of the character at a view position.
    QTextCharFormat formatAt(int position) const
    {
        QTextCursor cursor(view().document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }
    int positionOf(const QString& text) const
    {
        return static_cast<int>(view().document()->toRawText().indexOf(text));
    }
    std::int32_t topicNamed(std::string_view identifier, std::string_view titleStart) const
    {
        const LoadedList& list = window().loadedList();
        for (std::int32_t n = 0; n < list.topicCount(); ++n) {
            const auto topic = static_cast<TopicNumber>(n);
            if (list.topics().identifier(topic) == identifier &&
                list.topics().title(topic).starts_with(titleStart))
                return n;
        }
        ADD_FAILURE() << "no topic " << identifier;
        return -1;
    }
    std::string topicBytes(std::int32_t n) const
    {
        const auto topic = static_cast<TopicNumber>(n);
        const LoadedList& list = window().loadedList();
        const std::string file = ReadBytes(list.files.listFileName);
        return file.substr(static_cast<std::size_t>(list.topics().start(topic)),
                           static_cast<std::size_t>(list.topics().length(topic)));
    }
    QStringList menuCaptions() const
    {
        QStringList captions;
        for (const QAction* item : seeAlsoMenu().actions())
            captions.push_back(item->text());
        return captions;
    }
};

TEST_F(TopicViewTest, ATopicIsShownFormattedWithItsSeeAlsoMenu)
{
    const std::string list = copySample("INTERRUP.LST");
    start({list});
    const std::int32_t n = topicNamed("214D", "INT 21");
    window().loadTopic(n);

    ASSERT_TRUE(m_messages.shown.empty());
    EXPECT_TRUE(view().isVisible());
    EXPECT_TRUE(view().isEnabled());
    EXPECT_EQ(view().textCursor().position(), 0);
    EXPECT_EQ(topicLabel(), "214D");
    EXPECT_EQ(window().loadedList().view.currentTopicNumber, n);
    EXPECT_EQ(window().loadedList().view.currentTopicIdentifier, "214D");
    EXPECT_EQ(panel(2), QStringLiteral(" Cur: %1").arg(n + 1));
    EXPECT_EQ(window().hints().hint(), " ");
    // Positions of the view are those the formatting was computed for.
    const std::string bytes = topicBytes(n);
    EXPECT_EQ(view().document()->toRawText(),
              QString::fromStdU16String(ViewText(ShownBytes(bytes))));

    const QColor highlight = view().palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(formatAt(0).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(0).foreground().color(), highlight);
    const int returnLabel = positionOf("Return:");
    EXPECT_TRUE(formatAt(returnLabel).fontUnderline());
    EXPECT_EQ(formatAt(returnLabel).foreground().color(), highlight);
    EXPECT_FALSE(formatAt(returnLabel + 6).fontUnderline()) << "the colon stays plain";
    EXPECT_NE(formatAt(returnLabel).fontWeight(), QFont::Bold);

    const int link = positionOf("AH=4Bh");
    EXPECT_TRUE(formatAt(link).isAnchor());
    EXPECT_EQ(formatAt(link).foreground().color(), QColor(0, 128, 0));
    EXPECT_FALSE(formatAt(link - 1).isAnchor()) << "the comma between references";
    EXPECT_EQ(menuCaptions(), QStringList({"AH=4Ch", "AH=4Bh"}));
    EXPECT_TRUE(seeAlsoButton().isEnabled());
}

TEST_F(TopicViewTest, ReferencesOtherListsStayPlainLinksReportTheirText)
{
    const std::string list = copySample("INTERRUP.LST");
    start({list});
    window().loadTopic(topicNamed("08", "INT 08 H"));

    const int memory = positionOf("MEM 0040h:006Ch");
    EXPECT_FALSE(formatAt(memory).isAnchor());
    EXPECT_EQ(formatAt(memory).foreground().color(), QColor(0, 128, 128));
    EXPECT_EQ(menuCaptions(), QStringList({"INT 1C", "INT 1A/AH=00h"}));

    QSignalSpy clicked(&view(), &TopicView::referenceClicked);
    QTextCursor at(view().document());
    at.setPosition(positionOf("INT 1A/AH=00h") + 2);
    const QPoint point = view().cursorRect(at).center();
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, point);
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toString(), "INT 1A/AH=00h");
    // Plain text is no link.
    at.setPosition(memory + 2);
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, view().cursorRect(at).center());
    EXPECT_EQ(clicked.size(), 1);
}

TEST_F(TopicViewTest, SeeAlsoCaptionsAreExactAndTheButtonPopsTheMenuBelowIt)
{
    const std::string list = writeList("INTERRUP.LST", DosLines({
                                                           Divider('D', "21"),
                                                           "INT 21 - DOS - CALLS",
                                                           "SeeAlso: INT 2F,A&B,#01234",
                                                           "",
                                                       }));
    start({list});
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    EXPECT_EQ(menuCaptions(), QStringList({"INT 2F", "A&&B"}));
    EXPECT_EQ(seeAlsoMenu().actions().at(1)->data().toString(), "A&B");
    ASSERT_TRUE(seeAlsoButton().isEnabled());

    seeAlsoButton().click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return seeAlsoMenu().isVisible(); }));
    EXPECT_EQ(seeAlsoMenu().pos(),
              seeAlsoButton().mapToGlobal(QPoint(-2, seeAlsoButton().height() + 2)));
    seeAlsoMenu().hide();
}

// As X11 delivers Ctrl + the context-menu key: first a keyboard context-menu
// event to the control, then the key press.
TEST_F(TopicViewTest, CtrlAndTheContextMenuKeyPopTheSeeAlsoMenuFromEveryControl)
{
    const std::string list = writeList(
        "INTERRUP.LST", DosLines({Divider('D', "21"), "INT 21 - DOS - CALLS", "SeeAlso: INT 2F",
                                  Divider('D', "2F"), "INT 2F - DOS - MULTIPLEX", ""}));
    start({list});
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    ASSERT_EQ(menuCaptions(), QStringList({"INT 2F"}));
    const QList<QMenu*> otherMenus = {window().findChild<QMenu*>("PopupMenuTopics"),
                                      window().findChild<QMenu*>("PopupMenuTopic")};

    QWidget* const controls[] = {&window().topicsGrid(), &view(),
                                 window().topicsGrid().horizontalHeader()};
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        control->setFocus();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                    control->mapToGlobal(QPoint(1, 1)), Qt::ControlModifier);
        QApplication::sendEvent(control, &menuEvent);
        QTest::keyClick(control, Qt::Key_Menu, Qt::ControlModifier);
        EXPECT_TRUE(QTest::qWaitFor([this] { return seeAlsoMenu().isVisible(); }));
        for (QMenu* other : otherMenus)
            EXPECT_FALSE(other->isVisible()) << other->objectName().toStdString();
        for (QMenu* menu : window().findChildren<QMenu*>())
            menu->hide();
    }
}

TEST_F(TopicViewTest, CopyAndSelectAllWorkOnTheView)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    start({list});
    window().loadTopic(1);
    QAction* copy = window().commandActions().command(CommandId::EditCopy);
    QAction* selectAll = window().commandActions().command(CommandId::EditSelectAll);
    window().updateCommands();
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_TRUE(selectAll->isEnabled());
    EXPECT_FALSE(selectAll->isChecked());

    selectAll->trigger();
    window().updateCommands();
    EXPECT_TRUE(selectAll->isChecked());
    EXPECT_TRUE(copy->isEnabled());
    copy->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("INT 21 - DOS - FUNCTION CALLS\n"));

    // One character short of the whole text is not all of it.
    QTextCursor cursor = view().textCursor();
    cursor.setPosition(1);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    view().setTextCursor(cursor);
    window().updateCommands();
    EXPECT_FALSE(selectAll->isChecked());

    QStringList items;
    for (const QAction* item : window().findChild<QMenu*>("PopupMenuTopic")->actions())
        items.push_back(item->isSeparator() ? QStringLiteral("-") : item->objectName());
    EXPECT_EQ(items,
              QStringList({"EditCopyCmd", "EditSelectAllCmd", "-", "FileSaveCmd", "FilePrintCmd"}));
}

TEST_F(TopicViewTest, ClosingTheListClearsTheView)
{
    const std::string list = copySample("INTERRUP.LST");
    start({list});
    window().loadTopic(topicNamed("214D", "INT 21"));
    window().commandActions().command(CommandId::FileClose)->trigger();

    EXPECT_TRUE(view().isHidden());
    EXPECT_FALSE(view().isEnabled());
    EXPECT_TRUE(view().document()->isEmpty());
    EXPECT_EQ(topicLabel(), "");
    EXPECT_FALSE(seeAlsoButton().isEnabled());
    EXPECT_EQ(window().loadedList().view.currentTopicNumber, -1);
    // Nothing is shown without a list.
    window().loadTopic(0);
    EXPECT_TRUE(view().isHidden());
    EXPECT_TRUE(m_messages.shown.empty());
}

} // namespace
} // namespace zelt::test
