#include "list/index_file.h"
#include "scan_helpers.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

TEST(IndexFile, NameReplacesTheFileNamesExtension)
{
    EXPECT_EQ(IndexFileNameFor("/lists/INTERRUP.LST"), "/lists/INTERRUP.zeltv");
    EXPECT_EQ(IndexFileNameFor("C:\\LISTS\\PORTS"), "C:\\LISTS\\PORTS.zeltv");
    EXPECT_EQ(IndexFileNameFor("INTERRUP.A"), "INTERRUP.zeltv");
    EXPECT_EQ(IndexFileNameFor("my.lists.v2"), "my.lists.zeltv");
    // A dot in a folder name never moves the index out of the list's folder.
    EXPECT_EQ(IndexFileNameFor("C:\\DATA.V2\\PORTS"), "C:\\DATA.V2\\PORTS.zeltv");
    EXPECT_EQ(IndexFileNameFor("/data.v2/PORTS"), "/data.v2/PORTS.zeltv");
}

TEST(IndexFile, LineFormat)
{
    std::string line;
    AppendIndexLine(line, {"214C", "INT 21 - EXIT", 'D', 1234, 56});
    EXPECT_EQ(line, "214C\x14"
                    "D\x15"
                    "1234\x16"
                    "56\x17\x18\x1F"
                    "INT 21 - EXIT\r\n");
}

TEST(IndexFile, ReadsBackExactlyWhatWasWritten)
{
    LoadedList written;
    written.beginLoad(4);
    written.addTopic("[List Info]", "", '!', 0, 100);
    // Separator bytes inside a title, a lone line feed and odd categories.
    written.addTopic("21 4C", std::string("T\x1F\x15 x\n y\0", 10), 0x15, 160, 20);
    written.addTopic("", "", 0x14, 200, 0);
    written.addTopic("X", "\xC4\xB3", 0xFF, 262, 2000000000);
    written.finishLoad();

    const std::string bytes = FormatIndexFile(written.topics());
    LoadedList read;
    ASSERT_TRUE(ParseIndex(bytes, read));
    ASSERT_EQ(read.topicCount(), 4);
    EXPECT_EQ(read.viewRowCount(), 4);
    for (TopicNumber n = 0; n < 4; ++n) {
        const TopicRef a = written.topics().topic(n);
        const TopicRef b = read.topics().topic(n);
        EXPECT_EQ(a.identifier, b.identifier);
        EXPECT_EQ(a.title, b.title);
        EXPECT_EQ(a.category, b.category);
        EXPECT_EQ(a.start, b.start);
        EXPECT_EQ(a.length, b.length);
    }
    EXPECT_EQ(read.categoriesPresent(), written.categoriesPresent());
}

// The bar shows only from a step of 40 lines on, and then rises by 4 at
// every step'th line from the first on.
TEST(IndexFile, ReadingReportsItsProgressInStepsOfFour)
{
    class Recorder final : public LoadObserver {
    public:
        void progressShown(bool visible) override { events.push_back(visible ? -1 : -2); }
        void progressChanged(int value) override { events.push_back(value); }
        std::vector<int> events;
    };
    std::vector<int> shownRising{-1};
    for (int value = 4; value <= 100; value += 4)
        shownRising.push_back(value);
    const struct {
        std::size_t lines;
        std::vector<int> events;
    } cases[] = {{988, {}}, {989, shownRising}, {2000, shownRising}};
    for (const auto& c : cases) {
        std::string bytes;
        for (std::size_t i = 0; i < c.lines; ++i)
            AppendIndexLine(bytes, {"21", "INT 21", 'D', 0, 0});
        LoadedList list;
        Recorder recorder;
        ASSERT_TRUE(ParseIndex(bytes, list, &recorder));
        EXPECT_EQ(recorder.events, c.events) << c.lines << " lines";
    }
}

TEST(IndexFile, TitleWithSeparatorsComesBackWhole)
{
    LoadedList written;
    written.beginLoad(1);
    written.addTopic("2F16",
                     "A\x1F"
                     "B\x14"
                     "C\x17\n",
                     'W', 10, 20);
    written.finishLoad();
    LoadedList read;
    ASSERT_TRUE(ParseIndex(FormatIndexFile(written.topics()), read));
    EXPECT_EQ(read.topics().title(0), "A\x1F"
                                      "B\x14"
                                      "C\x17\n");
    EXPECT_EQ(read.topics().identifier(0), "2F16");
}

