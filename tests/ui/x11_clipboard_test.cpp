// What Copy and Copy Topic put on the clipboard, as another program pastes
// it from a real X server: ctest runs these cases under xvfb-run and reads the
// clipboard with xclip.
#include "output/html_writer.h"
#include "output/rtf_writer.h"
#include "tests/ui/output_fixture.h"
#include "ui/form_main.h"
#include "ui/topic_view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTextDocument>

namespace zelt::test {
namespace {

// Serves the clipboard while xclip asks for it.
QByteArray Pasted(const QString& target)
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-o", "-t", target});
    QElapsedTimer waited;
    waited.start();
    while (!xclip.waitForFinished(10) && waited.elapsed() < 20000)
        QCoreApplication::processEvents();
    if (xclip.state() != QProcess::NotRunning || xclip.exitCode() != 0) {
        xclip.kill();
        xclip.waitForFinished();
        ADD_FAILURE() << "xclip could not paste " << target.toStdString() << ": "
                      << xclip.readAllStandardError().toStdString()
                      << " (./setup.sh installs xclip)";
        return {};
    }
    return xclip.readAllStandardOutput();
}

class X11ClipboardTest : public OutputTest {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server; ctest runs this under xvfb-run";
        OutputTest::SetUp();
    }
};

TEST_F(X11ClipboardTest, OtherProgramsPasteTheSelectionAndTheWholeTopic)
{
    showTopic(writeList("SMALL.LST", SmallList()), 2);
    const int start = positionOf("SET MODE");
    const int end = positionOf("video");
    select(start, end);
    triggerCommand(CommandId::EditCopy);

    const QByteArray targets = Pasted(QStringLiteral("TARGETS"));
    for (const char* target : {"UTF8_STRING", "text/plain", "text/html", "text/rtf"})
        EXPECT_TRUE(targets.contains(target)) << target << " in " << targets.toStdString();
    EXPECT_EQ(Pasted(QStringLiteral("UTF8_STRING")).toStdString(),
              "SET MODE \u2502 \u263A\n\tthe ");
    const TopicDocument selection = view().topicDocument(start, end);
    EXPECT_EQ(Pasted(QStringLiteral("text/rtf")).toStdString(),
              RichTextOf(selection, view().outputStyle()));
    EXPECT_EQ(QString::fromUtf8(Pasted(QStringLiteral("text/html"))).toStdString(),
              HtmlOf(selection, view().outputStyle()));

    triggerCommand(CommandId::EditCopyTopic);
    EXPECT_EQ(Pasted(QStringLiteral("UTF8_STRING")).toStdString(),
              "INT 10 - VIDEO - SET MODE \u2502 \u263A\n\tthe video entry\n");
    EXPECT_EQ(Pasted(QStringLiteral("text/rtf")).toStdString(),
              RichTextOf(view().topicDocument(), view().outputStyle()));
    EXPECT_EQ(view().textCursor().selectionStart(), start);
    EXPECT_EQ(view().textCursor().selectionEnd(), end);
}

} // namespace
} // namespace zelt::test
