#include "list/divider_line.h"
#include "scan_helpers.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

TEST(DividerLine, RecognisesOnlyTheDividerShape)
{
    EXPECT_TRUE(IsDividerLine(Divider('D', "214E")));
    EXPECT_TRUE(IsDividerLine(Divider('D', "214E", 36)));
    EXPECT_TRUE(IsDividerLine(Divider('D', "214E", 74)));
    EXPECT_FALSE(IsDividerLine(Divider('D', "214E", 35)));
    EXPECT_FALSE(IsDividerLine(Divider('D', "214E", 75)));
    EXPECT_FALSE(IsDividerLine(Divider('D', "214E", 120)));
    std::string tenthNotDash = Divider('D', "214E");
    tenthNotDash[9] = 'x';
    EXPECT_FALSE(IsDividerLine(tenthNotDash));
    std::string shortRun = Divider('D', "214E");
    shortRun[3] = '=';
    EXPECT_FALSE(IsDividerLine(shortRun));
    // Any byte may be the category.
    EXPECT_TRUE(IsDividerLine(Divider('\xFF', "X")));
    EXPECT_TRUE(IsDividerLine(Divider('\0', "X")));
}

TEST(DividerLine, CutsIdentifierWithDashesAsBlanks)
{
    EXPECT_EQ(CutIdentifier(Divider('D', "214E")), "214E");
    EXPECT_EQ(CutIdentifier(Divider('D', "21--01")), "21  01");
    EXPECT_EQ(CutIdentifier(Divider('W', "2F1684BX0021")), "2F1684BX0021");
    // The last character is never part of the identifier.
    const std::string full = "--------P-" + std::string(49, 'x') + "Z";
    EXPECT_EQ(CutIdentifier(full), std::string(49, 'x'));
    // Control characters and blanks at both ends are trimmed, inner ones kept.
    EXPECT_EQ(CutIdentifier(Divider('D', "\t AB\x01"
                                         "CD  ")),
              "AB\x01"
              "CD");
    EXPECT_EQ(CutIdentifier(Divider('D', "")), "");
}

TEST(Scanner, SplitsTopicsWithListInformationAndOffsets)
{
    TempDir dir;
    LoadedList list;
    const std::string info = DosLines({"Sample list", "written for tests"});
    const std::string d1 = Divider('D', "214C");
    const std::string d2 = Divider('V', "1000");
    const std::string bytes = info + DosLines({d1, "INT 21 - EXIT\tWITH\tCODE", "\tAH = 4Ch", "",
                                               d2, "INT 10 - SET MODE", "Return: nothing"});
    const auto outcome = ScanBytes(list, dir, bytes);
    ASSERT_TRUE(outcome.loaded);
    EXPECT_EQ(outcome.source, TopicSource::Scan);
    ASSERT_EQ(list.topicCount(), 3);
    const auto infoLength = static_cast<std::int32_t>(info.size());
    const auto start1 = infoLength + static_cast<std::int32_t>(d1.size() + 2);
    const auto end1 = static_cast<std::int32_t>(bytes.find(d2));
    const auto start2 = end1 + static_cast<std::int32_t>(d2.size() + 2);
    ExpectTopic(list, 0, '!', "[List Info]", "", 0, infoLength);
    ExpectTopic(list, 1, 'D', "214C", "INT 21 - EXIT WITH CODE", start1, end1 - start1);
    ExpectTopic(list, 2, 'V', "1000", "INT 10 - SET MODE", start2,
                static_cast<std::int32_t>(bytes.size()) - start2);
    EXPECT_EQ(bytes.substr(static_cast<std::size_t>(start1), 7), "INT 21 ");

    EXPECT_EQ(list.viewRowCount(), 3);
    for (std::int32_t row = 0; row < 3; ++row)
        EXPECT_EQ(list.topicAtRow(row), static_cast<TopicNumber>(row));
    EXPECT_TRUE(list.categoriesPresent().test('!'));
    EXPECT_TRUE(list.categoriesPresent().test('D'));
    EXPECT_TRUE(list.categoriesPresent().test('V'));
    EXPECT_EQ(list.categoriesPresent().count(), 3u);
    EXPECT_EQ(list.files.listKind, ListKind::Interrup);
}

