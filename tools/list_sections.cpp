#include "tools/list_sections.h"

#include "base/ascii_text.h"
#include "base/file_io.h"
#include "base/folder_lookup.h"

namespace zelt {

namespace fs = std::filesystem;

const SectionedList* FindSectionedList(std::string_view baseName) noexcept
{
    for (const SectionedList& list : SectionedLists) {
        if (EqualsIgnoringCase(list.baseName, baseName))
            return &list;
    }
    return nullptr;
}

std::string SectionName(std::string_view baseName, char letter)
{
    std::string name(baseName);
    name += '.';
    name += letter;
    return name;
}

bool FirstSectionExists(const fs::path& folder, const SectionedList& list)
{
    return FindFileInFolder(folder, SectionName(list.baseName, 'A')).has_value();
}

fs::path TargetPath(const fs::path& folder, const SectionedList& list)
{
    return FindFileInFolder(folder, list.targetName)
        .value_or(folder / PathFromBytes(list.targetName));
}

std::vector<fs::path> FindSections(const fs::path& folder, const SectionedList& list)
{
    std::vector<fs::path> sections;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::optional<fs::path> section =
            FindFileInFolder(folder, SectionName(list.baseName, letter));
        if (!section)
            break;
        sections.push_back(std::move(*section));
    }
    return sections;
}

} // namespace zelt
