#include "base/file_io.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>

#ifdef _WIN32
#include "base/windows_headers.h"

#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zelt {

namespace fs = std::filesystem;

namespace {

std::error_code LastError()
{
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

// Enough tries for a few abandoned temporary files of crashed runs.
constexpr int TemporaryNameTries = 100;

fs::path TemporaryNameFor(const fs::path& target, int attempt)
{
    fs::path name = target;
    name += ".tmp";
    if (attempt > 0)
        name += std::to_string(attempt);
    return name;
}

// As many links in a row as the system itself follows.
constexpr int MostLinksFollowed = 40;

// The file a name leads to through its symbolic links, also when the last one
// leads to no file yet: writing through a link creates that file.
fs::path FollowLinks(fs::path path, std::error_code& error)
{
    for (int hop = 0; hop < MostLinksFollowed; ++hop) {
        std::error_code ignored;
        if (!fs::is_symlink(fs::symlink_status(path, ignored)))
            return path;
        const fs::path link = fs::read_symlink(path, error);
        if (error)
            return path;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return path;
}

class WriteRefusalCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "zelt write"; }
    std::string message(int value) const override
    {
        switch (static_cast<WriteRefusal>(value)) {
        case WriteRefusal::OpenList:
            return "It is the open list";
        case WriteRefusal::NotRegularFile:
            return "Not a regular file";
        }
        return "Refused";
    }
};

#ifdef _WIN32
std::optional<FileIdentity> IdentityOfHandle(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (handle == INVALID_HANDLE_VALUE || GetFileInformationByHandle(handle, &info) == 0)
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}
#endif

} // namespace

std::error_code MakeErrorCode(WriteRefusal refusal)
{
    static const WriteRefusalCategory category;
    return {static_cast<int>(refusal), category};
}

std::optional<FileIdentity> IdentityOf(const fs::path& path)
{
#ifdef _WIN32
    // Without any access asked, the file opens also while others hold it;
    // the flag lets folders open too.
    const HANDLE handle =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const auto identity = IdentityOfHandle(handle);
    CloseHandle(handle);
    return identity;
#else
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
#endif
}

std::optional<FileIdentity> IdentityOf(std::FILE* file)
{
    if (file == nullptr)
        return std::nullopt;
#ifdef _WIN32
    return IdentityOfHandle(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file))));
#else
    struct stat info {};
    if (::fstat(::fileno(file), &info) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
#endif
}

fs::path PathFromBytes(std::string_view name)
{
#ifdef _WIN32
    // File names on Windows reach the core as UTF-8.
    return fs::path(std::u8string(name.begin(), name.end()));
#else
    return fs::path(std::string(name));
#endif
}

std::string BytesFromPath(const fs::path& path)
{
#ifdef _WIN32
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
#else
    return path.string();
#endif
}

bool IsSameFile(std::string_view a, std::string_view b)
{
    if (a == b)
        return true;
    const auto first = IdentityOf(PathFromBytes(a));
    return first && first == IdentityOf(PathFromBytes(b));
}

bool IsExistingFolder(std::string_view name)
{
    std::error_code error;
    return !name.empty() && fs::is_directory(PathFromBytes(name), error);
}

FileHandle OpenSharedRead(const fs::path& path)
{
#ifdef _WIN32
    FileHandle file(_wfsopen(path.c_str(), L"rb", _SH_DENYWR));
    struct _stat64 info {};
    if (file && (_fstat64(_fileno(file.get()), &info) != 0 || (info.st_mode & _S_IFREG) == 0))
        file.reset();
    return file;
#else
    // Opening a FIFO for reading would wait for a writer, and a device may
    // never end: without blocking, only what turns out a regular file is kept.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat info {};
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        // The reason outlives the close, for the message that names it.
        const int reason = !S_ISREG(info.st_mode) ? (S_ISDIR(info.st_mode) ? EISDIR : EINVAL)
                                                  : (errno != 0 ? errno : EIO);
        ::close(descriptor);
        errno = reason;
        return nullptr;
    }
    FileHandle file(::fdopen(descriptor, "rb"));
    if (!file)
        ::close(descriptor);
    return file;