TEST(Scanner, NoListInformationWhenAtMostTwoBytesPrecedeTheFirstDivider)
{
    TempDir dir;
    LoadedList list;
    ScanBytes(list, dir, DosLines({Divider('B', "13"), "INT 13 - DISK"}));
    ASSERT_EQ(list.topicCount(), 1);
    EXPECT_EQ(list.topics().identifier(0), "13");

    ScanBytes(list, dir, DosLines({"", Divider('B', "13"), "INT 13 - DISK"}));
    ASSERT_EQ(list.topicCount(), 1);
    EXPECT_EQ(list.topics().identifier(0), "13");

    ScanBytes(list, dir, DosLines({"x", Divider('B', "13"), "INT 13 - DISK"}));
    ASSERT_EQ(list.topicCount(), 2);
    EXPECT_EQ(list.topics().identifier(0), "[List Info]");
    EXPECT_EQ(list.topics().length(0), 3);
}

TEST(Scanner, DropsTopicsWithoutText)
{
    TempDir dir;
    LoadedList list;
    // Two dividers in a row, and two separated by one empty line.
    ScanBytes(list, dir,
              DosLines({Divider('D', "2100"), Divider('D', "2101"), "INT 21 - ONE", "text", "",
                        Divider('D', "2102"), "", Divider('D', "2103"), "INT 21 - THREE"}));
    ASSERT_EQ(list.topicCount(), 2);
    EXPECT_EQ(list.topics().identifier(0), "2101");
    EXPECT_EQ(list.topics().title(0), "INT 21 - ONE");
    EXPECT_EQ(list.topics().identifier(1), "2103");
    EXPECT_EQ(list.topics().title(1), "INT 21 - THREE");
    EXPECT_FALSE(list.categoriesPresent().test('\0'));
}

TEST(Scanner, InformationDividersHaveNoTitleExceptAfterADroppedDivider)
{
    TempDir dir;
    LoadedList list;
    ScanBytes(list, dir,
              DosLines({Divider('D', "2100"), "INT 21 - ZERO", "", Divider('!', "Notes"),
                        "first line of notes", "more", "", Divider('D', "2101"),
                        Divider('!', "Admin"), "taken as title", "text"}));
    ASSERT_EQ(list.topicCount(), 3);
    EXPECT_EQ(list.topics().category(1), '!');
    EXPECT_EQ(list.topics().identifier(1), "Notes");
    EXPECT_EQ(list.topics().title(1), "");
    // The dropped divider's wish for a title passes to the '!' topic after it.
    EXPECT_EQ(list.topics().identifier(2), "Admin");
    EXPECT_EQ(list.topics().title(2), "taken as title");
}

TEST(Scanner, DividerOnTheLastLineGivesAnEmptyTopic)
{
    TempDir dir;
    LoadedList list;
    const std::string bytes =
        DosLines({Divider('D', "2100"), "INT 21 - ZERO", "text", Divider('D', "2101")});
    ScanBytes(list, dir, bytes);
    ASSERT_EQ(list.topicCount(), 2);
    ExpectTopic(list, 1, 'D', "2101", "", static_cast<std::int32_t>(bytes.size()), 0);
}

TEST(Scanner, FileWithoutDividersIsOneWholeFileTopic)
{
    TempDir dir;
    LoadedList list;
    ScanBytes(list, dir, DosLines({"just text", "no dividers"}), "notes.lst");
    ASSERT_EQ(list.topicCount(), 1);
    ExpectTopic(list, 0, '-', "NOTES.LST", "", 0, 22);
    EXPECT_EQ(list.files.listKind, ListKind::Other);
}

