#pragma once

#include "list/list_kind.h"
#include "list/topic_table.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// What became of a followed reference.
enum class FollowOutcome {
    Ignored,              // a list whose references are not followed: nothing happens
    Unrecognised,         // a notation the list does not know, e.g. another list's
    Found,                // located with the title fragment, if it had one
    FoundWithoutFragment, // located only by the second try, without the fragment
    NotFound,             // no topic has the prefix (and fragment)
};

std::string_view OutcomeName(FollowOutcome outcome) noexcept;

struct FollowResult {
    FollowOutcome outcome = FollowOutcome::Ignored;
    std::string prefix;
    std::string fragment;
    std::optional<TopicNumber> target;
};

// Selects and shows the first topic matching an identifier prefix and a title
// fragment, or reports that there is none.
using LocateFunction =
    std::function<std::optional<TopicNumber>(std::string_view prefix, std::string_view fragment)>;

// Follows a reference of the shown topic: builds its prefix by the list's
// notation and locates it, with the title fragment first and then, when that
// finds nothing, without it.
FollowResult FollowReference(std::string_view reference, ListKind kind,
                             std::string_view shownIdentifier, const LocateFunction& locate);

inline constexpr std::string_view TopicNotLocatedText = "Topic is not located in current list";
inline constexpr std::string_view UnableToLocateText = "Unable to locate topic in current list";

} // namespace zelt
