#pragma once

#include "browse/topic_format.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// A topic as the view holds it, ready to be written out: its characters as
// code page 437 bytes with one '\n' per line break, so that an index into the
// text is a view position, and the view's format spans in the order of the text.
struct TopicDocument {
    std::string text;
    std::vector<FormatSpan> spans;
};

// The document of a topic's shown bytes (see ShownBytes): every line end, CR
// LF, a lone CR or a lone LF, becomes one '\n'.
TopicDocument DocumentOfShownBytes(std::string_view shown, std::vector<FormatSpan> spans);

// The view's text (see ViewText) back in code page 437 bytes, one byte per
// character: ViewLineBreak becomes '\n', a tab stays a tab, every other
// character becomes the byte code page 437 draws it for; a character the code
// page cannot draw becomes '?'.
std::string BytesOfViewText(std::u16string_view viewText);

// The characters [start, start + length) of a document, with the spans cut to
// them and counted from start.
TopicDocument SliceOfDocument(const TopicDocument& document, std::size_t start, std::size_t length);

} // namespace zelt
