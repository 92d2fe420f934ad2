#include "tools/current_folder.h"

#include "base/file_io.h"

#include <filesystem>

namespace zelt {

std::error_code MakeFolderCurrent(std::string_view folder)
{
    if (folder.empty())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    std::error_code error;
    std::filesystem::current_path(PathFromBytes(folder), error);
    return error;
}

} // namespace zelt
