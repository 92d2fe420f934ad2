#include "list/index_file.h"
#include "scan_helpers.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

#ifdef _WIN32
#include "support/exclusive_open.h"
#endif

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

LoadOutcome Open(LoadedList& list, const std::string& name, IndexMode mode = {},
                 bool forceRebuild = false)
{
    LoadRequest request;
    request.listFileName = name;
    request.onlyParseLst = true;
    request.indexMode = mode;
    request.forceRebuild = forceRebuild;
    LoadObserver quiet;
    return LoadListTopics(list, request, quiet);
}

void ExpectSameTopics(const LoadedList& a, const LoadedList& b)
{
    ASSERT_EQ(a.topicCount(), b.topicCount());
    for (TopicNumber n = 0; n < a.topics().size(); ++n) {
        const TopicRef x = a.topics().topic(n);
        const TopicRef y = b.topics().topic(n);
        EXPECT_EQ(x.identifier, y.identifier);
        EXPECT_EQ(x.title, y.title);
        EXPECT_EQ(x.category, y.category);
        EXPECT_EQ(x.start, y.start);
        EXPECT_EQ(x.length, y.length);
    }
}

void Touch(const std::string& name, std::chrono::seconds by)
{
    fs::last_write_time(name, fs::last_write_time(name) + by);
}

TEST(ListLoader, ScansOnceThenReadsTheCurrentIndex)
{
    TempDir dir;
    const std::string name = dir.write("INTERRUP.LST", SampleList());
    const std::string index = dir.file("INTERRUP.zeltv");

    LoadedList scanned;
    const auto first = Open(scanned, name);
    ASSERT_TRUE(first.loaded);
    EXPECT_EQ(first.source, TopicSource::Scan);
    EXPECT_FALSE(first.error);
    ASSERT_TRUE(fs::exists(index));
    EXPECT_EQ(fs::last_write_time(index), fs::last_write_time(name));
    EXPECT_EQ(scanned.files.indexFileName, index);

    LoadedList fromIndex;
    const auto second = Open(fromIndex, name);
    ASSERT_TRUE(second.loaded);
    EXPECT_EQ(second.source, TopicSource::IndexFile);
    ExpectSameTopics(scanned, fromIndex);
    EXPECT_EQ(fromIndex.categoriesPresent(), scanned.categoriesPresent());

    // The time stamp decides: other contents under the same stamp still read the index...
    const auto stamp = fs::last_write_time(name);
    WriteBytes(name, std::string(SampleList().size(), 'x'));
    fs::last_write_time(name, stamp);
    EXPECT_EQ(Open(fromIndex, name).source, TopicSource::IndexFile);
    EXPECT_EQ(fromIndex.topicCount(), 3);
    // ...unless the file is too small to hold the topics the index names.
    WriteBytes(name, DosLines({"completely", "different"}));
    fs::last_write_time(name, stamp);
    EXPECT_EQ(Open(fromIndex, name).source, TopicSource::Scan);
    EXPECT_EQ(fromIndex.topicCount(), 1);
    fs::last_write_time(name, stamp);

    // A changed time stamp scans and rewrites the index.
    Touch(name, std::chrono::seconds(10));
    const auto third = Open(fromIndex, name);
    EXPECT_EQ(third.source, TopicSource::Scan);
    EXPECT_EQ(fromIndex.topicCount(), 1);
    EXPECT_EQ(fs::last_write_time(index), fs::last_write_time(name));
}

TEST(ListLoader, IndexModesDecideReadingAndWriting)
{
    struct Case {
        IndexMode mode;
        TopicSource withCurrent;
        bool writesWhenMissing;
    };
    const Case cases[] = {
        {{false, false}, TopicSource::IndexFile, true},
        {{true, false}, TopicSource::IndexFile, false},
        {{false, true}, TopicSource::Scan, false},
        {{true, true}, TopicSource::Scan, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode.dontUseIndexFile) +
                     std::to_string(c.mode.loadTopicsDirect));
        TempDir dir;
        const std::string name = dir.write("PORTS.LST", SampleList());
        const std::string index = dir.file("PORTS.zeltv");
        LoadedList list;
        EXPECT_EQ(Open(list, name, c.mode).source, TopicSource::Scan);
        EXPECT_EQ(fs::exists(index), c.writesWhenMissing);

        ASSERT_TRUE(Open(list, name).loaded); // a current index, written in the default mode
        const auto before = ReadBytes(index);
        EXPECT_EQ(Open(list, name, c.mode).source, c.withCurrent);
        EXPECT_EQ(ReadBytes(index), before);
        EXPECT_EQ(list.topicCount(), 3);
    }
}

