#pragma once

#include "list/topic_table.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

inline constexpr std::string_view CategoryDescriptionFileName = "CATDESC.INI";
inline constexpr std::string_view UnknownCategoryDescription = "Unknown";
// Longer descriptions are cut for display: the category box measures every
// entry, and megabytes of text would hold it for many seconds.
inline constexpr std::size_t CategoryDescriptionLengthLimit = 256;

// The descriptions of the category codes: lines of the form "#" + decimal
// code + "=" + description; other lines are kept but never match.
class CategoryDescriptions {
public:
    explicit CategoryDescriptions(std::vector<std::string> lines);

    static CategoryDescriptions BuiltIn();
    // The file's lines in place of the whole built-in table; nothing when the
    // file cannot be read.
    static std::optional<CategoryDescriptions> FromFile(const std::filesystem::path& path);
    // CATDESC.INI of the first of the program's data folders that holds one
    // (ProgramDataFolders) when it is readable, else the built-in table.
    static CategoryDescriptions FromDataFolders(const std::vector<std::filesystem::path>& folders);

    // The description of a code, "Unknown" when no line gives one; at most
    // CategoryDescriptionLengthLimit bytes.
    std::string describe(CategoryChar code) const;

    const std::vector<std::string>& lines() const noexcept { return m_lines; }

private:
    std::vector<std::string> m_lines;
};

} // namespace zelt