#endif
}

std::optional<std::string> ReadFileBytes(const fs::path& path)
{
    const FileHandle file = OpenSharedRead(path);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return std::nullopt;
    const long size = std::ftell(file.get());
    if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    // A file cut short meanwhile gives what it still holds.
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

FileHandle FileSystem::createNew(const fs::path& path, std::error_code& error) const
{
    errno = 0;
#ifdef _WIN32
    int descriptor = -1;
    const int result =
        _wsopen_s(&descriptor, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYRW,
                  _S_IREAD | _S_IWRITE);
    std::FILE* file = result == 0 ? _fdopen(descriptor, "wb") : nullptr;
    if (result == 0 && file == nullptr)
        _close(descriptor);
#else
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    std::FILE* file = descriptor >= 0 ? ::fdopen(descriptor, "wb") : nullptr;
    if (descriptor >= 0 && file == nullptr)
        ::close(descriptor);
#endif
    if (file == nullptr)
        error = LastError();
    return FileHandle(file);
}

FileHandle FileSystem::openRead(const fs::path& path, std::error_code& error) const
{
    errno = 0;
    FileHandle file = OpenSharedRead(path);
    if (!file)
        error = LastError();
    return file;
}

bool FileSystem::write(std::FILE* file, std::string_view bytes, std::error_code& error) const
{
    // fwrite may not be handed the null pointer of an empty view.
    if (bytes.empty())
        return true;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size())
        return true;
    error = LastError();
    return false;
}

std::size_t FileSystem::read(std::FILE* file, char* buffer, std::size_t size,
                             std::error_code& error) const
{
    errno = 0;
    const std::size_t count = std::fread(buffer, 1, size, file);
    if (count < size && std::ferror(file))
        error = LastError();
    return count;
}

bool FileSystem::finish(std::FILE* file, std::error_code& error) const
{
    errno = 0;
    if (std::fflush(file) != 0) {
        error = LastError();
        return false;
    }
#ifdef _WIN32
    const bool synced = _commit(_fileno(file)) == 0;
#else
    const bool synced = ::fsync(::fileno(file)) == 0;
#endif
    if (!synced)
        error = LastError();
    return synced;
}

void FileSystem::rename(const fs::path& from, const fs::path& to, std::error_code& error) const
{
    fs::rename(from, to, error);
}

void FileSystem::remove(const fs::path& path, std::error_code& error) const
{
    fs::remove(path, error);
}

const FileSystem& RealFileSystem() noexcept
{
    static const FileSystem files;
    return files;
}

AtomicFileWriter::AtomicFileWriter(fs::path target, const FileSystem& files, ReplaceRules rules)
    : m_files(files)
    , m_target(std::move(target))
    , m_kept(rules.kept.begin(), rules.kept.end())
    , m_readOnlyToo(rules.readOnlyToo)
{}

AtomicFileWriter::~AtomicFileWriter()
{
    if (!m_committed)
        discardTemporary();
}

bool AtomicFileWriter::begin()
{
    m_started = true;
    std::error_code error;
    m_destination = FollowLinks(m_target, error);
    if (!error)
        error = refusalOf(m_destination);
    if (error)
        return fail(FileError::Step::Create, m_target, error);
    for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
        error.clear();
        const fs::path candidate = TemporaryNameFor(m_destination, attempt);
        m_file = m_files.createNew(candidate, error);
        if (m_file) {
            m_temporary = candidate;
            return takeOverAttributes();
        }
        std::error_code existsError;
        if (!fs::exists(candidate, existsError))
            break;
    }
    return fail(FileError::Step::Create, m_target, error);
}

