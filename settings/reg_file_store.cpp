#include "settings/reg_file_store.h"

#include "base/file_io.h"
#include "settings/reg_file_format.h"

#include <cstdlib>

namespace zelt {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view Hive = "HKEY_CURRENT_USER\\";
constexpr int MaxBrokenCopies = 1000;

std::string FullPath(std::string_view key)
{
    std::string path(Hive);
    path += key;
    return path;
}

fs::path WithSuffix(fs::path path, const std::string& suffix)
{
    path += suffix;
    return path;
}

bool MoveAside(const fs::path& file)
{
    std::error_code error;
    fs::path target = WithSuffix(file, ".broken");
    for (int n = 1; fs::exists(target, error); ++n) {
        if (n > MaxBrokenCopies)
            return false;
        target = WithSuffix(file, ".broken." + std::to_string(n));
    }
    if (error)
        return false;
    fs::rename(file, target, error);
    return !error;
}

} // namespace

fs::path DefaultSettingsFilePath()
{
    fs::path base;
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && fs::path(configHome).is_absolute()) {
        base = configHome;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home ? home : "") / ".config";
    }
    return base / "Vantrel" / "ZELT Viewer.reg";
}

RegFileStore::RegFileStore(fs::path file, const FileSystem& files)
    : m_files(files)
    , m_file(std::move(file))
{
    std::error_code error;
    const auto status = fs::status(m_file, error);
    if (status.type() == fs::file_type::not_found ||
        (error && status.type() == fs::file_type::none))
        return; // a parent that is a file also lands here
    if (status.type() != fs::file_type::regular) {
        m_state = FileState::Unreadable;
        return;
    }
    if (const auto size = fs::file_size(m_file, error); !error && size > MaxSettingsFileBytes) {
        m_state = FileState::Broken;
        return;
    }
    const auto bytes = ReadFileBytes(m_file);
    if (!bytes) {
        m_state = FileState::Unreadable;
        return;
    }
    if (auto document = ParseRegFile(*bytes)) {
        m_document = std::move(*document);
        m_state = FileState::Loaded;
    } else {
        m_state = FileState::Broken;
    }
}

std::optional<StoredValue> RegFileStore::read(std::string_view key, std::string_view name)
{
    RegKey* found = m_document.findKey(FullPath(key));
    RegEntry* entry = found ? found->findValue(name) : nullptr;
    return entry ? entry->value : std::nullopt;
}

bool RegFileStore::write(std::string_view key, std::string_view name, const StoredValue& value)
{
    const std::string path = FullPath(key);
    RegKey* found = m_document.findKey(path);
    const RegEntry* existing = found ? found->findValue(name) : nullptr;
    auto lines = FormatRegValue(existing ? std::string_view(existing->name) : name, value);
    if (!lines)
        return false;
    m_document.keyFor(path).putValue(name, value, std::move(*lines));
    m_changed = true;
    return true;
}

void RegFileStore::deleteKey(std::string_view key)
{
    if (m_document.removeKeyTree(FullPath(key)))
        m_changed = true;
}

bool RegFileStore::commit()
{
    if (!m_changed)
        return true;
    if (m_state == FileState::Unreadable)
        return false;
    std::error_code error;
    if (m_file.has_parent_path()) {
        fs::create_directories(m_file.parent_path(), error);
        if (error)
            return false;
    }
    AtomicFileWriter writer(m_file, m_files);
    // The broken file is kept aside only once its replacement is complete;
    // where the name is a link, the file it leads to is the one replaced.
    const bool replaced =
        writer.append(FormatRegFile(m_document)) && writer.commit([&](const fs::path&) {
            if (m_state != FileState::Broken)
                return true;
            if (!MoveAside(writer.destination()))
                return false;
            m_state = FileState::Missing;
            return true;
        });
    if (!replaced)
        return false;
    m_state = FileState::Loaded;
    m_changed = false;
    return true;
}

} // namespace zelt
