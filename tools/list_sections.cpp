#include "tools/list_sections.h"

#include "base/ascii_text.h"
#include "base/file_io.h"

namespace zelt {

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

} // namespace

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
    return Exists(folder / PathFromBytes(SectionName(list.baseName, 'A')));
}

std::vector<fs::path> FindSections(const fs::path& folder, const SectionedList& list)
{
    std::vector<fs::path> sections;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        fs::path section = folder / PathFromBytes(SectionName(list.baseName, letter));
        if (!Exists(section))
            break;
        sections.push_back(std::move(section));
    }
    return sections;
}

} // namespace zelt
