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
//
// A line longer than MaxViewLineLength shows only its first MaxViewLineLength
// bytes, followed by ViewCutMark. The view lays out and paints each line as a
// whole, so one repaint costs time in step with the longest line in sight,
// and its coordinates cannot reach past a few million characters at all;
// lines of the lists are well under 100 characters, the longest table rows a
// few hundred. The mark is no character of code page 437, so it is never
// mistaken for the topic's own text.
inline constexpr std::size_t MaxViewLineLength = 4096;
inline constexpr char16_t ViewCutMark = u'\u2026';

// The part of a topic's bytes the view shows: a zero byte ends it.
std::string_view ShownBytes(std::string_view topicBytes) noexcept;

// One line of the view: its bytes in the shown text and the view position
// of its first character.
struct LineRange {
    std::size_t begin = 0;
    // The bytes shown, which are the view characters before the mark or break.
    std::size_t length = 0;
    std::size_t position = 0;
    // All bytes of the line, without its line end; more than length when cut.
    std::size_t byteLength = 0;

    bool cut() const noexcept { return byteLength > length; }
    std::size_t end() const noexcept { return begin + length; }
    // The view characters of the line, the cut mark included.
    std::size_t viewLength() const noexcept { return length + (cut() ? 1 : 0); }
};

// The view's lines; there is always at least one, and a text that ends in a
// line end has an empty last line.
std::vector<LineRange> SplitViewLines(std::string_view shown);

// The shown bytes with every line end (CR LF, a lone CR or a lone LF) one LF:
// one byte per view position for a topic without cut lines.
std::string ViewBytes(std::string_view shown);

// Number of view characters of the whole text.
std::size_t ViewLength(std::span<const LineRange> lines) noexcept;

// The byte offset of a view position and back. A position on a line break
// maps to the break's first byte; a byte inside a CR LF maps to its break.
// The cut mark stands for the bytes it hides: it maps to the first of them,
// and each of them to it.
std::size_t ByteOffsetOfPosition(std::span<const LineRange> lines, std::size_t position) noexcept;
std::size_t PositionOfByteOffset(std::span<const LineRange> lines, std::size_t offset) noexcept;

// The character that stands for a line end in ViewText. The rich-text
// document keeps each paragraph break as this character, so the view's raw
// text equals ViewText and setting ViewText as plain text rebuilds the lines.
inline constexpr char16_t ViewLineBreak = u'\u2029';

// The view's text in UTF-16, index = view position: every byte is its code
// page 437 character, a tab stays a tab, a line end is ViewLineBreak, and a
// cut line ends in ViewCutMark.
std::u16string ViewText(std::string_view shown);
// The same from the text's lines, as SplitViewLines gives them.
std::u16string ViewText(std::string_view shown, std::span<const LineRange> lines);

} // namespace zelt