TEST(ListLoader, ForcedRebuildScansAndRewritesACurrentIndex)
{
    TempDir dir;
    const std::string name = dir.write("INTERRUP.LST", SampleList());
    const std::string index = dir.file("INTERRUP.zeltv");
    LoadedList list;
    ASSERT_TRUE(Open(list, name).loaded);
    WriteBytes(index, "stale\x14"
                      "D\x15"
                      "0\x16" +
                          std::to_string(SampleList().size()) + "\x17\x18\x1Fstale\r\n");
    fs::last_write_time(index, fs::last_write_time(name));
    EXPECT_EQ(Open(list, name).source, TopicSource::IndexFile);
    EXPECT_EQ(list.topics().identifier(0), "stale");

    EXPECT_EQ(Open(list, name, {}, true).source, TopicSource::Scan);
    EXPECT_EQ(list.topicCount(), 3);
    EXPECT_EQ(Open(list, name).source, TopicSource::IndexFile);
    EXPECT_EQ(list.topics().identifier(1), "214C");
}

TEST(ListLoader, DamagedIndexIsOutdated)
{
    const std::vector<std::string> damaged = {
        "214C\x14"
        "D\x15"
        "9x\x16"
        "5\x17\x18\x1FT\r\n",
        "214C\x14"
        "D"
        "9\x16"
        "5\x17\x18\x1FT\r\n",
        "214C\x14"
        "D\x15"
        "9\x16"
        "5\x17\x18\x1FT",
        "",
    };
    for (const std::string& bytes : damaged) {
        TempDir dir;
        const std::string name = dir.write("INTERRUP.LST", SampleList());
        const std::string index = dir.write("INTERRUP.zeltv", bytes);
        fs::last_write_time(index, fs::last_write_time(name));
        LoadedList list;
        const auto outcome = Open(list, name);
        ASSERT_TRUE(outcome.loaded);
        EXPECT_EQ(outcome.source, TopicSource::Scan);
        EXPECT_EQ(list.topicCount(), 3);
        EXPECT_EQ(ReadBytes(index), FormatIndexFile(list.topics()));
    }
}

TEST(ListLoader, MissingAndUnloadableListsLeaveTheModelEmpty)
{
    TempDir dir;
    LoadedList list;
    ASSERT_TRUE(Open(list, dir.write("INTERRUP.LST", SampleList())).loaded);

    auto outcome = Open(list, dir.file("MISSING.LST"));
    EXPECT_FALSE(outcome.loaded);
    EXPECT_EQ(outcome.error, ErrorUnableToLoadList);
    EXPECT_EQ(list.topicCount(), 0);
    EXPECT_EQ(list.viewRowCount(), 0);
    EXPECT_TRUE(list.files.listFileName.empty());
    EXPECT_EQ(list.files.listKind, ListKind::None);
    EXPECT_TRUE(list.categoriesPresent().none());

    fs::create_directory(dir.file("FOLDER.LST"));
    outcome = Open(list, dir.file("FOLDER.LST"));
    EXPECT_EQ(outcome.error, ErrorUnableToLoadList);
    EXPECT_EQ(list.topicCount(), 0);
}

