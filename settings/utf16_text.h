#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelt {

// UTF-16LE bytes as UTF-8, up to the first NUL; an unpaired surrogate becomes
// U+FFFD. nullopt for an odd number of bytes.
std::optional<std::string> Utf16LeToUtf8(const std::vector<std::uint8_t>& bytes);

} // namespace zelt
