#include "base/folder_lookup.h"

#include "base/ascii_text.h"
#include "base/file_io.h"

namespace zelt {

namespace fs = std::filesystem;

std::optional<fs::path> FindFileInFolder(const fs::path& folder, std::string_view name)
{
    std::error_code error;
    const fs::path exact = folder / PathFromBytes(name);
    if (fs::is_regular_file(exact, error))
        return exact;

    std::optional<fs::path> found;
    std::string foundName;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string entryName = BytesFromPath(it->path().filename());
        if (!EqualsIgnoringCase(entryName, name) || (found && entryName >= foundName))
            continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        found = it->path();
        foundName = entryName;
    }
    return found;
}

} // namespace zelt
