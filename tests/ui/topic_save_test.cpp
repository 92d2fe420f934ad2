#include "output/rtf_writer.h"
#include "tests/ui/output_fixture.h"
#include "ui/form_main.h"
#include "ui/hint_handler.h"
#include "ui/topic_view.h"

#include <QDir>
#include <filesystem>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

using TopicSaveTest = OutputTest;

TEST_F(TopicSaveTest, TheDialogProposesTheIdentifierAndTheHintIsCleared)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    showTopic(list, 2);
    window().hints().setHint(QStringLiteral("Loading topic..."));
    const auto files = [this] {
        return std::distance(fs::directory_iterator(listsFolder()), fs::directory_iterator());
    };
    const auto filesBefore = files();
    triggerCommand(CommandId::FileSave);

    EXPECT_EQ(window().hints().hint(), "");
    ASSERT_EQ(m_messages.saveRequests.size(), 1u);
    const SaveFileRequest& request = m_messages.saveRequests[0];
    EXPECT_EQ(request.title, "Save topic");
    EXPECT_EQ(request.filters, QStringList({"Textfiles (*.txt)", "All files (*.*)"}));
    EXPECT_EQ(request.fileName, "10.txt");
    EXPECT_TRUE(m_messages.shown.empty()) << "cancelling shows nothing";
    EXPECT_EQ(files(), filesBefore) << "and writes nothing";
}

TEST_F(TopicSaveTest, ATopicWithoutIdentifierProposesItsNumber)
{
    const std::string list = writeList(
        "SMALL.LST", SmallList() + DosLines({Divider('D', ""), "NO IDENTIFIER", "\ttext"}));
    showTopic(list, 4);
    ASSERT_EQ(window().loadedList().view.currentTopicIdentifier, "");
    triggerCommand(CommandId::FileSave);
    ASSERT_EQ(m_messages.saveRequests.size(), 1u);
    EXPECT_EQ(m_messages.saveRequests[0].fileName, "Topic5.txt");
}

TEST_F(TopicSaveTest, TextIsTheListsOwnStretchInAnyLetterCase)
{
    const std::string list = copySample("INTERRUP.LST");
    start({list});
    for (const std::int32_t n : {0, 1, 17, window().loadedList().topicCount() - 1}) {
        window().loadTopic(n);
        const std::string name = listPath("topic" + std::to_string(n) + (n % 2 ? ".TXT" : ".txt"));
        m_messages.saveAnswers.push_back(QString::fromStdString(name));
        triggerCommand(CommandId::FileSave);
        EXPECT_EQ(ReadBytes(name), topicBytes(n)) << "topic " << n;
    }
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(TopicSaveTest, LinesEndingInLineFeedsAloneAreSavedWithCrLf)
{
    const std::string list =
        writeList("SMALL.LST",
                  "info\r\n" + Divider('D', "21") + "\r\nINT 21 - DOS\r\n\tAH\n\tAL\rlast\n\r\n");
    showTopic(list, 1);
    m_messages.saveAnswers.push_back(QString::fromStdString(listPath("21.txt")));
    triggerCommand(CommandId::FileSave);
    EXPECT_EQ(ReadBytes(listPath("21.txt")), "INT 21 - DOS\r\n\tAH\r\n\tAL\r\nlast\r\n\r\n");
}

TEST_F(TopicSaveTest, OtherNamesGetTheViewsFormattingAsRichText)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    showTopic(list, 1);
    for (const char* name : {"topic.rtf", "topic"}) {
        m_messages.saveAnswers.push_back(QString::fromStdString(listPath(name)));
        triggerCommand(CommandId::FileSave);
        const std::string rtf = ReadBytes(listPath(name));
        EXPECT_EQ(rtf, RichTextOf(view().topicDocument(), view().outputStyle())) << name;
        EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil MS Sans Serif;}}"), std::string::npos);
        EXPECT_NE(rtf.find("\\fs16 {\\b\\cf1 INT 21 - DOS - FUNCTION CALLS}\\par"),
                  std::string::npos)
            << "the title bold";
    }
}

TEST_F(TopicSaveTest, AFailedSaveNamesTheFileAndKeepsTheOldOne)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    showTopic(list, 1);
    const QString missing = QString::fromStdString(listPath("no/folder/21.txt"));
    m_messages.saveAnswers.push_back(missing);
    triggerCommand(CommandId::FileSave);
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(m_messages.shown[0].text, "Cannot create file " + QDir::toNativeSeparators(missing));

    const std::string old = writeList("21.txt", "the notes of yesterday");
    fs::permissions(old, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    m_messages.saveAnswers.push_back(QString::fromStdString(old));
    triggerCommand(CommandId::FileSave);
    ASSERT_EQ(m_messages.shown.size(), 2u);
    EXPECT_EQ(m_messages.shown[1].text, "Cannot create file " + QString::fromStdString(old));
    EXPECT_EQ(ReadBytes(old), "the notes of yesterday");
    fs::permissions(old, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(view().document()->toRawText().left(6), "INT 21") << "the view is unchanged";
}

TEST_F(TopicSaveTest, TheOpenListIsNeverSavedOverWhateverItsName)
{
    const std::string list = writeList("MEMORY.LST", SmallList());
    showTopic(list, 1);
    std::vector<std::string> names{list, listPath("./MEMORY.LST"), "MEMORY.LST"};
#ifndef _WIN32
    fs::create_symlink("MEMORY.LST", listsFolder() / "memory.txt");
    names.push_back(listPath("memory.txt"));
#endif
    for (const std::string& name : names) {
        m_messages.saveAnswers.push_back(QString::fromStdString(name));
        triggerCommand(CommandId::FileSave);
    }
    QStringList expected;
    for (const std::string& name : names)
        expected.push_back("Cannot create file " +
                           QDir::toNativeSeparators(QString::fromStdString(name)));
    EXPECT_EQ(m_messages.texts(), expected);
    EXPECT_EQ(ReadBytes(list), SmallList());
}

} // namespace
} // namespace zelt::test
