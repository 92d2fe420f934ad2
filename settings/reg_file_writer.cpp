#include "settings/reg_file_format.h"

#include <type_traits>

namespace zelt {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::size_t HexWrapColumn = 77;

bool HasLineBreakOrNul(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

void AppendHex(std::string& out, std::uint32_t value, int digits)
{
    constexpr char Digits[] = "0123456789abcdef";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += Digits[(value >> shift) & 0xF];
}

std::vector<std::string> HexLines(std::string first, const std::vector<std::uint8_t>& bytes)
{
    std::vector<std::string> lines;
    std::string line = std::move(first);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        AppendHex(line, bytes[i], 2);
        if (i + 1 == bytes.size())
            break;
        line += ',';
        if (line.size() >= HexWrapColumn) {
            line += '\\';
            lines.push_back(std::move(line));
            line = "  ";
        }
    }
    lines.push_back(std::move(line));
    return lines;
}

} // namespace

std::optional<std::vector<std::string>> FormatRegValue(std::string_view name,
                                                       const StoredValue& value)
{
    if (HasLineBreakOrNul(name))
        return std::nullopt;
    std::string line = name.empty() ? std::string("@") : Quoted(name);
    line += '=';
    return std::visit(
        [&line](const auto& v) -> std::optional<std::vector<std::string>> {
            using Kind = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<Kind, Dword>) {
                line += "dword:";
                AppendHex(line, v.value, 8);
                return std::vector{line};
            } else if constexpr (std::is_same_v<Kind, Text>) {
                if (HasLineBreakOrNul(v.value))
                    return std::nullopt;
                return std::vector{line + Quoted(v.value)};
            } else if constexpr (std::is_same_v<Kind, Binary>) {
                return HexLines(line + "hex:", v.bytes);
            } else {
                return std::nullopt;
            }
        },
        value);
}

std::string FormatRegFile(const RegDocument& document)
{
    std::string out = "REGEDIT4";
    out += LineEnd;
    for (const auto& comment : document.leadingComments) {
        out += comment;
        out += LineEnd;
    }
    for (const auto& key : document.keys()) {
        out += LineEnd;
        out += '[';
        out += key.path();
        out += ']';
        out += LineEnd;
        for (const auto& entry : key.entries()) {
            for (const auto& line : entry.lines) {
                out += line;
                out += LineEnd;
            }
        }
    }
    return out;
}

} // namespace zelt