TEST(IndexFile, DamagedFilesAreRefusedWhole)
{
    const std::string good = "10\x14V\x15"
                             "0\x16"
                             "5\x17\x18\x1FT\r\n";
    LoadedList list;
    ASSERT_TRUE(ParseIndex(good + good, list));
    EXPECT_EQ(list.topicCount(), 2);

    const std::vector<std::string> damaged = {
        "", // no lines
        good + "10\x14V\x15"
               "0\x16"
               "5\x17\x18\x1FT", // last line cut short
        good + "10\x14V\x15"
               "0x\x16"
               "5\x17\x18\x1FT\r\n", // not a decimal number
        good + "10\x14V\x15"
               "\x16"
               "5\x17\x18\x1FT\r\n", // empty number
        good + "10\x14V\x15"
               "0\x16"
               "-5\x17\x18\x1FT\r\n", // negative length
        good + "10\x14V\x15"
               "0\x16"
               "99999999999\x17\x18\x1FT\r\n", // beyond 32 bits
        good + "10V\x15"
               "0\x16"
               "5\x17\x18\x1FT\r\n", // no separator after the identifier
        good + "10\x14V"
               "0\x16"
               "5\x17\x18\x1FT\r\n", // no separator after the category
        good + "10\x14V\x15"
               "0\x16"
               "5\x18\x1FT\r\n", // no separator after the length
        good + "10\x14V\x15"
               "0\x16"
               "5\x17\x18T\r\n", // no separator before the title
        good + "\r\n",           // an empty line
    };
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        EXPECT_FALSE(ParseIndex(damaged[i], list));
        EXPECT_EQ(list.topicCount(), 0);
        EXPECT_EQ(list.viewRowCount(), 0);
    }
}

TEST(IndexFile, CurrencyComparesOnlyThePackedTimeStamp)
{
    FileEntry list{PackDosTimeStamp(2026, 12, 7, 10, 30, 20), {}, 100, {}};
    FileEntry index{PackDosTimeStamp(2026, 12, 7, 10, 30, 21), {}, 5, {}};
    EXPECT_TRUE(IsIndexCurrent(list, index)); // two-second resolution
    index.timeStamp = PackDosTimeStamp(2026, 12, 7, 10, 30, 22);
    EXPECT_FALSE(IsIndexCurrent(list, index));
    EXPECT_EQ(PackDosTimeStamp(1980, 1, 1, 0, 0, 0), 0x00210000u);
    EXPECT_EQ(PackDosTimeStamp(2026, 12, 7, 23, 59, 59), 0x5D87BF7Du);
    EXPECT_EQ(PackDosTimeStamp(1970, 1, 1, 0, 0, 0), PackDosTimeStamp(1980, 1, 1, 0, 0, 0));
}

TEST(IndexFile, TopicsThatWouldReadBackOtherwiseAreNeverWritten)
{
    // A divider whose identifier holds the byte after which a line's category stands.
    TempDir dir;
    LoadedList list;
    ASSERT_TRUE(ScanBytes(list, dir,
                          DosLines({Divider('D', "21\x14X\x15"
                                                 "0\x16"
                                                 "9"),
                                    "INT 21", "x"}))
                    .loaded);
    EXPECT_FALSE(IndexCanHold(list.topics()));
    const std::string index = dir.file("INTERRUP.zeltv");
    EXPECT_FALSE(WriteIndexFile(index, list.topics(), list.files.listFileEntry));
    EXPECT_FALSE(std::filesystem::exists(index));

    ASSERT_TRUE(
        ScanBytes(list, dir, DosLines({Divider('D', "21"), "INT 21 \x14\x1F", "x"})).loaded);
    EXPECT_TRUE(IndexCanHold(list.topics())) << "a title holds any byte but CR";
}

// Topics exactly as given: identifier, category, start, length.
struct Row {
    std::string identifier;
    char category;
    std::int32_t start;
    std::int32_t length;
};

TopicTable TableOf(std::initializer_list<Row> rows)
{
    LoadedList list;
    list.beginLoad(rows.size());
    for (const Row& row : rows)
        list.addTopic(row.identifier, "T", static_cast<CategoryChar>(row.category), row.start,
                      row.length);
    list.finishLoad();
    return list.topics();
}

FileEntry OfSize(std::uint64_t size)
{
    FileEntry entry;
    entry.size = size;
    return entry;
}

EndOfTextProbe ProbeOf(const std::string& bytes)
{
    return [bytes](std::int64_t offset) {
        return offset >= 0 && offset < static_cast<std::int64_t>(bytes.size()) &&
               bytes[static_cast<std::size_t>(offset)] == '\x1A';
    };
}

