#include "settings/reg_document.h"

#include "base/ascii_text.h"

#include <algorithm>

namespace zelt {

RegEntry* RegKey::findValue(std::string_view name)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [name](const RegEntry& e) {
        return e.isValue && EqualsIgnoringCase(e.name, name);
    });
    return found == entries.end() ? nullptr : &*found;
}

void RegKey::putValue(std::string_view name, std::optional<StoredValue> value,
                      std::vector<std::string> lines)
{
    if (RegEntry* entry = findValue(name)) {
        entry->value = std::move(value);
        entry->lines = std::move(lines);
        return;
    }
    entries.push_back({true, std::string(name), std::move(value), std::move(lines)});
}

void RegKey::eraseValue(std::string_view name)
{
    std::erase_if(entries, [name](const RegEntry& e) {
        return e.isValue && EqualsIgnoringCase(e.name, name);
    });
}

RegKey* RegDocument::findKey(std::string_view path)
{
    const auto found = std::find_if(keys.begin(), keys.end(), [path](const RegKey& key) {
        return EqualsIgnoringCase(key.path, path);
    });
    return found == keys.end() ? nullptr : &*found;
}

RegKey& RegDocument::keyFor(std::string_view path)
{
    if (RegKey* key = findKey(path))
        return *key;
    keys.push_back({std::string(path), {}});
    return keys.back();
}

bool RegDocument::removeKeyTree(std::string_view path)
{
    const auto inTree = [path](const RegKey& key) {
        return StartsWithIgnoringCase(key.path, path) &&
               (key.path.size() == path.size() || key.path[path.size()] == '\\');
    };
    return std::erase_if(keys, inTree) > 0;
}

} // namespace zelt
