#pragma once

#include <string>
#include <string_view>

namespace zelt {

// A divider line opens a topic: 36 to 74 characters, eight '-', the category
// character, '-', then the identifier padded with '-'.
bool IsDividerLine(std::string_view line) noexcept;

// The identifier of a divider line: from character 11 up to, not including,
// the last character, with '-' read as a blank and trimmed.
std::string CutIdentifier(std::string_view dividerLine);
void AssignIdentifier(std::string& identifier, std::string_view dividerLine);

// A title line with every tab replaced by one blank.
void AssignTitle(std::string& title, std::string_view line);

} // namespace zelt
