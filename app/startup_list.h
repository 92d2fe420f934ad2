#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// The list opened at start: the command-line list when it exists, else the
// DefStartupList setting when that exists, else none (silently).
std::optional<std::string>
ChooseStartupList(std::string_view commandLineList, std::string_view defStartupList,
                  const std::function<bool(std::string_view)>& fileExists);

// Whether a name (bytes as the core keeps them) names an existing file, not a folder.
bool IsExistingFile(std::string_view name);

// The folder the List menu lists, ending in a path separator.
std::string ListDirectoryOf(const std::filesystem::path& folder);

} // namespace zelt
