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

TEST(FileIdentity, EverySpellingOfAFileIsThatFile)
{
    const TempDir dir;
    const std::string name = dir.write("MEMORY.LST", "list");
    const std::string other = dir.write("OTHER.LST", "list");
    std::vector<fs::path> spellings{dir.path() / "." / "MEMORY.LST"};
    // No relative name leads to a folder on another drive.
    if (const fs::path relative = fs::relative(name, fs::current_path()); !relative.empty())
        spellings.push_back(relative);
#ifndef _WIN32
    fs::create_symlink("MEMORY.LST", dir.path() / "link.lst");
    fs::create_hard_link(name, dir.path() / "hard.lst");
    spellings.insert(spellings.end(), {dir.path() / "link.lst", dir.path() / "hard.lst"});
#endif
    for (const fs::path& spelling : spellings) {
        EXPECT_TRUE(IsSameFile(name, BytesFromPath(spelling))) << spelling;
        EXPECT_EQ(IdentityOf(spelling), IdentityOf(fs::path(name)));
    }
    EXPECT_FALSE(IsSameFile(name, other));
    EXPECT_FALSE(IsSameFile(name, dir.file("missing")));
    const FileHandle open = OpenSharedRead(name);
    EXPECT_EQ(IdentityOf(open.get()), IdentityOf(fs::path(name)));
}

TEST(AtomicFileWriter, TargetsOtherThanAWritablePlainFileAreRefusedUntouched)
{
    const TempDir dir;
    const std::string kept = dir.write("PORTS.LST", "the open list");
    const std::vector<FileIdentity> openList{*IdentityOf(fs::path(kept))};
    const std::string readOnly = dir.write("READONLY.TXT", "keep me");
    fs::permissions(readOnly,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    fs::create_directory(dir.path() / "FOLDER.TXT");
    struct Case {
        fs::path target;
        std::error_code reason;
    };
    std::vector<Case> cases{
        {dir.path() / "." / "PORTS.LST", MakeErrorCode(WriteRefusal::OpenList)},
        {readOnly, std::make_error_code(std::errc::permission_denied)},
        {dir.path() / "FOLDER.TXT", std::make_error_code(std::errc::is_a_directory)},
    };
#ifndef _WIN32
    const fs::path fifo = dir.path() / "PIPE.TXT";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("PORTS.LST", dir.path() / "link.lst");
    cases.push_back({fifo, MakeErrorCode(WriteRefusal::NotRegularFile)});
    cases.push_back({dir.path() / "link.lst", MakeErrorCode(WriteRefusal::OpenList)});
#endif
    const std::size_t filesBefore = FileCount(dir.path());
    for (const Case& c : cases) {
        const auto error =
            WriteFileAtomically(c.target, "new", RealFileSystem(), {openList, false});
        ASSERT_TRUE(error) << c.target;
        EXPECT_EQ(error->step, FileError::Step::Create);
        EXPECT_EQ(error->path, c.target);
        EXPECT_EQ(error->code, c.reason) << error->code.message();
    }
    EXPECT_EQ(ReadBytes(kept), "the open list");
    EXPECT_EQ(ReadBytes(readOnly), "keep me");
    EXPECT_EQ(FileCount(dir.path()), filesBefore) << "no temporary file is left";
#ifndef _WIN32
    EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.lst"));

    // An index file follows its list also where it took over a read-only mark
    // (Windows renames over no read-only file).
    EXPECT_FALSE(
        WriteFileAtomically(readOnly, "new", RealFileSystem(), {.kept = {}, .readOnlyToo = true}));
    EXPECT_EQ(ReadBytes(readOnly), "new");
#endif
}

#ifndef _WIN32
TEST(AtomicFileWriter, ALinkStaysAndTheFileItLeadsToKeepsItsModeAndOwner)
{
    const TempDir dir;
    fs::create_directory(dir.path() / "dotfiles");
    const fs::path real = dir.write("dotfiles/settings.reg", "old");
    fs::create_symlink("dotfiles/settings.reg", dir.path() / "settings.reg");
    ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
    // A process that may give files away keeps their owner too.
    const bool giveAway = ::geteuid() == 0;
    if (giveAway) {
        ASSERT_EQ(::chown(real.c_str(), 65534, 65534), 0);
    }

    EXPECT_FALSE(WriteFileAtomically(dir.path() / "settings.reg", "new"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "settings.reg"));
    EXPECT_EQ(ReadBytes(real), "new");
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    if (giveAway) {
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }
    EXPECT_EQ(FileCount(dir.path()), 2u);
    EXPECT_EQ(FileCount(dir.path() / "dotfiles"), 1u);

    // A link to a file not yet there makes that file.
    fs::create_symlink("dotfiles/new.reg", dir.path() / "new.reg");
    EXPECT_FALSE(WriteFileAtomically(dir.path() / "new.reg", "made"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "new.reg"));
    EXPECT_EQ(ReadBytes(dir.path() / "dotfiles" / "new.reg"), "made");
}
#endif

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
