#include "output/text_writer.h"

#include "base/code_page_437.h"

#include <algorithm>

namespace zelt {

std::string PlainTextOf(std::string_view documentText)
{
    std::string out;
    out.reserve(documentText.size() +
                static_cast<std::size_t>(std::ranges::count(documentText, '\n')));
    for (std::size_t at = 0; at <= documentText.size();) {
        const std::size_t lineEnd = std::min(documentText.find('\n', at), documentText.size());
        out.append(documentText.substr(at, lineEnd - at));
        if (lineEnd == documentText.size())
            break;
        out += "\r\n";
        at = lineEnd + 1;
    }
    return out;
}

std::string Utf8TextOf(std::string_view documentText)
{
    std::string out;
    out.reserve(documentText.size() + documentText.size() / 8);
    for (const char c : documentText) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 0x20 && byte < 0x7F) || byte == '\n' || byte == '\t')
            out += c;
        else
            AppendUtf8(out, Cp437ToUnicode(byte));
    }
    return out;
}

} // namespace zelt
