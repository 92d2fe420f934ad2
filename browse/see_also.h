#pragma once

#include "list/list_kind.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace zelt {

// Whether a see-also reference becomes a link and a see-also menu entry in a
// list of this kind. References to numbered tables ("#01234") never do.
bool IsLinkableReference(std::string_view reference, ListKind kind) noexcept;

// The label of a line is the text before its first colon, when that text
// holds no blank or tab; the colon's position, nothing for a line without one.
std::optional<std::size_t> LabelColon(std::string_view line) noexcept;

// Whether a line's label (the text before its first colon) makes it a
// see-also line.
bool IsSeeAlsoLabel(std::string_view label) noexcept;

// One reference of a see-also line. `column` is where its colouring starts,
// counted from the line's start, and `text.size()` how far it reaches.
struct SeeAlsoReference {
    std::string_view text;
    std::size_t column = 0;
    bool linkable = false;
};

// The references of a see-also line whose first colon is at `colon`
// (0-based), in the order they stand. References are separated by commas
// alone; a blank after a comma belongs to the next reference. Their columns
// assume exactly one blank after the colon, whatever the line holds, so other
// spacing shifts the colouring against the text.
std::vector<SeeAlsoReference> CollectSeeAlsoReferences(std::string_view line, std::size_t colon,
                                                       ListKind kind);

// The references of every see-also line of a topic's shown text, as the
// topic view collects them with the see-also menu on. The title line is never
// one, and a topic without title has none.
std::vector<SeeAlsoReference> TopicSeeAlsoReferences(std::string_view shown, std::string_view title,
                                                     ListKind kind);

} // namespace zelt