TEST(Scanner, OnlyListFilesAreSplitWhenOnlyParseLstIsOn)
{
    TempDir dir;
    LoadedList list;
    const std::string bytes = DosLines({"info", "more info", Divider('D', "2100"), "INT 21"});
    ScanBytes(list, dir, bytes, "Interrup.a");
    ASSERT_EQ(list.topicCount(), 1);
    ExpectTopic(list, 0, '-', "INTERRUP.A", "", 0, static_cast<std::int32_t>(bytes.size()) - 2);
    EXPECT_FALSE(list.files.parseDividers);

    LoadRequest request;
    request.listFileName = dir.file("Interrup.a");
    request.onlyParseLst = false;
    request.indexMode.loadTopicsDirect = true;
    LoadObserver quiet;
    ASSERT_TRUE(LoadListTopics(list, request, quiet).loaded);
    EXPECT_EQ(list.topicCount(), 2);
}

TEST(Scanner, TinyFilesClampTheWholeFileLength)
{
    TempDir dir;
    LoadedList list;
    ASSERT_TRUE(ScanBytes(list, dir, "", "EMPTY.LST").loaded);
    ExpectTopic(list, 0, '-', "EMPTY.LST", "", 0, 0);
    ASSERT_TRUE(ScanBytes(list, dir, "x", "ONE.LST").loaded);
    ExpectTopic(list, 0, '-', "ONE.LST", "", 0, 0);
    ASSERT_TRUE(ScanBytes(list, dir, "xy", "TWO.LST").loaded);
    ExpectTopic(list, 0, '-', "TWO.LST", "", 0, 0);
}

TEST(Scanner, LineFeedOnlyFileIsOneLine)
{
    TempDir dir;
    LoadedList list;
    const std::string bytes = "info\n" + Divider('D', "2100") + "\nINT 21\ntext\n";
    ScanBytes(list, dir, bytes);
    ASSERT_EQ(list.topicCount(), 1);
    ExpectTopic(list, 0, '-', "INTERRUP.LST", "", 0, static_cast<std::int32_t>(bytes.size()) - 2);
}

TEST(Scanner, CarriageReturnAloneEndsALineAndLoneLineFeedsStay)
{
    TempDir dir;
    LoadedList list;
    // Lone CR line ends count one byte each, so every topic starts at its text.
    const std::string bytes =
        "info one\rinfo two\r" + Divider('D', "2100") + "\rTITLE\nWITH LF\rtext\r";
    ScanBytes(list, dir, bytes);
    ASSERT_EQ(list.topicCount(), 2);
    ExpectTopic(list, 0, '!', "[List Info]", "", 0, 18);
    ExpectTopic(list, 1, 'D', "2100", "TITLE\nWITH LF", 79, 19);
    EXPECT_EQ(bytes.substr(79, 19), "TITLE\nWITH LF\rtext\r");
}

TEST(Scanner, LoneCarriageReturnsAmongCrLfLinesKeepLaterOffsetsExact)
{
    TempDir dir;
    LoadedList list;
    const std::string bytes = DosLines({"info", Divider('D', "2100"), "INT 21"}) + "cr only\r" +
                              DosLines({Divider('D', "2101"), "INT 21 - NEXT", "text"}) +
                              Divider('D', "2102") + "\rINT 21 - LAST\rend";
    ScanBytes(list, dir, bytes);
    ASSERT_EQ(list.topicCount(), 4);
    const TopicTable& topics = list.topics();
    for (TopicNumber n = 1; n < 4; ++n) {
        SCOPED_TRACE("topic " + std::to_string(n));
        EXPECT_EQ(bytes.substr(static_cast<std::size_t>(topics.start(n)), topics.title(n).size()),
                  topics.title(n));
    }
    // The last line has no line end and counts as if it had CR LF.
    EXPECT_EQ(topics.start(3) + topics.length(3), static_cast<std::int32_t>(bytes.size()) + 2);
}

TEST(Scanner, CtrlZEndsTheFile)
{
    TempDir dir;
    LoadedList list;
    const std::string bytes = DosLines({Divider('D', "2100"), "INT 21"}) + "text\x1A" +
                              DosLines({"", Divider('D', "2101"), "hidden"});
    ScanBytes(list, dir, bytes);
    ASSERT_EQ(list.topicCount(), 1);
    // The last line "text" before Ctrl-Z counts with a line end.
    ExpectTopic(list, 0, 'D', "2100", "INT 21", 62, 8 + 6);
}

