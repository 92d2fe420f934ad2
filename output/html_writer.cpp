#include "output/html_writer.h"

#include "base/code_page_437.h"
#include "output/styled_runs.h"

#include <algorithm>

namespace zelt {

namespace {

bool IsPlainHtmlByte(unsigned char byte) noexcept
{
    return (byte >= 0x20 && byte < 0x7F && byte != '&' && byte != '<' && byte != '>') ||
           byte == '\n' || byte == '\t';
}

void AppendText(std::string& out, std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto plainEnd =
            std::find_if(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(),
                         [](char c) { return !IsPlainHtmlByte(static_cast<unsigned char>(c)); });
        const auto stop = static_cast<std::size_t>(plainEnd - text.begin());
        out.append(text.substr(at, stop - at));
        if (stop == text.size())
            break;
        at = stop + 1;
        switch (text[stop]) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            AppendUtf8(out, Cp437ToUnicode(static_cast<unsigned char>(text[stop])));
        }
    }
}

// The font name goes into a quoted CSS string inside a quoted attribute.
void AppendFontFamily(std::string& out, std::string_view name)
{
    out += '\'';
    for (const char c : name) {
        if (c == '\'' || c == '\\')
            out += '\\';
        if (c == '"')
            out += "&quot;";
        else if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (static_cast<unsigned char>(c) >= 0x20)
            out += c;
    }
    out += '\'';
}

void AppendColour(std::string& out, const Rgb& colour)
{
    constexpr char Hex[] = "0123456789abcdef";
    out += '#';
    for (const std::uint8_t part : {colour.red, colour.green, colour.blue}) {
        out += Hex[part >> 4];
        out += Hex[part & 0xF];
    }
}

} // namespace

std::string HtmlOf(const TopicDocument& document, const OutputStyle& style)
{
    const Rgb colours[] = {{}, style.highlight, LinkGreen, ReferenceTeal};
    std::string out;
    out.reserve(document.text.size() + document.text.size() / 8 + document.spans.size() * 40 + 256);
    out += "<html><head><meta charset=\"utf-8\"></head><body><pre style=\"font-family: ";
    AppendFontFamily(out, style.fontName);
    out += "; font-size: ";
    out += std::to_string(std::max(1, style.fontPointSize));
    out += "pt\">";
    ForEachRun(document, [&](std::string_view text, const RunLook& look) {
        if (look.plain()) {
            AppendText(out, text);
            return;
        }
        const char* tag = look.bold ? "b" : look.underline ? "u" : "span";
        out += '<';
        out += tag;
        if (look.colour != RunColour::Text) {
            out += " style=\"color: ";
            AppendColour(out, colours[static_cast<int>(look.colour)]);
            out += '"';
        }
        out += '>';
        AppendText(out, text);
        out += "</";
        out += tag;
        out += '>';
    });
    out += "</pre></body></html>";
    return out;
}

} // namespace zelt
