#pragma once

#include "base/file_io.h"
#include "list/list_kind.h"
#include "tools/list_sections.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace zelt {

struct SectionsCombined {
    std::filesystem::path target;
    // None when the folder holds no A section: the target was left alone.
    std::size_t sectionCount = 0;
    std::uintmax_t byteCount = 0;
    // Sections to be deleted that could not be.
    std::vector<std::filesystem::path> undeleted;
    // Set when it failed: the old target and every section are as they were.
    std::optional<FileError> error;
};

// Joins the list's sections in the folder, byte for byte and in letter order,
// into its target. The new target replaces the old one only once every section
// was appended, and only then are the sections deleted when asked to. A
// target that is read-only or one of the kept files stays as it is.
SectionsCombined CombineSections(const std::filesystem::path& folder, const SectionedList& list,
                                 bool deleteSections, KeptFiles kept = {},
                                 const FileSystem& files = RealFileSystem());

// Which lists to combine, as the combine dialog and zelt combine take them.
struct CombineChoice {
    bool ports = false;
    bool interrup = false;
    bool deleteSections = false;
};

bool IsChosen(const CombineChoice& choice, const SectionedList& list) noexcept;
void Choose(CombineChoice& choice, const SectionedList& list) noexcept;

// Whether the open list is a target the choice rewrites; it is closed first.
// Only the file name counts, whatever folder the list is in.
bool ChoiceRewritesOpenList(const CombineChoice& choice, ListKind openList) noexcept;

struct CombineRun {
    // The lists combined, in their order; lists without sections are skipped.
    std::vector<SectionsCombined> combined;
    // The failure that ended the run; the lists after it were not processed.
    std::optional<SectionsCombined> failed;
};

// PORTS first, then INTERRUP, each when chosen.
CombineRun CombineChosenLists(const std::filesystem::path& folder, const CombineChoice& choice,
                              KeptFiles kept = {}, const FileSystem& files = RealFileSystem());

} // namespace zelt
