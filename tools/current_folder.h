#pragma once

#include <string_view>
#include <system_error>

namespace zelt {

// Makes the folder the process's current one; the system's error when it
// cannot be, also for an empty name.
std::error_code MakeFolderCurrent(std::string_view folder);

} // namespace zelt
