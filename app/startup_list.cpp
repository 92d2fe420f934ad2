#include "app/startup_list.h"

#include "list/file_entry.h"

namespace zelt {

std::optional<std::string>
ChooseStartupList(std::string_view commandLineList, std::string_view defStartupList,
                  const std::function<bool(std::string_view)>& fileExists)
{
    for (const std::string_view candidate : {commandLineList, defStartupList}) {
        if (!candidate.empty() && fileExists(candidate))
            return std::string(candidate);
    }
    return std::nullopt;
}

bool IsExistingFile(std::string_view name)
{
    if (name.empty())
        return false;
    std::error_code error;
    const auto status = std::filesystem::status(PathFromBytes(name), error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

std::string ListDirectoryOf(const std::filesystem::path& folder)
{
#ifdef _WIN32
    const std::u8string utf8 = folder.u8string();
    std::string text(utf8.begin(), utf8.end());
#else
    std::string text = folder.string();
#endif
    if (!text.empty() && text.back() != '/' && text.back() != '\\')
        text += static_cast<char>(std::filesystem::path::preferred_separator);
    return text;
}

} // namespace zelt
