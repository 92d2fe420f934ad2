#pragma once

#include "list/list_kind.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// A list that is also shipped as numbered sections BASE.A, BASE.B, ..., which
// joined in letter order give its target file.
struct SectionedList {
    std::string_view baseName;   // "PORTS"
    std::string_view targetName; // "PORTS.LST"
    ListKind kind;
};

inline constexpr SectionedList PortsSections{"PORTS", "PORTS.LST", ListKind::Ports};
inline constexpr SectionedList InterrupSections{"INTERRUP", "INTERRUP.LST", ListKind::Interrup};
// In the order in which they are combined.
inline constexpr std::array<SectionedList, 2> SectionedLists{PortsSections, InterrupSections};

// The list of a base name in any letter case; nothing for another name.
const SectionedList* FindSectionedList(std::string_view baseName) noexcept;

// "INTERRUP.A" for the base name INTERRUP and the letter A.
std::string SectionName(std::string_view baseName, char letter);

// Section and target files are found in any letter case, as a distribution may
// be unpacked in lower case on a case-sensitive file system; of two names that
// differ only in case, the upper-case one.
bool FirstSectionExists(const std::filesystem::path& folder, const SectionedList& list);

// The sections in the folder in letter order, from A up to the first letter
// that has none; a gap ends them, the alphabet too.
std::vector<std::filesystem::path> FindSections(const std::filesystem::path& folder,
                                                const SectionedList& list);

// The list file the sections are joined into: an existing one in any letter
// case is replaced, else one spelled in upper case is created.
std::filesystem::path TargetPath(const std::filesystem::path& folder, const SectionedList& list);

} // namespace zelt
