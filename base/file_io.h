#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zelt {

std::filesystem::path PathFromBytes(std::string_view name);

// Which file a name leads to, or an open file is, however it is reached:
// device and inode (on Windows the volume serial number and file index).
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// Links are followed; nothing for a name that leads to no file.
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& path);
std::optional<FileIdentity> IdentityOf(std::FILE* file);

// Whether two names lead to one file (the same name, or links and spellings
// of one existing file).
bool IsSameFile(std::string_view a, std::string_view b);
// Whether a name is that of an existing folder; an empty name is none.
bool IsExistingFolder(std::string_view name);
// The reverse: a path as the core keeps names (UTF-8 on Windows).
std::string BytesFromPath(const std::filesystem::path& path);

// What went wrong with a file, for the one place that turns it into a message.
struct FileError {
    enum class Step { Open, Create, Read, Write, Rename };
    Step step;
    std::filesystem::path path;
    std::error_code code;
};

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens a regular file for reading while other programs may not write to it
// (on Windows; elsewhere a plain read-only open). Anything else, such as a
// FIFO, a device or a folder, gives nothing, at once and without reading.
FileHandle OpenSharedRead(const std::filesystem::path& path);

// The whole content of a regular file, nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// The file system steps that writers go through. Tests derive from it to fail
// at a chosen step; everyone else uses RealFileSystem().
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Creates a new file for writing; nothing (and the error) when it exists
    // already or cannot be made.
    virtual FileHandle createNew(const std::filesystem::path& path, std::error_code& error) const;
    virtual FileHandle openRead(const std::filesystem::path& path, std::error_code& error) const;
    virtual bool write(std::FILE* file, std::string_view bytes, std::error_code& error) const;
    virtual std::size_t read(std::FILE* file, char* buffer, std::size_t size,
                             std::error_code& error) const;
    // Flushes the file's buffers and asks the system to put it on disk.
    virtual bool finish(std::FILE* file, std::error_code& error) const;
    virtual void rename(const std::filesystem::path& from, const std::filesystem::path& to,
                        std::error_code& error) const;
    virtual void remove(const std::filesystem::path& path, std::error_code& error) const;
};

const FileSystem& RealFileSystem() noexcept;

// Files that no writer may replace, whatever name its target is given: the
// open list, which topics are read from.
using KeptFiles = std::span<const FileIdentity>;

// Why a writer refused its target before writing anything; the reasons a
// system error code cannot give.
enum class WriteRefusal { OpenList = 1, NotRegularFile };
std::error_code MakeErrorCode(WriteRefusal refusal);

struct ReplaceRules {
    KeptFiles kept;
    // Index files take their list's attributes, a read-only mark included,
    // and must still follow the list; every other read-only file stays.
    bool readOnlyToo = false;
};

// Writes a file so that readers only ever see the old content or the whole new
// one: the bytes go to a temporary file beside the target, which replaces the
// target only once all of it was written and flushed. Until commit() succeeds
// the target is untouched; an abandoned writer removes its temporary file.
//
// What the user set up stays: a target that is a symbolic link has the file
// it leads to replaced, so the link stays; the new file takes the old one's
// permission bits, and its owner and group where the process may set them. A
// target that is not a regular file, a kept file, or (unless the rules allow
// it) a read-only file is refused with a Create error, and nothing is written.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target,
                              const FileSystem& files = RealFileSystem(), ReplaceRules rules = {});
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False once any step failed; error() says which.
    bool append(std::string_view bytes);
    // Runs beforeReplace on the finished temporary file (time stamps, moving
    // the old target aside and the like), then renames it over the target.
    // beforeReplace returning false leaves the target as it is.
    template <typename BeforeReplace>
    bool commit(BeforeReplace&& beforeReplace)
    {
        if (!finishTemporary())
            return false;
        if (!beforeReplace(static_cast<const std::filesystem::path&>(m_temporary)))
            return fail(FileError::Step::Rename, m_target, {});
        return replaceTarget();
    }
    bool commit()
    {
        return commit([](const std::filesystem::path&) { return true; });
    }

    const std::optional<FileError>& error() const noexcept { return m_error; }
    const std::filesystem::path& target() const noexcept { return m_target; }
    // The file replaced, once writing began: the target or where its links lead.
    const std::filesystem::path& destination() const noexcept { return m_destination; }

private:
    bool begin();
    std::error_code refusalOf(const std::filesystem::path& destination);
    bool takeOverAttributes();
    bool finishTemporary();
    bool replaceTarget();
    bool fail(FileError::Step step, const std::filesystem::path& path, std::error_code code);
    void discardTemporary();

    const FileSystem& m_files;
    std::filesystem::path m_target;
    std::vector<FileIdentity> m_kept;
    bool m_readOnlyToo = false;
    // The file replaced: the target, or the file its links lead to.
    std::filesystem::path m_destination;
    std::filesystem::path m_temporary;
    // Owner, group and mode of the file replaced (POSIX).
    struct Attributes {
        std::uint32_t owner = 0;
        std::uint32_t group = 0;
        std::uint32_t mode = 0;
    };
    std::optional<Attributes> m_attributes;
    FileHandle m_file;
    std::optional<FileError> m_error;
    bool m_started = false;
    bool m_committed = false;
};

// The whole of bytes as the new content of target, atomically; the error when
// the old content stays.
std::optional<FileError> WriteFileAtomically(const std::filesystem::path& target,
                                             std::string_view bytes,
                                             const FileSystem& files = RealFileSystem(),
                                             ReplaceRules rules = {});

} // namespace zelt
