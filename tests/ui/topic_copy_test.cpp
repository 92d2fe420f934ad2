#include "output/html_writer.h"
#include "output/rtf_writer.h"
#include "tests/ui/output_fixture.h"
#include "ui/command_actions.h"
#include "ui/form_main.h"
#include "ui/topic_mime_data.h"
#include "ui/topic_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>

namespace zelt::test {
namespace {

class TopicCopyTest : public OutputTest {
protected:
    QAction& command(CommandId id) const { return *window().commandActions().command(id); }
    QToolButton& selectAllButton() const
    {
        const auto* toolBar = window().findChild<QToolBar*>("ToolBar");
        return *qobject_cast<QToolButton*>(
            toolBar->widgetForAction(&command(CommandId::EditSelectAll)));
    }
    void activate() const
    {
        window().activateWindow();
        view().setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
};

TEST_F(TopicCopyTest, CopyOffersTheSelectionAsUnicodeHtmlAndRichText)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    showTopic(list, 2);
    const int start = positionOf("SET MODE");
    const int end = positionOf("video");
    select(start, end);
    triggerCommand(CommandId::EditCopy);

    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), "SET MODE \u2502 \u263A\n\tthe ");
    const TopicDocument selection = view().topicDocument(start, end);
    EXPECT_EQ(selection.text, "SET MODE \xB3 \x01\n\tthe ");
    EXPECT_EQ(data->html().toStdString(), HtmlOf(selection, view().outputStyle()));
    EXPECT_EQ(data->data(RichTextMimeType).toStdString(),
              RichTextOf(selection, view().outputStyle()));
    EXPECT_NE(data->data(RichTextMimeType).indexOf("{\\b\\cf1 SET MODE \\u9474\\'b3 \\u9786?}"),
              -1);
    EXPECT_EQ(view().textCursor().selectionStart(), start);
}

TEST_F(TopicCopyTest, CtrlCCopiesTheSelectionCtrlShiftCTheWholeTopic)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    showTopic(list, 1);
    activate();
    select(4, 6);
    QTest::keyClick(&view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "21");

    QTest::keyClick(&view(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "INT 21 - DOS - FUNCTION CALLS\n\tthe DOS entry\n");
    EXPECT_EQ(view().textCursor().selectionStart(), 4);
    EXPECT_EQ(view().textCursor().selectionEnd(), 6);
}

TEST_F(TopicCopyTest, CopyTopicKeepsAPartialSelectionExactly)
{
    const std::string list = copySample("INTERRUP.LST");
    showTopic(list, 1);
    QTextCursor cursor = view().textCursor();
    cursor.setPosition(30);
    cursor.setPosition(12, QTextCursor::KeepAnchor); // selected backwards
    view().setTextCursor(cursor);
    // Not even for a moment does the view select anything else.
    QSignalSpy selectionChanges(&view(), &QTextEdit::selectionChanged);
    QSignalSpy caretMoves(&view(), &QTextEdit::cursorPositionChanged);
    triggerCommand(CommandId::EditCopyTopic);

    EXPECT_EQ(view().textCursor().anchor(), 30);
    EXPECT_EQ(view().textCursor().position(), 12);
    EXPECT_EQ(selectionChanges.size(), 0);
    EXPECT_EQ(caretMoves.size(), 0);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QString whole = view().document()->toRawText();
    EXPECT_EQ(data->text(), whole.replace(QChar::ParagraphSeparator, u'\n'));
    EXPECT_EQ(data->data(RichTextMimeType).toStdString(),
              RichTextOf(view().topicDocument(), view().outputStyle()));
}

TEST_F(TopicCopyTest, CopyTopicWithoutATopicLeavesTheClipboard)
{
    start();
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    triggerCommand(CommandId::EditCopyTopic);
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
}

TEST_F(TopicCopyTest, SelectAllTwiceSelectsEverythingAndThenNothing)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    showTopic(list, 1);
    select(5, 9);
    QAction& selectAll = command(CommandId::EditSelectAll);

    triggerCommand(CommandId::EditSelectAll);
    EXPECT_EQ(view().textCursor().selectionStart(), 0);
    EXPECT_EQ(view().textCursor().selectionEnd(), view().document()->characterCount() - 1);
    EXPECT_TRUE(selectAll.isChecked());
    EXPECT_TRUE(selectAllButton().isChecked()) << "the tool button is pressed";

    triggerCommand(CommandId::EditSelectAll);
    EXPECT_FALSE(view().textCursor().hasSelection());
    EXPECT_EQ(view().textCursor().position(), 0) << "the caret at the former selection's start";
    EXPECT_FALSE(selectAll.isChecked());
    EXPECT_FALSE(selectAllButton().isChecked());
}

TEST_F(TopicCopyTest, CtrlAInTheViewIsTheToggleToo)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    showTopic(list, 1);
    activate();
    QTest::keyClick(&view(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(view().textCursor().selectedText().size(), view().document()->characterCount() - 1);
    QTest::keyClick(&view(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(view().textCursor().hasSelection());
}

} // namespace
} // namespace zelt::test
