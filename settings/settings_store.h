#pragma once

#include "base/program_version.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zelt {

// The registry value types the settings use.
struct Dword { // REG_DWORD
    std::uint32_t value = 0;
    friend bool operator==(const Dword&, const Dword&) = default;
};
struct Text { // REG_SZ, UTF-8
    std::string value;
    friend bool operator==(const Text&, const Text&) = default;
};
struct ExpandText { // REG_EXPAND_SZ, unexpanded; read only
    std::string value;
    friend bool operator==(const ExpandText&, const ExpandText&) = default;
};
struct Binary { // REG_BINARY
    std::vector<std::uint8_t> bytes;
    friend bool operator==(const Binary&, const Binary&) = default;
};

using StoredValue = std::variant<Dword, Text, ExpandText, Binary>;

// A per-user typed key-value store laid out like the registry. Keys are paths
// below HKEY_CURRENT_USER ("Software\\Vantrel\\ZELT Viewer\\2\\Config");
// keys and value names match without regard to ASCII letter case.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // nullopt when the key or the value is missing, or holds a type that is
    // none of the above.
    virtual std::optional<StoredValue> read(std::string_view key, std::string_view name) = 0;

    // Creates the key when needed. False when the value cannot be stored, for
    // example a text holding a line break in the file store.
    virtual bool write(std::string_view key, std::string_view name, const StoredValue& value) = 0;

    // Removes the key with all keys below it; a missing key is no error.
    virtual void deleteKey(std::string_view key) = 0;

    // Makes earlier writes and deletions lasting. False when they are lost.
    virtual bool commit() = 0;
};

// "Software\\Vantrel\\ZELT Viewer\\<major>\\<subKey>"; an empty subKey gives
// the version's own key.
std::string SettingsKey(const ProgramVersion& version, std::string_view subKey);

// The registry on Windows, the settings file elsewhere.
std::unique_ptr<SettingsStore> OpenUserSettingsStore();

} // namespace zelt
