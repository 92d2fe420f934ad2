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

} // namespace zelt
