#include "base/program_data.h"

#include "base/file_io.h"
#include "base/install_paths.h"

namespace zelt {

std::vector<std::filesystem::path> ProgramDataFolders(const std::filesystem::path& programFolder)
{
    return {programFolder,
            (programFolder / PathFromBytes(build::DataFolderFromProgramFolder)).lexically_normal()};
}

std::optional<std::filesystem::path>
FindProgramDataFile(const std::vector<std::filesystem::path>& folders, std::string_view name)
{
    for (const std::filesystem::path& folder : folders) {
        const std::filesystem::path file = folder / PathFromBytes(name);
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error))
            return file;
    }
    return std::nullopt;
}

} // namespace zelt
