#include "browse/view_lines.h"

#include "base/code_page_437.h"

#include <algorithm>

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
    for (std::size_t at = 0; at < shown.size();) {
        const std::size_t breakLength = LineEndLength(shown, at);
        if (breakLength == 0) {
            ++at;
            continue;
        }
        line.length = at - line.begin;
        lines.push_back(line);
        at += breakLength;
        line = {at, 0, line.position + line.length + 1};
    }
    line.length = shown.size() - line.begin;
    lines.push_back(line);
    return lines;
}

std::size_t ViewLength(std::span<const LineRange> lines) noexcept
{
    return lines.empty() ? 0 : lines.back().position + lines.back().length;
}

std::size_t ByteOffsetOfPosition(std::span<const LineRange> lines, std::size_t position) noexcept
{
    if (lines.empty())
        return 0;
    const LineRange& line = LineAt<&LineRange::position>(lines, position);
    return line.begin + std::min(position - line.position, line.length);
}

std::size_t PositionOfByteOffset(std::span<const LineRange> lines, std::size_t offset) noexcept
{
    if (lines.empty())
        return 0;
    const LineRange& line = LineAt<&LineRange::begin>(lines, offset);
    return line.position + std::min(offset - line.begin, line.length);
}

std::u16string ViewText(std::string_view shown)
{
    std::u16string text;
    text.reserve(shown.size());
    for (std::size_t at = 0; at < shown.size();) {
        if (const std::size_t breakLength = LineEndLength(shown, at)) {
            text += ViewLineBreak;
            at += breakLength;
            continue;
        }
        const auto byte = static_cast<unsigned char>(shown[at++]);
        text += byte == '\t' ? u'\t' : static_cast<char16_t>(Cp437ToUnicode(byte));
    }
    return text;
}

} // namespace zelt
