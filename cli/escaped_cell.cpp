#include "cli/escaped_cell.h"

#include "list/code_page_437.h"

#include <array>

namespace zelt::cli {

void AppendEscapedCell(std::string& out, std::string_view bytes)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    static constexpr auto Plain = [] {
        std::array<bool, 256> plain{};
        for (int byte = ' '; byte < 127; ++byte)
            plain[static_cast<std::size_t>(byte)] = byte != '\\';
        return plain;
    }();
    const auto plain = [](char c) { return Plain[static_cast<unsigned char>(c)]; };
    while (!bytes.empty()) {
        // Copy runs of plain ASCII whole; they are nearly all of a list's text.
        std::size_t run = 0;
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
            out += "\\x";
            out += Hex[byte >> 4];
            out += Hex[byte & 0x0F];
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

} // namespace zelt::cli
