#include "cli/escaped_cell.h"

#include "base/code_page_437.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace zelt::cli {

namespace {

// How many leading bytes, in whole words of eight, are plain: none below a
// blank, none from 127 up, no backslash. Tested a word at a time.
std::size_t PlainWords(std::string_view bytes)
{
    constexpr std::uint64_t Ones = 0x0101010101010101;
    constexpr std::uint64_t Highs = 0x8080808080808080;
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, 8);
        const std::uint64_t belowBlank = (word - Ones * 0x20) & ~word;
        const std::uint64_t fromDelete = (word + Ones * 0x01) | word;
        const std::uint64_t backslash = ((word ^ (Ones * '\\')) - Ones) & ~(word ^ (Ones * '\\'));
        if ((belowBlank | fromDelete | backslash) & Highs)
            break;
    }
    return at;
}

constexpr char Hex[] = "0123456789ABCDEF";

void AppendHexEscape(std::string& out, unsigned char byte)
{
    out += "\\x";
    out += Hex[byte >> 4];
    out += Hex[byte & 0x0F];
}

} // namespace

void AppendEscapedCell(std::string& out, std::string_view bytes)
{
    static constexpr auto Plain = [] {
        std::array<bool, 256> plain{};
        for (int byte = ' '; byte < 127; ++byte)
            plain[static_cast<std::size_t>(byte)] = byte != '\\';
        return plain;
    }();
    const auto plain = [](char c) { return Plain[static_cast<unsigned char>(c)]; };
    while (!bytes.empty()) {
        // Copy runs of plain ASCII whole; they are nearly all of a list's text.
        std::size_t run = PlainWords(bytes);
        while (run < bytes.size() && plain(bytes[run]))
            ++run;
        out.append(bytes.data(), run);
        bytes.remove_prefix(run);
        if (bytes.empty())
            break;
        const char c = bytes.front();
        bytes.remove_prefix(1);
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\') {
            out += "\\\\";
        } else if (byte < 32 || byte == 127) {
            AppendHexEscape(out, byte);
        } else {
            AppendUtf8(out, Cp437ToUnicode(byte));
        }
    }
}

std::string EscapedCell(std::string_view bytes)
{
    std::string out;
    AppendEscapedCell(out, bytes);
    return out;
}

std::string EscapedName(std::string_view name)
{
    std::string out;
    out.reserve(name.size());
    for (std::size_t at = 0; at < name.size(); ++at) {
        const auto byte = static_cast<unsigned char>(name[at]);
        const bool c1 = byte == 0xC2 && at + 1 < name.size() &&
                        (static_cast<unsigned char>(name[at + 1]) & 0xE0) == 0x80;
        if (c1) {
            AppendHexEscape(out, byte);
            AppendHexEscape(out, static_cast<unsigned char>(name[++at]));
        } else if (byte < 32 || byte == 127) {
            AppendHexEscape(out, byte);
        } else {
            out += name[at];
        }
    }
    return out;
}

} // namespace zelt::cli
