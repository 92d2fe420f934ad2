#pragma once

#include <string>
#include <string_view>

namespace zelt {

// Windows only: the core's UTF-8 and the system's UTF-16. Unpaired surrogates
// and invalid bytes become U+FFFD instead of failing the whole text.
std::string Utf8FromWide(std::wstring_view wide);
std::wstring WideFromUtf8(std::string_view text);

} // namespace zelt
