#include "cli/escaped_cell.h"

#include "list/code_page_437.h"

namespace zelt::cli {

void AppendEscapedCell(std::string& out, std::string_view bytes)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\') {
            out += "\\\\";
        } else if (byte < 32 || byte == 127) {
            out += "\\x";
            out += Hex[byte >> 4];
            out += Hex[byte & 0x0F];
        } else if (byte < 128) {
            out += c;
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
