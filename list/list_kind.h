#pragma once

#include <string_view>

namespace zelt {

// Which known list a file is, by its name; list-specific rules of browsing,
// formatting and references choose by it.
enum class ListKind : int {
    None = -1,
    Other = 0,
    Interrup = 1,
    Ports = 2,
    Memory = 3,
    Cmos = 4,
    Farcall = 5,
    Msr = 6,
    I2c = 7,
    Opcodes = 8,
    Smm = 9,
    Tables = 10,
    Biblio = 11,
};

ListKind ListKindOf(std::string_view path);

constexpr int ToInt(ListKind kind) noexcept
{
    return static_cast<int>(kind);
}

} // namespace zelt
