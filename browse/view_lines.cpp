#include "browse/view_lines.h"

#include "base/code_page_437.h"

#include <algorithm>
#include <cstring>

namespace zelt {

namespace {

// Length of the line end starting at `at`, 0 when none does.
std::size_t LineEndLength(std::string_view text, std::size_t at) noexcept
{
    if (text[at] == '\n')
        return 1;
    if (text[at] != '\r')
        return 0;
    return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
}

// Where the next line end starts from `at` on; the text's size for none. The
// bytes are searched many at a time, as a line is rarely short.
std::size_t NextLineEnd(std::string_view text, std::size_t at) noexcept
{
    const std::string_view rest = text.substr(at);
    const auto* cr = static_cast<const char*>(std::memchr(rest.data(), '\r', rest.size()));
    const std::size_t before =
        cr == nullptr ? rest.size() : static_cast<std::size_t>(cr - rest.data());
    const auto* lf = static_cast<const char*>(std::memchr(rest.data(), '\n', before));
    return at + (lf == nullptr ? before : static_cast<std::size_t>(lf - rest.data()));
}

// The line holding a view position or byte offset, by a member of LineRange.
template <std::size_t LineRange::*Member>
const LineRange& LineAt(std::span<const LineRange> lines, std::size_t value) noexcept
{
    const auto after =
        std::upper_bound(lines.begin() + 1, lines.end(), value,
                         [](std::size_t v, const LineRange& line) { return v < line.*Member; });
    return *(after - 1);
}

} // namespace

std::string_view ShownBytes(std::string_view topicBytes) noexcept
{
    return topicBytes.substr(0, topicBytes.find('\0'));
}

std::vector<LineRange> SplitViewLines(std::string_view shown)
{
    std::vector<LineRange> lines;
    LineRange line;
    const auto close = [&lines, &line](std::size_t end) {
        line.byteLength = end - line.begin;
        line.length = std::min(line.byteLength, MaxViewLineLength);
        lines.push_back(line);
    };
    for (std::size_t at = NextLineEnd(shown, 0); at < shown.size(); at = NextLineEnd(shown, at)) {
        const std::size_t breakLength = LineEndLength(shown, at);
        close(at);
        at += breakLength;
        line = {at, 0, line.position + line.viewLength() + 1, 0};
    }
    close(shown.size());
    return lines;
}

std::size_t ViewLength(std::span<const LineRange> lines) noexcept
{
    return lines.empty() ? 0 : lines.back().position + lines.back().viewLength();
}

std::size_t ByteOffsetOfPosition(std::span<const LineRange> lines, std::size_t position) noexcept
{
    if (lines.empty())
        return 0;
    const LineRange& line = LineAt<&LineRange::position>(lines, position);
    const std::size_t column = position - line.position;
    return column <= line.length ? line.begin + column : line.begin + line.byteLength;
}

std::size_t PositionOfByteOffset(std::span<const LineRange> lines, std::size_t offset) noexcept
{
    if (lines.empty())
        return 0;
    const LineRange& line = LineAt<&LineRange::begin>(lines, offset);
    const std::size_t column = offset - line.begin;
    if (column <= line.length)
        return line.position + column;
    return line.position + (column < line.byteLength ? line.length : line.viewLength());
}

std::u16string ViewText(std::string_view shown)
{
    return ViewText(shown, SplitViewLines(shown));
}

std::u16string ViewText(std::string_view shown, std::span<const LineRange> lines)
{
    std::u16string text;
    text.reserve(ViewLength(lines));
    for (const LineRange& line : lines) {
        if (line.position > 0)
            text += ViewLineBreak;
        for (const char c : shown.substr(line.begin, line.length)) {
            const auto byte = static_cast<unsigned char>(c);
            text += byte == '\t' ? u'\t' : static_cast<char16_t>(Cp437ToUnicode(byte));
        }
        if (line.cut())
            text += ViewCutMark;
    }
    return text;
}

std::string ViewBytes(std::string_view shown)
{
    std::string bytes;
    bytes.reserve(shown.size());
    for (std::size_t at = 0; at < shown.size(); ++at) {
        const char c = shown[at];
        if (c == '\r' && at + 1 < shown.size() && shown[at + 1] == '\n')
            continue;
        bytes += c == '\r' ? '\n' : c;
    }
    return bytes;
}

} // namespace zelt
