#include "list/topic_reader.h"
#include "scan_helpers.h"
#include "support/failing_file_system.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> ReadTopic(TopicReader& reader, const LoadedList& list, TopicNumber n)
{
    return reader.read(list.topics().start(n), list.topics().length(n));
}

TEST(TopicReader, ReadsExactlyTheRequestedBytes)
{
    TempDir dir;
    const std::string content("01\0"
                              "3456789",
                              10);
    auto reader = TopicReader::Open(dir.write("A.LST", content));
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->read(0, 10), content);
    EXPECT_EQ(reader->read(1, 3), content.substr(1, 3));
    EXPECT_EQ(reader->read(7, 3), "789");
    EXPECT_EQ(reader->read(5, 0), "");
    EXPECT_EQ(reader->read(10, 0), "");
    EXPECT_FALSE(reader->read(-1, 3));
    // A topic may end in the line end counted for a last line without one,
    // but not beyond it: a length from a damaged index asks for nothing.
    EXPECT_EQ(reader->read(7, 5), "789");
    EXPECT_FALSE(reader->read(7, 6));
    EXPECT_FALSE(reader->read(4, 2000000000));
    EXPECT_FALSE(reader->read(2000000000, 2000000000));
    EXPECT_FALSE(reader->read(0, -1));
    EXPECT_FALSE(TopicReader::Open(dir.file("MISSING.LST")));
}

TEST(TopicReader, ScannedTopicsOfAListWithoutFinalLineEndReadWhatExists)
{
    TempDir dir;
    std::string bytes = DosLines({Divider('D', "214C"), "INT 21 - EXIT", "text"});
    bytes.resize(bytes.size() - 2);
    LoadedList list;
    ASSERT_TRUE(ScanBytes(list, dir, bytes).loaded);
    auto reader = TopicReader::Open(list.files.listFileName);
    ASSERT_TRUE(reader);
    ASSERT_EQ(list.topics().length(0), 21);
    EXPECT_EQ(ReadTopic(*reader, list, 0), "INT 21 - EXIT\r\ntext");

    // A closing divider line without line end: its empty topic starts two
    // bytes past the end of the file.
    bytes = DosLines({Divider('D', "214C"), "INT 21 - EXIT", ""}) + Divider('B', "10");
    ASSERT_TRUE(ScanBytes(list, dir, bytes, "PORTS.LST").loaded);
    reader = TopicReader::Open(list.files.listFileName);
    ASSERT_EQ(list.topicCount(), 2);
    ASSERT_EQ(list.topics().start(1), static_cast<std::int32_t>(bytes.size()) + 2);
    EXPECT_EQ(ReadTopic(*reader, list, 0), "INT 21 - EXIT\r\n\r\n");
    EXPECT_EQ(ReadTopic(*reader, list, 1), "");
}

TEST(TopicReader, FileCutShortWhileOpenFailsOnlyBeyondItsEnd)
{
    TempDir dir;
    const std::string name = dir.write("A.LST", std::string(100, 'x'));
    auto reader = TopicReader::Open(name);
    ASSERT_TRUE(reader);
#ifdef _WIN32
    std::error_code error;
    fs::resize_file(name, 40, error);
    EXPECT_TRUE(error) << "an open list denies other writers";
    GTEST_SKIP() << "no other program can cut the list short while it is open";
#endif
    fs::resize_file(name, 40);
    EXPECT_FALSE(reader->read(60, 10));
    EXPECT_FALSE(reader->read(43, 0));
    EXPECT_EQ(reader->read(42, 0), "");
    EXPECT_FALSE(reader->read(30, 20)) << "a topic cut short is no topic";
    EXPECT_EQ(reader->read(30, 12), std::string(10, 'x'));
    // The reader carries on after a failure.
    EXPECT_EQ(reader->read(0, 3), "xxx");
}

TEST(TopicReader, ReadErrorGivesNothing)
{
    TempDir dir;
    // Some bytes arrive before the bad sector: none of them is a topic.
    const FailingFileSystem badSector(FailingFileSystem::Step::Read);
    auto reader = TopicReader::Open(dir.write("A.LST", "0123456789"), badSector);
    ASSERT_TRUE(reader);
    EXPECT_FALSE(reader->read(0, 10));
}

} // namespace
} // namespace zelt::test
