#pragma once

#include "settings/settings_store.h"

#include <list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelt {

// One item of a key in a registry export file: a value or a comment line.
// The physical lines are kept as they stood so that values this program does
// not own are written back unchanged.
struct RegEntry {
    bool isValue = true;
    std::string name;                 // as spelt in the file; empty for the default value "@"
    std::optional<StoredValue> value; // nullopt for types the settings never use
    std::vector<std::string> lines;   // without line ends
};

// Key and value names compare without regard to ASCII letter case, like the
// registry's. Finding, adding and removing take about constant time whatever
// the number of values, so that reading a file is linear in its size; the
// items keep their file order.
class RegKey {
public:
    explicit RegKey(std::string path)
        : m_path(std::move(path))
    {}
    RegKey(RegKey&&) = default;
    RegKey& operator=(RegKey&&) = default;

    // With the hive, as spelt: "HKEY_CURRENT_USER\\Software\\...".
    const std::string& path() const noexcept { return m_path; }
    const std::list<RegEntry>& entries() const noexcept { return m_entries; }

    RegEntry* findValue(std::string_view name);
    // A new value goes last; an existing one keeps its place and spelling.
    void putValue(std::string_view name, std::optional<StoredValue> value,
                  std::vector<std::string> lines);
    void eraseValue(std::string_view name);
    void addComment(std::string line);

private:
    std::string m_path;
    std::list<RegEntry> m_entries;
    // Lower-cased value name to its entry; list iterators outlive moves.
    std::unordered_map<std::string, std::list<RegEntry>::iterator> m_values;
};

class RegDocument {
public:
    RegDocument() = default;
    RegDocument(RegDocument&&) = default;
    RegDocument& operator=(RegDocument&&) = default;

    std::vector<std::string> leadingComments; // between the header and the first key

    // In file order.
    const std::list<RegKey>& keys() const noexcept { return m_keys; }

    RegKey* findKey(std::string_view path);
    RegKey& keyFor(std::string_view path); // found, or added last
    // Removes the key and every key below it; false when there was none.
    bool removeKeyTree(std::string_view path);

private:
    std::list<RegKey> m_keys;
    // Lower-cased path to its key, sorted so that a key's subkeys follow it.
    std::map<std::string, std::list<RegKey>::iterator, std::less<>> m_byPath;
};

} // namespace zelt
