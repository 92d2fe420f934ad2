#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// One list file entry of the List menu.
struct ListMenuEntry {
    std::string caption;       // "Interrup.lst": the name re-cased for display
    std::string fileName;      // the name as found in the folder; the entry opens this
    std::string componentName; // "ListListFile0"
    std::string hint;          // "Open Interrup.lst"
    std::string shortcut;      // "Shift+I" or empty
    bool isDefault = false;    // shown in bold
};

inline constexpr std::size_t MaxListMenuEntries = 20;
inline constexpr std::string_view ListEntryNamePrefix = "ListListFile";

// Whether a directory entry's name matches *.LST in any letter case.
bool IsListFileName(std::string_view name) noexcept;

// The names of a folder's entries that match *.LST, any kind of entry; a
// missing or unreadable folder gives none.
std::vector<std::string> ListFilesInFolder(const std::filesystem::path& folder);

// The menu entries for the names found, sorted without regard to letter case
// and cut to the first MaxListMenuEntries. 86BUGS.LST and GLOSSARY.LST are left
// out unless displayAllLists.
std::vector<ListMenuEntry> BuildListMenuEntries(std::vector<std::string> fileNames,
                                                bool displayAllLists);

// The List menu entry that carries the tick for an open file.
struct MarkTarget {
    enum class Kind { None, Entry, Other };
    Kind kind = Kind::None;
    std::size_t index = 0; // of the entry, for Kind::Entry
};

// The entry whose folder and name equal fileName ignoring case, else the
// Other... entry; with no list entries nothing changes.
MarkTarget MarkListMenu(const std::vector<ListMenuEntry>& entries, std::string_view listDirectory,
                        std::string_view fileName);

} // namespace zelt