TEST(Scanner, KeepsNulAndHighBytes)
{
    TempDir dir;
    LoadedList list;
    const std::string title("T\0\xC4\xB3\xFF", 5);
    std::string divider = Divider('\x80', std::string("A\0B", 3));
    const std::string bytes = DosLines(
        {std::string_view("\0\0\0info\xFE", 8), divider, title, std::string_view("\0", 1)});
    ScanBytes(list, dir, bytes);
    ASSERT_EQ(list.topicCount(), 2);
    EXPECT_EQ(list.topics().category(1), 0x80);
    EXPECT_EQ(list.topics().identifier(1), std::string("A\0B", 3));
    EXPECT_EQ(list.topics().title(1), title);
    EXPECT_TRUE(list.categoriesPresent().test(0x80));
}

TEST(Scanner, LongLinesAcrossBufferBoundaries)
{
    TempDir dir;
    LoadedList list;
    const std::string longLine(1 << 20, 'L');
    const std::string bytes = DosLines(
        {"info", "info", Divider('D', "2100"), longLine, "tail", Divider('D', "2101"), longLine});
    ScanBytes(list, dir, bytes);
    ASSERT_EQ(list.topicCount(), 3);
    EXPECT_EQ(list.topics().title(1), longLine);
    EXPECT_EQ(list.topics().length(1), static_cast<std::int32_t>(longLine.size() + 2 + 6));
    EXPECT_EQ(list.topics().title(2), longLine);
    EXPECT_EQ(list.topics().start(2) + list.topics().length(2),
              static_cast<std::int32_t>(bytes.size()));
}

TEST(Scanner, ArraysEndTrimmedToTheTopicCount)
{
    TempDir dir;
    LoadedList list;
    std::string bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += DosLines({Divider('D', std::to_string(i)), "T" + std::to_string(i), ""});
    ScanBytes(list, dir, bytes);
    ASSERT_EQ(list.topicCount(), 1000);
    EXPECT_EQ(list.topics().capacity(), 1000u);
    EXPECT_EQ(list.topics().title(999), "T999");
}

class RecordingObserver : public LoadObserver {
public:
    std::vector<std::string> events;
    void loadBegan(std::string_view text) override
    {
        events.push_back("began " + std::string(text));
    }
    void progressShown(bool visible) override { events.push_back(visible ? "shown" : "hidden"); }
    void progressChanged(int value) override
    {
        last = value;
        ++changes;
    }
    void loadEnded() override { events.push_back("ended"); }
    int last = -1;
    int changes = 0;
};

TEST(Scanner, ReportsStatusAndProgressAndAlwaysEnds)
{
    TempDir dir;
    LoadedList list;
    std::string bytes;
    for (int i = 0; i < 400; ++i)
        bytes += DosLines({Divider('D', std::to_string(i)), "T", "text"});
    LoadRequest request;
    request.listFileName = dir.write("PORTS.LST", bytes);
    RecordingObserver observer;
    ASSERT_TRUE(LoadListTopics(list, request, observer).loaded);
    ASSERT_GE(observer.events.size(), 3u);
    EXPECT_EQ(observer.events.front(), "began Creating new indexfile for PORTS.LST...");
    EXPECT_EQ(observer.events.back(), "ended");
    EXPECT_GE(observer.last, 99);
    EXPECT_LE(observer.last, 100);
    EXPECT_LE(observer.changes, 101);

    request.indexMode.dontUseIndexFile = true;
    request.forceRebuild = true;
    observer = {};
    ASSERT_TRUE(LoadListTopics(list, request, observer).loaded);
    EXPECT_EQ(observer.events.front(), "began Loading topics from PORTS.LST...");

    request.forceRebuild = false;
    observer = {};
    ASSERT_TRUE(LoadListTopics(list, request, observer).loaded);
    EXPECT_EQ(observer.events.front(), "began Loading topics of PORTS.LST...");
    EXPECT_EQ(observer.events.back(), "ended");

    std::filesystem::remove(request.listFileName);
    observer = {};
    EXPECT_FALSE(LoadListTopics(list, request, observer).loaded);
}

} // namespace
} // namespace zelt::test
