#include "base/file_io.h"
#include "support/failing_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

std::size_t FileCount(const fs::path& folder)
{
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(AtomicFileWriter, ReplacesTheTargetWholeAndLeavesNothingBehind)
{
    const TempDir dir;
    const fs::path target = dir.write("TOPIC.TXT", "old\r\n");
    AtomicFileWriter writer(target);
    ASSERT_TRUE(writer.append("new "));
    EXPECT_EQ(ReadBytes(target), "old\r\n") << "the target changes only at the commit";
    ASSERT_TRUE(writer.append("content\r\n"));
    ASSERT_TRUE(writer.commit());
    EXPECT_EQ(ReadBytes(target), "new content\r\n");
    EXPECT_EQ(FileCount(dir.path()), 1u);

    EXPECT_FALSE(WriteFileAtomically(dir.path() / "EMPTY.TXT", ""));
    EXPECT_EQ(ReadBytes(dir.path() / "EMPTY.TXT"), "");
}

TEST(AtomicFileWriter, EveryFailureKeepsTheOldFileByteForByte)
{
    using Step = FailingFileSystem::Step;
    const std::string old("old \xC4\xB3 bytes\r\n\x1A", 16);
    const std::string replacement(100000, 'x');
    for (const auto& [step, expected] : {std::pair{Step::Create, FileError::Step::Create},
                                         std::pair{Step::Write, FileError::Step::Write},
                                         std::pair{Step::Finish, FileError::Step::Write},
                                         std::pair{Step::Rename, FileError::Step::Rename}}) {
        const TempDir dir;
        const fs::path target = dir.write("PORTS.LST", old);
        const FailingFileSystem files(step, {}, 2);
        AtomicFileWriter writer(target, files);
        const bool written =
            writer.append(replacement) && writer.append(replacement) && writer.commit();
        EXPECT_FALSE(written);
        ASSERT_TRUE(writer.error().has_value());
        EXPECT_EQ(writer.error()->step, expected);
        EXPECT_EQ(writer.error()->path, target);
        EXPECT_TRUE(writer.error()->code);
        EXPECT_EQ(ReadBytes(target), old);
        EXPECT_EQ(FileCount(dir.path()), 1u) << "no temporary file is left";
    }
}

TEST(AtomicFileWriter, RefusedPreparationAndAbandonedWritersKeepTheTarget)
{
    const TempDir dir;
    const fs::path target = dir.write("A.LST", "old");
    {
        AtomicFileWriter writer(target);
        ASSERT_TRUE(writer.append("new"));
        EXPECT_FALSE(writer.commit([](const fs::path&) { return false; }));
    }
    {
        AtomicFileWriter abandoned(target);
        ASSERT_TRUE(abandoned.append("new"));
    }
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(FileCount(dir.path()), 1u);
}

TEST(AtomicFileWriter, TakesAnotherTemporaryNameWhenOneIsLeftOver)
{
    const TempDir dir;
    const fs::path target = dir.path() / "MSR.LST";
    dir.write("MSR.LST.tmp", "left by a crash");
    EXPECT_FALSE(WriteFileAtomically(target, "fresh"));
    EXPECT_EQ(ReadBytes(target), "fresh");
    EXPECT_EQ(ReadBytes(dir.path() / "MSR.LST.tmp"), "left by a crash");
}

TEST(AtomicFileWriter, MissingFolderIsACreateError)
{
    const TempDir dir;
    const auto error = WriteFileAtomically(dir.path() / "no" / "such" / "file", "x");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->step, FileError::Step::Create);
}

#ifndef _WIN32
// Started with standard input closed, the program's first new file gets
// descriptor 0, which is a file like any other.
TEST(AtomicFileWriter, WritesAFileThatGetsDescriptorZero)
{
    const TempDir dir;
    const fs::path target = dir.path() / "INTERRUP.zeltv";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(0);
        const bool written = !WriteFileAtomically(target, "topics\r\n");
        // Closed once, by the writer: descriptor 0 is free again.
        const bool closed = ::open("/dev/null", O_RDONLY) == 0;
        ::_exit(written && closed ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(target), "topics\r\n");
    EXPECT_EQ(FileCount(dir.path()), 1u);
}
#endif

TEST(FileReading, WholeFileAndSharedOpen)
{
    const TempDir dir;
    const std::string bytes("a\0b\r\n\x1A\xFF", 7);
    const fs::path file = dir.write("B.LST", bytes);
    EXPECT_EQ(ReadFileBytes(file), bytes);
    EXPECT_FALSE(ReadFileBytes(dir.path() / "missing"));
    EXPECT_TRUE(OpenSharedRead(file));
    EXPECT_FALSE(OpenSharedRead(dir.path() / "missing"));
}

TEST(FileReading, OnlyRegularFilesAreRead)
{
    const TempDir dir;
    EXPECT_FALSE(OpenSharedRead(dir.path()));
    EXPECT_FALSE(ReadFileBytes(dir.path()));
#ifndef _WIN32
    // Reading a FIFO without a writer, or a device, would never return.
    const fs::path fifo = dir.path() / "PIPE.LST";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(OpenSharedRead(fifo));
    EXPECT_FALSE(ReadFileBytes(fifo));
    EXPECT_FALSE(OpenSharedRead("/dev/zero"));
    EXPECT_FALSE(ReadFileBytes("/dev/zero"));
#endif
}

} // namespace
} // namespace zelt::test
