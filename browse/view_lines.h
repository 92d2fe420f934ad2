#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// The topic view holds a topic's bytes one character per byte, except that
// each line end (CR LF, a lone CR or a lone LF) is a single paragraph break.
// Character positions of the view count that break as one.

// The part of a topic's bytes the view shows: a zero byte ends it.
std::string_view ShownBytes(std::string_view topicBytes) noexcept;

// One line of the view: its bytes in the shown text and the view position
// of its first character.
struct LineRange {
    std::size_t begin = 0;
    std::size_t length = 0;
    std::size_t position = 0;

    std::size_t end() const noexcept { return begin + length; }
};

// The view's lines; there is always at least one, and a text that ends in a
// line end has an empty last line.
std::vector<LineRange> SplitViewLines(std::string_view shown);

// Number of view characters of the whole text.
std::size_t ViewLength(std::span<const LineRange> lines) noexcept;

// The byte offset of a view position and back. A position on a line break
// maps to the break's first byte; a byte inside a CR LF maps to its break.
std::size_t ByteOffsetOfPosition(std::span<const LineRange> lines, std::size_t position) noexcept;
std::size_t PositionOfByteOffset(std::span<const LineRange> lines, std::size_t offset) noexcept;

// The character that stands for a line end in ViewText. The rich-text
// document keeps each paragraph break as this character, so the view's raw
// text equals ViewText and setting ViewText as plain text rebuilds the lines.
inline constexpr char16_t ViewLineBreak = u'\u2029';

// The view's text in UTF-16, index = view position: every byte is its code
// page 437 character, a tab stays a tab, a line end is ViewLineBreak.
std::u16string ViewText(std::string_view shown);

} // namespace zelt