std::error_code AtomicFileWriter::refusalOf(const fs::path& destination)
{
    std::error_code error;
    const fs::file_status status = fs::status(destination, error);
    // A file that is not there is made; one that cannot be looked at is
    // left to the steps that follow, which say why.
    if (error || !fs::exists(status))
        return {};
    if (fs::is_directory(status))
        return std::make_error_code(std::errc::is_a_directory);
    // Renaming over a FIFO or a device would put a plain file in its place.
    if (!fs::is_regular_file(status))
        return MakeErrorCode(WriteRefusal::NotRegularFile);
    const auto identity = IdentityOf(destination);
    if (identity && std::ranges::find(m_kept, *identity) != m_kept.end())
        return MakeErrorCode(WriteRefusal::OpenList);
    // Renaming would pass over the read-only mark, which the user set so that
    // nothing writes the file.
    if (!m_readOnlyToo && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
        return std::make_error_code(std::errc::permission_denied);
#ifndef _WIN32
    struct stat info {};
    if (::stat(destination.c_str(), &info) == 0)
        m_attributes = Attributes{info.st_uid, info.st_gid, info.st_mode & 07777u};
#endif
    return {};
}

// Given at once, before any byte is written, so that the content of a private
// file is never readable by others through its temporary file.
bool AtomicFileWriter::takeOverAttributes()
{
#ifndef _WIN32
    if (!m_attributes)
        return true;
    const int descriptor = ::fileno(m_file.get());
    // Only a privileged process may give a file away; a group the process
    // belongs to it may still set. Where neither is allowed, the file is the
    // writer's own.
    if (::fchown(descriptor, m_attributes->owner, m_attributes->group) != 0 &&
        ::fchown(descriptor, static_cast<uid_t>(-1), m_attributes->group) != 0) {
        // Neither: the file is the writer's own, as any new file would be.
    }
    // Set after the owner: a change of owner clears the set-user-ID bits.
    if (::fchmod(descriptor, static_cast<mode_t>(m_attributes->mode)) != 0)
        return fail(FileError::Step::Create, m_target, LastError());
#endif
    return true;
}

bool AtomicFileWriter::append(std::string_view bytes)
{
    if (m_error)
        return false;
    if (!m_started && !begin())
        return false;
    std::error_code error;
    if (!m_files.write(m_file.get(), bytes, error))
        return fail(FileError::Step::Write, m_target, error);
    return true;
}

bool AtomicFileWriter::finishTemporary()
{
    if (!append({}))
        return false;
    std::error_code error;
    const bool finished = m_files.finish(m_file.get(), error);
    // Closing writes what is still buffered, so it can fail too.
    const bool closed = std::fclose(m_file.release()) == 0;
    if (!finished || !closed)
        return fail(FileError::Step::Write, m_target, error ? error : LastError());
    return true;
}

bool AtomicFileWriter::replaceTarget()
{
    std::error_code error;
    m_files.rename(m_temporary, m_destination, error);
    if (error)
        return fail(FileError::Step::Rename, m_target, error);
    m_committed = true;
    return true;
}

bool AtomicFileWriter::fail(FileError::Step step, const fs::path& path, std::error_code code)
{
    if (!m_error)
        m_error = FileError{step, path, code};
    discardTemporary();
    return false;
}

void AtomicFileWriter::discardTemporary()
{
    m_file.reset();
    if (m_temporary.empty())
        return;
    std::error_code ignored;
    // A temporary file given read-only attributes before the rename must still go.
    fs::permissions(m_temporary, fs::perms::owner_write, fs::perm_options::add, ignored);
    m_files.remove(m_temporary, ignored);
    m_temporary.clear();
}

std::optional<FileError> WriteFileAtomically(const fs::path& target, std::string_view bytes,
                                             const FileSystem& files, ReplaceRules rules)
{
    AtomicFileWriter writer(target, files, rules);
    if (writer.append(bytes) && writer.commit())
        return std::nullopt;
    return writer.error();
}

} // namespace zelt
