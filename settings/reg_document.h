#pragma once

#include "settings/settings_store.h"

#include <optional>
#include <string>
#include <string_view>
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

struct RegKey {
    std::string path; // with the hive, as spelt: "HKEY_CURRENT_USER\\Software\\..."
    std::vector<RegEntry> entries;

    RegEntry* findValue(std::string_view name);
    // A new value goes last; an existing one keeps its place and spelling.
    void putValue(std::string_view name, std::optional<StoredValue> value,
                  std::vector<std::string> lines);
    void eraseValue(std::string_view name);
};

// Key and value names compare without regard to ASCII letter case, like the
// registry's.
struct RegDocument {
    std::vector<std::string> leadingComments; // between the header and the first key
    std::vector<RegKey> keys;                 // in file order

    RegKey* findKey(std::string_view path);
    RegKey& keyFor(std::string_view path); // found, or added last
    // Removes the key and every key below it; false when there was none.
    bool removeKeyTree(std::string_view path);
};

} // namespace zelt
