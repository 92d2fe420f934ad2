#include "base/file_io.h"
#include "tests/ui/find_dialog_fixture.h"
#include "ui/form_go_to.h"
#include "ui/topic_view.h"

#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace zelt::test {
namespace {

// Ctrl+click, tooltips and Go To over the sample interrupt and port lists;
// the other lists of the folder are missing on purpose.
class ReferenceNavigationTest : public FindDialogTest {
protected:
    void startWith(std::vector<std::string> arguments)
    {
        copySample("INTERRUP.LST");
        copySample("PORTS.LST");
        start(std::move(arguments));
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    void showTopic(std::string_view list, std::string_view titleStart)
    {
        if (!IsSameFile(window().loadedList().files.listFileName, listPath(list)))
            window().openList(listPath(list));
        const TopicTable& topics = window().loadedList().topics();
        for (TopicNumber n = 1; n < static_cast<TopicNumber>(topics.size()); ++n) {
            if (topics.title(n).starts_with(titleStart)) {
                window().showListTopic(listsFolder() / list, n);
                return;
            }
        }
        ADD_FAILURE() << "no topic " << titleStart;
    }
    bool shows(std::string_view list, std::string_view titleStart) const
    {
        const LoadedList& loaded = window().loadedList();
        return IsSameFile(loaded.files.listFileName, listPath(list)) && loaded.hasCurrentTopic() &&
               loaded.view.currentTopicTitle.starts_with(titleStart) &&
               loaded.view.selectedTopic == loaded.view.currentTopicNumber;
    }
    // A point on the last occurrence of the text in the topic view.
    QPoint pointOn(const QString& text) const
    {
        TopicView& view = window().topicView();
        const auto position = view.document()->toRawText().lastIndexOf(text);
        EXPECT_GE(position, 0) << text.toStdString();
        QTextCursor at(view.document());
        at.setPosition(static_cast<int>(position) + 1);
        view.ensureCursorVisible();
        return view.cursorRect(at).center() + QPoint(2, 0);
    }
    void click(const QString& text, Qt::KeyboardModifiers modifiers)
    {
        QTest::mouseClick(window().topicView().viewport(), Qt::LeftButton, modifiers,
                          pointOn(text));
    }
    QString caretLine() const { return window().topicView().textCursor().block().text(); }

    void goTo(const QString& typed)
    {
        m_messages.dialogScripts.push_back([typed](QDialog& d) {
            d.findChild<QComboBox*>("GoToReferenceEdit")->setEditText(typed);
            d.findChild<QPushButton*>("GoToOkButton")->click();
        });
        command(CommandId::SearchGoTo);
    }
};

TEST_F(ReferenceNavigationTest, CtrlClickFollowsTableNumbersAndReferencesIntoOtherLists)
{
    startWith({listPath("INTERRUP.LST")});
    showTopic("INTERRUP.LST", "INT 10 - VIDEO - ASK FOR THE ACTIVE MODE");
    EXPECT_EQ(window().topicView().referenceTipAt(pointOn("#00100")),
              "Table 00100 in INTERRUP.LST");
    click("#00100", Qt::ControlModifier);
    EXPECT_TRUE(shows("INTERRUP.LST", "INT 10 - VIDEO - SWITCH TO A DISPLAY MODE"));
    EXPECT_EQ(caretLine(), "(Table 00100)");

    showTopic("INTERRUP.LST", "INT 09 H - IRQ1");
    EXPECT_EQ(window().topicView().referenceTipAt(pointOn("PORT 0060h")),
              "PORTS.LST: PORT 0060 - KEYBOARD CONTROLLER (8041/8042) - DATA IN AND OUT");
    EXPECT_EQ(window().topicView().referenceTipAt(pointOn("Desc:")), "");
    // A plain click keeps its old meaning: this is no link of the list.
    click("PORT 0060h", Qt::NoModifier);
    EXPECT_TRUE(shows("INTERRUP.LST", "INT 09 H - IRQ1"));

    click("PORT 0060h", Qt::ControlModifier);
    EXPECT_TRUE(shows("PORTS.LST", "PORT 0060 - KEYBOARD CONTROLLER"));
    EXPECT_TRUE(m_messages.shown.empty());
    command(CommandId::SearchBack);
    EXPECT_TRUE(shows("INTERRUP.LST", "INT 09 H - IRQ1"));

    // A table of the other list, named in running text.
    EXPECT_EQ(window().topicView().referenceTipAt(pointOn("#P0004")), "Table P0004 in PORTS.LST");
    click("#P0004", Qt::ControlModifier);
    EXPECT_TRUE(shows("PORTS.LST", "PORT 0064 - KEYBOARD CONTROLLER"));
    EXPECT_EQ(caretLine(), "(Table P0004)");
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(ReferenceNavigationTest, ReferencesThatLeadNowhereAreExplained)
{
    startWith({listPath("INTERRUP.LST")});
    showTopic("INTERRUP.LST", "INT 0A H - IRQ2");
    EXPECT_EQ(window().topicView().referenceTipAt(pointOn("MSR 0000001Bh")),
              "MSR.LST is not in the lists folder");
    click("MSR 0000001Bh", Qt::ControlModifier);
    EXPECT_EQ(m_messages.texts(), QStringList({"MSR.LST is not in the lists folder"}));
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(shows("INTERRUP.LST", "INT 0A H - IRQ2"));
}

TEST_F(ReferenceNavigationTest, GoToTakesReferencesAsTheyAreTyped)
{
    startWith({});
    ASSERT_EQ(window().loadedList().topicCount(), 0);
    // Without an open list, in the lists folder.
    goTo("port 60");
    EXPECT_TRUE(shows("PORTS.LST", "PORT 0060 - KEYBOARD CONTROLLER"));

    for (const QString typed : {"int 21/ah=4c", "INT 21 AH=4Ch", " Int 21/AH=4CH "}) {
        showTopic("PORTS.LST", "PORT 0040");
        goTo(typed);
        EXPECT_TRUE(shows("INTERRUP.LST", "INT 21 - DOS 2+ - \"EXIT\"")) << typed.toStdString();
    }
    // Read in the current topic's interrupt.
    goTo("ah=4b");
    EXPECT_EQ(window().loadedList().view.currentTopicIdentifier, "214B00");
    goTo("int xyz");
    EXPECT_EQ(m_messages.texts(), QStringList({"No topic for int xyz in INTERRUP.LST"}));
    EXPECT_EQ(window().goToDialog().findChild<QComboBox*>("GoToReferenceEdit")->count(), 6);
}

} // namespace
} // namespace zelt::test
