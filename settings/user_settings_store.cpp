#include "settings/settings_store.h"

#ifdef _WIN32
#include "settings/windows_registry_store.h"
#else
#include "settings/reg_file_store.h"
#endif

namespace zelt {

std::unique_ptr<SettingsStore> OpenUserSettingsStore()
{
#ifdef _WIN32
    return std::make_unique<WindowsRegistryStore>();
#else
    return std::make_unique<RegFileStore>(DefaultSettingsFilePath());
#endif
}

} // namespace zelt
