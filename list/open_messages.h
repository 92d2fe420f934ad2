#pragma once

#include <string>
#include <string_view>

namespace zelt {

// Reports of the open operation, before and after the topics are loaded.
std::string UnableToFindText(std::string_view listFileName);
std::string UnableToOpenText(std::string_view listFileName);

} // namespace zelt
