#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace zelt {

// The regular file of a folder whose name equals `name` when the letters a to
// z are compared without regard to case, as the distribution may be unpacked
// in either case on a case-sensitive file system. The entry spelled exactly
// as `name` wins; among other spellings the first in byte order. Nothing when
// the folder holds no such file.
std::optional<std::filesystem::path> FindFileInFolder(const std::filesystem::path& folder,
                                                      std::string_view name);

} // namespace zelt
