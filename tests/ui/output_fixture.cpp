#include "tests/ui/output_fixture.h"

#include "ui/command_actions.h"
#include "ui/form_main.h"
#include "ui/topic_view.h"

#include <QAction>
#include <QProcess>
#include <QTextCursor>
#include <QTextDocument>

namespace zelt::test {

void OutputTest::showTopic(const std::string& list, std::int32_t n)
{
    start({list});
    window().loadTopic(n);
    ASSERT_EQ(window().loadedList().view.currentTopicNumber, n);
    ASSERT_TRUE(m_messages.shown.empty());
}

TopicView& OutputTest::view() const
{
    return window().topicView();
}

std::string OutputTest::topicBytes(std::int32_t n) const
{
    const auto topic = static_cast<TopicNumber>(n);
    const LoadedList& list = window().loadedList();
    return ReadBytes(list.files.listFileName)
        .substr(static_cast<std::size_t>(list.topics().start(topic)),
                static_cast<std::size_t>(list.topics().length(topic)));
}

void OutputTest::select(int start, int end) const
{
    QTextCursor cursor = view().textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    view().setTextCursor(cursor);
}

int OutputTest::positionOf(const QString& text) const
{
    return static_cast<int>(view().document()->toRawText().indexOf(text));
}

void OutputTest::triggerCommand(CommandId id) const
{
    window().updateCommands();
    QAction* action = window().commandActions().command(id);
    ASSERT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    action->trigger();
}

QString OutputOf(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString()
                      << "; ./setup.sh installs the programs the tests use";
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace zelt::test