TEST(ListLoader, UnreadableListReportsMessageOne)
{
    TempDir dir;
#ifdef _WIN32
    const std::string name = dir.write("PORTS.LST", SampleList());
    const ExclusiveOpen otherProgram(name);
#elif defined(__linux__)
    // A write-only kernel setting: a regular file that nobody may read, root
    // included, whose permissions bind root unlike those of a file on disk.
    const std::string name = dir.file("PORTS.LST");
    fs::create_symlink("/proc/sys/vm/drop_caches", name);
    ASSERT_TRUE(fs::is_regular_file(name));
#else
    const std::string name = dir.write("PORTS.LST", SampleList());
    fs::permissions(name, fs::perms::none);
    if (RunningAsRoot())
        GTEST_SKIP() << "file permissions do not bind root";
#endif
    LoadedList list;
    const auto outcome = Open(list, name);
    EXPECT_FALSE(outcome.loaded);
    EXPECT_EQ(outcome.error, ErrorUnableToLoadList);
    EXPECT_EQ(list.topicCount(), 0);
    EXPECT_FALSE(fs::exists(dir.file("PORTS.zeltv")));
}

#ifdef __linux__
TEST(ListLoader, ReadErrorAfterOpeningReportsMessageOne)
{
    // This file opens but every read of it fails.
    LoadRequest request;
    request.listFileName = "/proc/self/mem";
    request.indexMode.loadTopicsDirect = true;
    LoadObserver quiet;
    LoadedList list;
    const auto outcome = LoadListTopics(list, request, quiet);
    EXPECT_FALSE(outcome.loaded);
    EXPECT_EQ(outcome.error, ErrorUnableToLoadList);
    EXPECT_EQ(list.topicCount(), 0);
}
#endif

TEST(ListLoader, ListsOfTwoGibibytesAreRefused)
{
    TempDir dir;
    const std::string name = dir.write("HUGE.LST", "");
    std::error_code error;
    fs::resize_file(name, std::uint64_t{1} << 31, error); // sparse: takes no disk space
    if (error)
        GTEST_SKIP() << "no sparse files here";
    LoadedList list;
    const auto outcome = Open(list, name);
    EXPECT_FALSE(outcome.loaded);
    EXPECT_EQ(outcome.error, ErrorUnableToLoadList);
    EXPECT_FALSE(fs::exists(dir.file("HUGE.zeltv")));
}

TEST(ListLoader, IndexThatCannotBeWrittenStillLoadsTheTopics)
{
    TempDir dir;
    const std::string name = dir.write("INTERRUP.LST", SampleList());
    // A folder in the index file's place cannot be replaced by a file.
    fs::create_directories(dir.path() / "INTERRUP.zeltv" / "keep");
    LoadedList list;
    const auto outcome = Open(list, name);
    EXPECT_TRUE(outcome.loaded);
    EXPECT_EQ(outcome.error, ErrorUnableToCreateIndexFile);
    EXPECT_EQ(list.topicCount(), 3);
    EXPECT_TRUE(fs::is_directory(dir.path() / "INTERRUP.zeltv" / "keep"));
    EXPECT_FALSE(fs::exists(dir.path() / "INTERRUP.zeltv.tmp"));
}

