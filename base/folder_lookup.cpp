#include "base/folder_lookup.h"

#include "base/ascii_text.h"
#include "base/file_io.h"

namespace zelt {

namespace fs = std::filesystem;

std::optional<fs::path> FindFileInFolder(const fs::path& folder, std::string_view name)
{
    // The folder is read even when the name itself opens a file: on a file
    // system that ignores case the name asked for is not the name it has.
    std::error_code error;
    std::optional<fs::path> found;
    std::string foundName;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string entryName = BytesFromPath(it->path().filename());
        const bool exact = entryName == name;
        if (!EqualsIgnoringCase(entryName, name) || (found && !exact && entryName >= foundName))
            continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        if (exact)
            return it->path();
        found = it->path();
        foundName = entryName;
    }
    if (!found) {
        // A folder that can be passed through but not read.
        const fs::path exact = folder / PathFromBytes(name);
        std::error_code typeError;
        if (fs::is_regular_file(exact, typeError))
            found = exact;
    }
    return found;
}

} // namespace zelt
