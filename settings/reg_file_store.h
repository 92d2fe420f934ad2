#pragma once

#include "base/file_io.h"
#include "settings/reg_document.h"
#include "settings/settings_store.h"

#include <cstdint>
#include <filesystem>

namespace zelt {

// The program's own values take a few kilobytes; a file far larger is no
// settings file of this program and is not read.
inline constexpr std::uintmax_t MaxSettingsFileBytes = 4 * 1024 * 1024;

// $XDG_CONFIG_HOME/Vantrel/ZELT Viewer.reg, or ~/.config/... when that
// variable is unset, empty or not an absolute path.
std::filesystem::path DefaultSettingsFilePath();

// The settings kept in one file in the registry export format. The file is read
// once, on construction, and rewritten whole by commit(), through a temporary
// file renamed over it. Keys of other versions and other programs stay as they
// were, in their order.
//
// A file that is not a well-formed export (a 0-byte file counts as an empty
// one) or is larger than MaxSettingsFileBytes leaves the store empty; before the next commit
// overwrites it, it is renamed to "<name>.broken" (or "<name>.broken.1", ".2", ... when taken), so
// nothing a user wrote is lost. A path that exists but cannot be read, such as
// a folder, is never replaced: commit() fails.
class RegFileStore final : public SettingsStore {
public:
    explicit RegFileStore(std::filesystem::path file, const FileSystem& files = RealFileSystem());

    std::optional<StoredValue> read(std::string_view key, std::string_view name) override;
    bool write(std::string_view key, std::string_view name, const StoredValue& value) override;
    void deleteKey(std::string_view key) override;
    // Writes only when something changed since the last commit.
    bool commit() override;

    const std::filesystem::path& file() const noexcept { return m_file; }
    bool foundBrokenFile() const noexcept { return m_state == FileState::Broken; }

private:
    enum class FileState { Missing, Loaded, Broken, Unreadable };

    const FileSystem& m_files;
    std::filesystem::path m_file;
    RegDocument m_document;
    FileState m_state = FileState::Missing;
    bool m_changed = false;
};

} // namespace zelt
