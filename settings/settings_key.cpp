#include "settings/settings_store.h"

namespace zelt {

std::string SettingsKey(const ProgramVersion& version, std::string_view subKey)
{
    std::string key = "Software\\Vantrel\\ZELT Viewer\\" + std::to_string(version.major);
    if (!subKey.empty()) {
        key += '\\';
        key += subKey;
    }
    return key;
}

} // namespace zelt