TEST(IndexFits, EveryScanOfThisProgramFitsItsList)
{
    const std::string d = Divider('D', "2100");
    const std::string shortest = "--------D-" + std::string(25, 'x') + "X"; // 36 characters
    const std::vector<std::string> lists = {
        DosLines({"info", d, "INT 21", "text"}),
        DosLines({d, "INT 21", "text"}),                               // no list information
        DosLines({"", d, d, "INT 21", "", d, "", d, "INT 21 - LAST"}), // dropped dividers
        DosLines({"info", d, "INT 21", d}),                            // divider on the last line
        DosLines({"info", d, "INT 21"}) + d,                           // ... without its line end
        DosLines({"info", d, "INT 21", "text"}) + "last",              // last line without line end
        DosLines({"info", d, "INT 21"}) + "\x1A" + DosLines({d, "hidden"}),
        DosLines({"info", d, "INT 21"}) + "tail\x1A\r\n",
        "info\r" + shortest + "\rINT 21\rtext\r", // lone CR, the shortest divider
        "info\r" + d + "\r\nINT 21\rtext",
        DosLines({"no dividers at all"}),
        DosLines({std::string(60, '-'), "a divider of category '-'"}),
        "",
        "x",
    };
    for (std::size_t i = 0; i < lists.size(); ++i) {
        SCOPED_TRACE("list " + std::to_string(i));
        TempDir dir;
        LoadedList list;
        ASSERT_TRUE(ScanBytes(list, dir, lists[i]).loaded);
        EXPECT_TRUE(IndexFitsList(list.topics(), OfSize(lists[i].size()), "/x/INTERRUP.LST",
                                  ProbeOf(lists[i])));
        // What was written is what is read back.
        LoadedList read;
        ASSERT_TRUE(ParseIndex(FormatIndexFile(list.topics()), read));
        EXPECT_TRUE(IndexFitsList(read.topics(), OfSize(lists[i].size()), "/x/INTERRUP.LST",
                                  ProbeOf(lists[i])));
    }
}

TEST(IndexFits, TopicsThatNoScanCouldMakeDoNotFit)
{
    // A list of 400 bytes: information, then dividers of 62 bytes with CR LF.
    const FileEntry list = OfSize(400);
    const auto fits = [&list](std::initializer_list<Row> rows) {
        return IndexFitsList(TableOf(rows), list, "INTERRUP.LST");
    };
    EXPECT_TRUE(fits({{"[List Info]", '!', 0, 10}, {"A", 'D', 72, 100}, {"B", 'D', 234, 166}}));
    EXPECT_TRUE(fits({{"A", 'D', 62, 100}, {"B", 'D', 224, 178}})); // no line end at the end

    // Moved: a topic placed before the one ahead of it.
    EXPECT_FALSE(fits({{"[List Info]", '!', 0, 10}, {"B", 'D', 234, 166}, {"A", 'D', 72, 100}}));
    // Overlapping, and too close together for a divider line between them.
    EXPECT_FALSE(fits({{"[List Info]", '!', 0, 100}, {"A", 'D', 72, 100}, {"B", 'D', 234, 166}}));
    EXPECT_FALSE(fits({{"[List Info]", '!', 0, 10}, {"A", 'D', 72, 126}, {"B", 'D', 234, 166}}));
    EXPECT_FALSE(fits({{"A", 'D', 5, 100}, {"B", 'D', 234, 166}}));
    // Ending short of the list's end, or beyond it.
    EXPECT_FALSE(fits({{"[List Info]", '!', 0, 10}, {"A", 'D', 72, 100}, {"B", 'D', 234, 100}}));
    EXPECT_FALSE(fits({{"[List Info]", '!', 0, 10}, {"A", 'D', 72, 100}, {"B", 'D', 234, 167}}));
    EXPECT_FALSE(fits({{"[List Info]", '!', 0, 10}, {"A", 'D', 72, 100}, {"B", 'D', 234, 500}}));
    // Another list's topics.
    EXPECT_FALSE(IndexFitsList(TableOf({{"[List Info]", '!', 0, 10}, {"A", 'D', 72, 500}}), list,
                               "INTERRUP.LST"));
    // A whole-file topic needs the list's name and its size less 2.
    EXPECT_TRUE(fits({{"INTERRUP.LST", '-', 0, 398}}));
    EXPECT_FALSE(fits({{"INTERRUP.LST", '-', 0, 300}}));
    EXPECT_FALSE(fits({{"INTERRUP.A", '-', 0, 398}}));
    EXPECT_FALSE(IndexFitsList(TopicTable{}, list, "INTERRUP.LST"));

    // Ending before the list's size counts only at a Ctrl-Z that ends the text.
    const std::string bytes = std::string(300, 'x') + "\x1A" + std::string(99, 'y');
    const TopicTable early = TableOf({{"[List Info]", '!', 0, 10}, {"A", 'D', 72, 228}});
    EXPECT_TRUE(IndexFitsList(early, list, "INTERRUP.LST", ProbeOf(bytes)));
    EXPECT_FALSE(IndexFitsList(early, list, "INTERRUP.LST"));
    EXPECT_FALSE(IndexFitsList(early, list, "INTERRUP.LST", ProbeOf(std::string(400, 'x'))));
}

} // namespace
} // namespace zelt::test
