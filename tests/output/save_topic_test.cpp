#include "output/rtf_writer.h"
#include "output/save_topic.h"
#include "support/failing_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

const TopicDocument Topic{"INT 21 - DOS\n\tReturn: AL \xC4\n", {{SpanKind::Title, 0, 12}}};
const OutputStyle Style{"Courier New", 8, {0, 0, 128}};

std::size_t FileCount(const fs::path& folder)
{
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SaveTopic, TheNameChoosesTextOrRichText)
{
    const TempDir dir;
    for (const char* name : {"2109.txt", "2109.TXT"}) {
        ASSERT_FALSE(SaveTopic(dir.file(name), Topic, Style));
        EXPECT_EQ(ReadBytes(dir.file(name)), "INT 21 - DOS\r\n\tReturn: AL \xC4\r\n");
    }
    for (const char* name : {"2109.rtf", "2109", "2109.doc"}) {
        ASSERT_FALSE(SaveTopic(dir.file(name), Topic, Style));
        EXPECT_EQ(ReadBytes(dir.file(name)), RichTextOf(Topic, Style));
    }
}

TEST(SaveTopic, AnOldFileIsReplacedWhole)
{
    const TempDir dir;
    const std::string name = dir.write("2109.txt", std::string(100000, 'x'));
    ASSERT_FALSE(SaveTopic(name, Topic, Style));
    EXPECT_EQ(ReadBytes(name), "INT 21 - DOS\r\n\tReturn: AL \xC4\r\n");
    EXPECT_EQ(FileCount(dir.path()), 1u);
}

TEST(SaveTopic, AFailedSaveKeepsTheOldFile)
{
    using Step = FailingFileSystem::Step;
    for (const Step step : {Step::Create, Step::Write, Step::Rename}) {
        for (const char* fileName : {"2109.txt", "2109.rtf"}) {
            const TempDir dir;
            const std::string name = dir.write(fileName, "the old notes\r\n");
            const auto error = SaveTopic(name, Topic, Style, {}, FailingFileSystem(step));
            ASSERT_TRUE(error);
            EXPECT_EQ(error->path, fs::path(name));
            EXPECT_EQ(ReadBytes(name), "the old notes\r\n");
            EXPECT_EQ(FileCount(dir.path()), 1u) << "no temporary file stays behind";
        }
    }
}

TEST(SaveTopic, FoldersThatCannotTakeTheFileFail)
{
    const TempDir dir;
    EXPECT_TRUE(SaveTopic(dir.file("missing/2109.txt"), Topic, Style));
    fs::create_directories(dir.path() / "2109.rtf");
    EXPECT_TRUE(SaveTopic(dir.file("2109.rtf"), Topic, Style)) << "a folder of that name";
    EXPECT_TRUE(fs::is_directory(dir.path() / "2109.rtf"));
}

TEST(SaveTopic, ALockedFolderKeepsTheOldFile)
{
    const TempDir dir;
#ifdef _WIN32
    GTEST_SKIP() << "a read-only folder still takes new files on Windows";
#endif
    if (RunningAsRoot())
        GTEST_SKIP() << "folder permissions do not hold for root";
    const fs::path locked = dir.path() / "locked";
    fs::create_directories(locked);
    const std::string name = (locked / "2109.txt").string();
    WriteBytes(name, "old");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(SaveTopic(name, Topic, Style));
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(name), "old");
    EXPECT_EQ(FileCount(locked), 1u);
}

TEST(SaveTopic, AReadOnlyFileIsNotReplaced)
{
    const TempDir dir;
    const std::string name = dir.write("2109.txt", "keep me");
    fs::permissions(name, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const auto error = SaveTopic(name, Topic, Style);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, std::errc::permission_denied);
    EXPECT_EQ(ReadBytes(name), "keep me");
    fs::permissions(name, fs::perms::owner_write, fs::perm_options::add);
}

TEST(SaveTopic, TheFailureNamesTheFile)
{
    EXPECT_EQ(CannotCreateFileText("/home/u/2109.txt"), "Cannot create file /home/u/2109.txt");
}

} // namespace
} // namespace zelt::test
