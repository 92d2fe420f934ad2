#pragma once

#include <string>
#include <string_view>

namespace zelt {

// Case rules of the program work on bytes: only the ASCII letters change case.
constexpr char UpperAscii(char c) noexcept
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char LowerAscii(char c) noexcept
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string UpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept;
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) noexcept;

// Removes leading and trailing bytes with codes 0 to 32.
std::string_view TrimControlAndBlank(std::string_view text) noexcept;

// The part of a path after its last '/' or '\\'.
std::string_view FileNameOf(std::string_view path) noexcept;

} // namespace zelt
