#include "browse/view_lines.h"
#include "list/index_file.h"
#include "list/list_loader.h"
#include "tests/ui/ui_fixture.h"
#include "ui/form_main.h"
#include "ui/hint_handler.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"

#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <chrono>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

// Lists that are not what the viewer usually meets: lone-CR line ends, an
// index that belongs to another list, a topic of one enormous line.
class RobustTopicsTest : public UiTest {
protected:
    QString viewText() const { return window().topicView().document()->toRawText(); }

    // What the view must hold for topic n: its own bytes of the list file.
    QString expectedText(std::int32_t n) const
    {
        const LoadedList& list = window().loadedList();
        const auto topic = static_cast<TopicNumber>(n);
        const std::string file = ReadBytes(list.files.listFileName);
        const std::string bytes =
            file.substr(static_cast<std::size_t>(list.topics().start(topic)),
                        static_cast<std::size_t>(list.topics().length(topic)));
        return QString::fromStdU16String(ViewText(ShownBytes(bytes)));
    }

    void expectEveryTopicShowsItsOwnText()
    {
        const LoadedList& list = window().loadedList();
        ASSERT_GT(list.topicCount(), 1);
        for (std::int32_t n = 0; n < list.topicCount(); ++n) {
            SCOPED_TRACE("topic " + std::to_string(n));
            window().loadTopic(n);
            const std::string_view title = list.topics().title(static_cast<TopicNumber>(n));
            EXPECT_TRUE(viewText().startsWith(FromBytes(title)));
            EXPECT_EQ(viewText(), expectedText(n));
        }
        EXPECT_TRUE(m_messages.shown.empty());
    }

    static QString FromBytes(std::string_view bytes)
    {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }

    static std::string LoneCrList()
    {
        return "Information\r" + Divider('D', "21") + "\rINT 21 - DOS\rtext one\r" +
               Divider('B', "10") + "\rINT 10 - VIDEO\rtext two\r\r" + Divider('D', "2F") +
               "\rINT 2F - MULTIPLEX\rlast";
    }
};

TEST_F(RobustTopicsTest, LoneCrListShowsEveryTopicsOwnTextAlsoFromItsIndex)
{
    const std::string list = writeList("LONECR.LST", LoneCrList());
    start({list});
    EXPECT_EQ(window().loadedList().topicCount(), 4);
    expectEveryTopicShowsItsOwnText();
    const std::string index = ReadBytes(listsFolder() / "LONECR.zeltv");
    m_run.reset();

    start({list});
    EXPECT_EQ(ReadBytes(listsFolder() / "LONECR.zeltv"), index);
    expectEveryTopicShowsItsOwnText();
}

TEST_F(RobustTopicsTest, IndexOfAnotherListWithTheSameTimeStampIsNotUsed)
{
    // The other list's index, under this list's name and with its time stamp.
    const std::string other = writeList("OTHER.LST", SmallList());
    start({other});
    m_run.reset();
    const std::string list = writeList("INTERRUP.LST", LoneCrList());
    fs::copy_file(listsFolder() / "OTHER.zeltv", listsFolder() / "INTERRUP.zeltv");
    fs::last_write_time(listsFolder() / "INTERRUP.zeltv", fs::last_write_time(list));

    start({list});
    expectEveryTopicShowsItsOwnText();
    LoadedList scanned;
    LoadRequest request;
    request.listFileName = list;
    request.indexMode.loadTopicsDirect = true;
    LoadObserver quiet;
    ASSERT_TRUE(LoadListTopics(scanned, request, quiet).loaded);
    EXPECT_EQ(ReadBytes(listsFolder() / "INTERRUP.zeltv"), FormatIndexFile(scanned.topics()));
}

TEST_F(RobustTopicsTest, AListChangedWhileOpenIsReadAgainAndShowsOnlyItsOwnText)
{
    const auto list = [](std::string_view first, std::string_view second) {
        return "Information\r\n" + std::string(first) + std::string(second);
    };
    const std::string disk = DosLines({Divider('D', "21"), "INT 21 - DISK", "\tone"});
    const std::string bios = DosLines({Divider('B', "10"), "INT 10 - BIOS", "\ttwo"});
    struct Change {
        const char* what;
        std::string bytes;
        // The topic shown after asking for the old topic 1, "INT 21 - DISK".
        std::int32_t shown;
    };
    // Rewritten, the list keeps its size: only the write time tells, and the
    // old positions would show INT 10 under the title of INT 21.
    const std::string old = list(disk, bios);
    for (const Change& change : {Change{"rewritten", list(bios, disk), 2},
                                 Change{"cut in the topic", old.substr(0, 13 + disk.size() - 3), 1},
                                 Change{"cut before the topic", old.substr(0, 20), 0}}) {
        SCOPED_TRACE(change.what);
        const std::string name = writeList("CHANGED.LST", old);
        start({name});
        window().loadTopic(2);
        const auto opened = fs::last_write_time(name);
        WriteBytes(name, change.bytes);
        fs::last_write_time(name, opened + std::chrono::seconds(10));

        window().loadTopic(1);
        EXPECT_TRUE(m_messages.shown.empty());
        EXPECT_EQ(window().hints().hint(), "List changed on disk: read again");
        const LoadedList& reread = window().loadedList();
        EXPECT_EQ(reread.files.listFileEntry.size, change.bytes.size());
        ASSERT_EQ(reread.view.currentTopicNumber, change.shown);
        EXPECT_EQ(viewText(), expectedText(change.shown));
        m_run.reset();
    }
}

TEST_F(RobustTopicsTest, TopicOfOneFiftyMegabyteLineIsShownCut)
{
    const std::string line(50'000'000, 'x');
    const std::string list =
        writeList("HUGE.LST", DosLines({"Information", Divider('D', "21"), "INT 21"}) + line);
    start({list});
    ASSERT_EQ(window().loadedList().topicCount(), 2);
    window().loadTopic(1);
    ASSERT_TRUE(m_messages.shown.empty());
    const QString text = viewText();
    ASSERT_EQ(text.size(), 7 + MaxViewLineLength + 1);
    EXPECT_EQ(text.back(), QChar(ViewCutMark));
    QTextCursor mark(window().topicView().document());
    mark.setPosition(text.size());
    EXPECT_EQ(mark.charFormat().foreground().color(), QColor(128, 128, 128));
    // The view and the grid paint it at once.
    QImage image(window().topicView().viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    window().topicView().viewport()->render(&image);
    window().topicsGrid().viewport()->render(&image);
}

TEST_F(RobustTopicsTest, OneLineTitleOfFiftyMegabytesIsDrawnInTheGrid)
{
    const std::string title(50'000'000, 'T');
    const std::string list =
        writeList("TITLE.LST", DosLines({"Information", Divider('D', "21"), title, "text"}));
    start({list});
    window().showNormal();
    window().resize(800, 600);
    window().loadTopic(1);
    ASSERT_TRUE(m_messages.shown.empty());
    QImage image(window().topicsGrid().viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 20; ++i)
        window().topicsGrid().viewport()->render(&image);
    EXPECT_TRUE(viewText().startsWith(QStringLiteral("TTTT")));
}

} // namespace
} // namespace zelt::test
