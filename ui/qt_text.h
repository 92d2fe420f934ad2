#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zelt {

// Texts of the list are code page 437 bytes: each byte is one character.
QString FromCp437(std::string_view bytes);

// Path and message texts of the core are UTF-8.
QString FromUtf8(std::string_view text);
std::string ToUtf8(const QString& text);

} // namespace zelt
