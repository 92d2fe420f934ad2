#include "output/rtf_writer.h"

#include "base/code_page_437.h"
#include "output/styled_runs.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zelt {

namespace {

void AppendNumber(std::string& out, long value)
{
    std::array<char, 24> digits{};
    out.append(digits.data(),
               std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr);
}

// \uN takes a signed 16-bit number; characters beyond the basic plane go as
// their two surrogates.
void AppendUnicode(std::string& out, char32_t character, std::string_view fallback)
{
    const auto append = [&](char32_t unit) {
        out += "\\u";
        AppendNumber(out,
                     unit > 0x7FFF ? static_cast<long>(unit) - 0x10000 : static_cast<long>(unit));
        out += fallback;
    };
    if (character > 0xFFFF) {
        const char32_t offset = character - 0x10000;
        append(0xD800 + (offset >> 10));
        append(0xDC00 + (offset & 0x3FF));
        return;
    }
    append(character);
}

bool IsPlainRtfByte(unsigned char byte) noexcept
{
    return byte >= 0x20 && byte < 0x7F && byte != '\\' && byte != '{' && byte != '}';
}

void AppendText(std::string& out, std::string_view text)
{
    constexpr char Hex[] = "0123456789abcdef";
    for (std::size_t at = 0; at < text.size();) {
        const auto plainEnd =
            std::find_if(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(),
                         [](char c) { return !IsPlainRtfByte(static_cast<unsigned char>(c)); });
        const auto stop = static_cast<std::size_t>(plainEnd - text.begin());
        out.append(text.substr(at, stop - at));
        if (stop == text.size())
            break;
        const auto byte = static_cast<unsigned char>(text[stop]);
        at = stop + 1;
        if (byte == '\n') {
            out += "\\par\r\n";
        } else if (byte == '\t') {
            out += "\\tab ";
        } else if (byte == '\\' || byte == '{' || byte == '}') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte >= 0x80) {
            const char fallback[] = {'\\', '\'', Hex[byte >> 4], Hex[byte & 0xF]};
            AppendUnicode(out, Cp437ToUnicode(byte), std::string_view(fallback, 4));
        } else {
            AppendUnicode(out, Cp437ToUnicode(byte), "?");
        }
    }
}

struct Decoded {
    char32_t character;
    std::size_t length;
};

// One character of UTF-8 text; a byte that starts no valid sequence is '?'.
Decoded DecodeUtf8(std::string_view text, std::size_t at) noexcept
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80    ? 1
                               : lead >= 0xF8 ? 0
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length == 0 || at + length > text.size())
        return {U'?', 1};
    if (length == 1)
        return {lead, 1};
    char32_t character = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return {U'?', 1};
        character = (character << 6) | (next & 0x3F);
    }
    return {character, length};
}

// The font name is UTF-8; a ';' would end its entry in the font table.
void AppendFontName(std::string& out, std::string_view name)
{
    for (std::size_t at = 0; at < name.size();) {
        const auto [character, length] = DecodeUtf8(name, at);
        at += length;
        if (character == U';' || character < 0x20)
            continue;
        if (character == U'\\' || character == U'{' || character == U'}')
            out += '\\';
        if (character < 0x80)
            out += static_cast<char>(character);
        else
            AppendUnicode(out, character, "?");
    }
}

void AppendColour(std::string& out, const Rgb& colour)
{
    out += "\\red";
    AppendNumber(out, colour.red);
    out += "\\green";
    AppendNumber(out, colour.green);
    out += "\\blue";
    AppendNumber(out, colour.blue);
    out += ';';
}

} // namespace

std::string RichTextOf(const TopicDocument& document, const OutputStyle& style)
{
    std::string out;
    out.reserve(document.text.size() + document.text.size() / 4 + document.spans.size() * 12 + 256);
    out += "{\\rtf1\\ansi\\ansicpg437\\deff0\\deftab720\\uc1\r\n{\\fonttbl{\\f0\\fnil ";
    AppendFontName(out, style.fontName);
    out += ";}}\r\n{\\colortbl;";
    // Indexes 1 to 3 follow RunColour.
    for (const Rgb& colour : {style.highlight, LinkGreen, ReferenceTeal})
        AppendColour(out, colour);
    out += "}\r\n\\pard\\plain\\f0\\fs";
    AppendNumber(out, 2L * std::max(1, style.fontPointSize));
    out += ' ';
    ForEachRun(document, [&out](std::string_view text, const RunLook& look) {
        if (look.plain()) {
            AppendText(out, text);
            return;
        }
        out += '{';
        if (look.bold)
            out += "\\b";
        if (look.underline)
            out += "\\ul";
        if (look.colour != RunColour::Text) {
            out += "\\cf";
            AppendNumber(out, static_cast<long>(look.colour));
        }
        out += ' ';
        AppendText(out, text);
        out += '}';
    });
    out += "\r\n}\r\n";
    return out;
}

} // namespace zelt
