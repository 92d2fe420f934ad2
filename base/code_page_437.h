#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// List texts are bytes of code page 437; each byte is one character on screen,
// control codes included (0x01 is a smiling face, 0x7F a house).
char32_t Cp437ToUnicode(unsigned char byte) noexcept;
std::optional<unsigned char> UnicodeToCp437(char32_t character) noexcept;

void AppendUtf8(std::string& out, char32_t character);
std::string Cp437ToUtf8(std::string_view bytes);

// Text such as a file name into code page 437; what it cannot hold, and bytes
// that are no UTF-8, become '?'.
std::string Utf8ToCp437(std::string_view text);
// The same without substitutes: nothing when the text is no UTF-8 or holds a
// character the code page lacks.
std::optional<std::string> Utf8ToCp437Exact(std::string_view text);

} // namespace zelt
