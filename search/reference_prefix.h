#pragma once

#include "list/list_kind.h"

#include <string>
#include <string_view>

namespace zelt {

// A see-also reference in the form the list's topic identifiers are written:
// the identifier prefix (untrimmed; the locate trims it) and the title
// fragment a reference may carry in double quotes.
struct ReferencePrefix {
    bool recognised = false;
    std::string prefix;
    std::string fragment;
};

// Whether references are followed in a list of this kind at all: the lists
// INTERRUP.LST to I2C.LST.
bool FollowsReferences(ListKind kind) noexcept;

// Builds the prefix by the notation of the list's kind. `shownIdentifier` is
// the identifier of the topic the reference stands in: a reference such as
// AH=4Ch means a function of that topic's interrupt.
ReferencePrefix BuildReferencePrefix(std::string_view reference, ListKind kind,
                                     std::string_view shownIdentifier);

// The title fragment of a reference: after its first double quote, up to but
// not including its last character (a closing quote); empty without a quote.
std::string TitleFragment(std::string_view reference);

} // namespace zelt
