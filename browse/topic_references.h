#pragma once

#include "list/list_kind.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// A reference a reader can follow in a topic's text.
struct TextReference {
    enum class Kind { SeeAlso, Table };
    Kind kind;
    // View position of the reference's first character (one position per line
    // end, as browse/view_lines.h counts them).
    std::size_t position;
    std::size_t length; // bytes of the reference text
    // The reference as written (code page 437 bytes), e.g. "INT 21/AH=4Ch" or "#01340".
    std::string text;
};

// Every reference of a topic, in text order: each reference of its see-also
// lines as the see-also collection finds it under the default settings
// (coloured or not, linkable or not), and in every other line each table
// number ("#" + five digits, or "#" + capital letter + four digits, no further
// digit). `text` is the topic as the view shows it (shown bytes).
std::vector<TextReference> TopicReferences(std::string_view text, ListKind kind);

// The same for a topic whose title is known: a topic without title (the list
// information, "!" and whole-file topics) has no see-also lines, as the view
// formats none, but its table numbers still count.
std::vector<TextReference> TopicReferences(std::string_view text, std::string_view title,
                                           ListKind kind);

// The table number a text starts with: "#" + five digits, or "#" + a capital
// letter and four digits, with no digit after them. Its five characters after
// the "#", or empty when the text does not start with one.
std::string_view LeadingTableNumber(std::string_view text) noexcept;

} // namespace zelt
