#pragma once

#include "settings/settings_store.h"

namespace zelt {

// The per-user registry (HKEY_CURRENT_USER). Every write reaches it at once;
// texts are converted between UTF-8 and the registry's UTF-16.
class WindowsRegistryStore final : public SettingsStore {
public:
    std::optional<StoredValue> read(std::string_view key, std::string_view name) override;
    bool write(std::string_view key, std::string_view name, const StoredValue& value) override;
    void deleteKey(std::string_view key) override;
    bool commit() override { return true; }
};

} // namespace zelt