TEST(ListLoader, ReadOnlyListGivesAReadOnlyIndex)
{
    TempDir dir;
    const std::string name = dir.write("MEMORY.LST", SampleList());
    fs::permissions(name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    LoadedList list;
    ASSERT_TRUE(Open(list, name).loaded);
    const auto index = dir.file("MEMORY.zeltv");
    EXPECT_EQ(fs::status(index).permissions(), fs::status(name).permissions());
    EXPECT_EQ(Open(list, name).source, TopicSource::IndexFile);
}

TEST(ListLoader, AListNamedLikeItsIndexIsNeverOverwritten)
{
    TempDir dir;
    const std::string bytes = SampleList();
    const std::string name = dir.write("NOTES.zeltv", bytes);
    LoadedList list;
    const auto outcome = Open(list, name, {}, false);
    ASSERT_TRUE(outcome.loaded);
    EXPECT_EQ(outcome.source, TopicSource::Scan);
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(ReadBytes(name), bytes);
}

TEST(ListLoader, ExtensionlessListInADottedFolderKeepsItsIndexBesideIt)
{
    TempDir dir;
    fs::create_directory(dir.path() / "DATA.V2");
    const std::string name = dir.write("DATA.V2/PORTS", SampleList());
    LoadedList list;
    ASSERT_TRUE(Open(list, name).loaded);
    EXPECT_TRUE(fs::exists(dir.path() / "DATA.V2" / "PORTS.zeltv"));
    EXPECT_FALSE(fs::exists(dir.path() / "DATA.zeltv"));
}

TEST(ListLoader, SectionsSharingAnIndexNameNeverTakeEachOthersTopics)
{
    TempDir dir;
    const std::string a = dir.write("INTERRUP.A", SampleList());
    const std::string b = dir.write("INTERRUP.B", SampleList() + SampleList());
    fs::last_write_time(b, fs::last_write_time(a));
    LoadedList list;
    ASSERT_TRUE(Open(list, a).loaded);
    const auto outcome = Open(list, b);
    EXPECT_EQ(outcome.source, TopicSource::Scan);
    ASSERT_EQ(list.topicCount(), 1);
    EXPECT_EQ(list.topics().identifier(0), "INTERRUP.B");
}

TEST(ListLoader, AbsurdOffsetsInAnIndexAreDamage)
{
    TempDir dir;
    const std::string name = dir.write("INTERRUP.LST", SampleList());
    const std::string index = dir.write("INTERRUP.zeltv", "214C\x14"
                                                          "D\x15"
                                                          "70\x16"
                                                          "2000000000\x17\x18\x1FT\r\n");
    fs::last_write_time(index, fs::last_write_time(name));
    LoadedList list;
    EXPECT_EQ(Open(list, name).source, TopicSource::Scan);
    EXPECT_EQ(list.topicCount(), 3);
}

TEST(ListLoader, WholeFileTopicOfANonAsciiNameIsInTheListsCodePage)
{
    TempDir dir;
    LoadedList list;
    ASSERT_TRUE(Open(list, dir.write("liste_\u00FC\u20AC.txt", "text\r\n")).loaded);
    EXPECT_EQ(list.topics().identifier(0), "LISTE_\x81?.TXT");
}

TEST(ListLoader, ParseDividersIsNotPartOfTheIndexDecision)
{
    TempDir dir;
    const std::string name = dir.write("INTERRUP.A", SampleList());
    LoadedList list;
    ASSERT_TRUE(Open(list, name).loaded); // OnlyParseLST on: one whole-file topic
    EXPECT_EQ(list.topicCount(), 1);
    LoadRequest request;
    request.listFileName = name;
    request.onlyParseLst = false;
    LoadObserver quiet;
    EXPECT_EQ(LoadListTopics(list, request, quiet).source, TopicSource::IndexFile);
    EXPECT_EQ(list.topicCount(), 1);
    EXPECT_TRUE(list.files.parseDividers);
}

// One topic as an index line holds it.
struct IndexRow {
    std::string identifier;
    std::string title;
    CategoryChar category = 0;
    std::int32_t start = 0;
    std::int32_t length = 0;
};

// The index lines of a list's scan, changed by the caller and written back
// with the list's time stamp.
class ForgedIndex {
public:
    explicit ForgedIndex(const std::string& listBytes)
        : m_list(m_dir.write("INTERRUP.LST", listBytes))
    {
        LoadedList scanned;
        Open(scanned, m_list, {false, true});
        m_scanned = FormatIndexFile(scanned.topics());
        for (TopicNumber n = 0; n < scanned.topics().size(); ++n) {
            const TopicRef topic = scanned.topics().topic(n);
            rows.push_back({std::string(topic.identifier), std::string(topic.title), topic.category,
                            topic.start, topic.length});
        }
    }

    // Writes the rows as the index and opens the list.
    LoadOutcome open(LoadedList& list)
    {
        LoadedList forged;
        forged.beginLoad(rows.size());
        for (const IndexRow& row : rows)
            forged.addTopic(row.identifier, row.title, row.category, row.start, row.length);
        forged.finishLoad();
        const std::string index = m_dir.write("INTERRUP.zeltv", FormatIndexFile(forged.topics()));
        fs::last_write_time(index, fs::last_write_time(m_list));
        return Open(list, m_list);
    }

    std::string indexBytes() const { return ReadBytes(m_dir.file("INTERRUP.zeltv")); }
    const std::string& scannedIndex() const { return m_scanned; }

    std::vector<IndexRow> rows;

private:
    TempDir m_dir;
    std::string m_list;
    std::string m_scanned;
};

TEST(ListLoader, IndexWhoseTopicsCannotBelongToTheListIsRewritten)
{
    const std::string bytes = SampleList() + DosLines({Divider('B', "13"), "INT 13 - DISK", "x"});
    const std::string other = DosLines({"Another list", Divider('D', "2100"), "INT 21", "text",
                                        Divider('D', "2101"), "INT 21 - MORE", "text", "text"});
    struct Case {
        const char* what;
        std::function<void(std::vector<IndexRow>&)> forge;
    };
    const std::vector<Case> cases = {
        {"moved", [](auto& rows) { std::swap(rows[1].start, rows[2].start); }},
        {"gap too narrow for a divider", [](auto& rows) { rows[2].start -= 30; }},
        {"overlapping", [](auto& rows) { rows[1].length += 80; }},
        {"gap at the end", [](auto& rows) { rows.back().length -= 3; }},
        {"another list's topics",
         [&other](auto& rows) {
             ForgedIndex theirs(other);
             rows = theirs.rows;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ForgedIndex index(bytes);
        LoadedList list;
        ASSERT_EQ(index.open(list).source, TopicSource::IndexFile); // unforged, it fits
        c.forge(index.rows);
        const auto outcome = index.open(list);
        ASSERT_TRUE(outcome.loaded);
        EXPECT_EQ(outcome.source, TopicSource::Scan);
        EXPECT_EQ(list.topicCount(), 4);
        EXPECT_EQ(index.indexBytes(), index.scannedIndex());
    }
}

TEST(ListLoader, ListsEndedByCtrlZOrLoneCarriageReturnsKeepTheirIndex)
{
    const std::vector<std::string> lists = {
        SampleList() + "\x1A",
        SampleList() + "tail\x1A" + DosLines({"after the end"}),
        "info\r" + Divider('D', "214C") + "\rINT 21 - EXIT\rtext\r" + Divider('V', "1000") +
            "\rINT 10 - SET MODE\rtext\r",
    };
    for (const std::string& bytes : lists) {
        TempDir dir;
        const std::string name = dir.write("INTERRUP.LST", bytes);
        LoadedList scanned;
        ASSERT_EQ(Open(scanned, name).source, TopicSource::Scan);
        LoadedList read;
        ASSERT_EQ(Open(read, name).source, TopicSource::IndexFile);
        ExpectSameTopics(scanned, read);
        // Every topic's text starts with its own title.
        for (TopicNumber n = 1; n < read.topics().size(); ++n)
            EXPECT_EQ(bytes.substr(static_cast<std::size_t>(read.topics().start(n)), 6),
                      read.topics().title(n).substr(0, 6));
    }
}

TEST(ListLoader, IndexLargerThanAScanCouldWriteIsNotRead)
{
    TempDir dir;
    const std::string name = dir.write("INTERRUP.LST", SampleList());
    LoadedList list;
    ASSERT_TRUE(Open(list, name).loaded);
    const std::string index = dir.file("INTERRUP.zeltv");
    const std::string scanned = ReadBytes(index);
    // The real lines, then a title long enough to exceed any index of this list.
    const std::string title(MaxIndexFileBytes(SampleList().size()), 'T');
    WriteBytes(index, scanned +
                          "X\x14"
                          "D\x15"
                          "0\x16"
                          "0\x17\x18\x1F" +
                          title + "\r\n");
    fs::last_write_time(index, fs::last_write_time(name));
    EXPECT_EQ(Open(list, name).source, TopicSource::Scan);
    EXPECT_EQ(ReadBytes(index), scanned);
}

TEST(ListLoader, SampleListsAreReadFromTheirIndexAfterOneScan)
{
    for (const auto& entry : fs::recursive_directory_iterator(ZELT_SAMPLES_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".LST" && extension != ".A" && extension != ".B" && extension != ".C")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        TempDir dir;
        const std::string name = (dir.path() / entry.path().filename()).string();
        fs::copy_file(entry.path(), name);
        LoadedList scanned;
        ASSERT_EQ(Open(scanned, name).source, TopicSource::Scan);
        LoadedList read;
        EXPECT_EQ(Open(read, name).source, TopicSource::IndexFile);
        ExpectSameTopics(scanned, read);
    }
}

} // namespace
} // namespace zelt::test
