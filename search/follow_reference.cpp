#include "search/follow_reference.h"

#include "search/reference_prefix.h"

namespace zelt {

std::string_view OutcomeName(FollowOutcome outcome) noexcept
{
    switch (outcome) {
    case FollowOutcome::Ignored:
        return "ignored";
    case FollowOutcome::Unrecognised:
        return "unrecognised";
    case FollowOutcome::Found:
        return "found";
    case FollowOutcome::FoundWithoutFragment:
        return "found-without-fragment";
    case FollowOutcome::NotFound:
        return "not-found";
    }
    return "?";
}

FollowResult FollowReference(std::string_view reference, ListKind kind,
                             std::string_view shownIdentifier, const LocateFunction& locate)
{
    FollowResult result;
    if (!FollowsReferences(kind))
        return result;
    ReferencePrefix built = BuildReferencePrefix(reference, kind, shownIdentifier);
    if (!built.recognised) {
        result.outcome = FollowOutcome::Unrecognised;
        return result;
    }
    result.prefix = std::move(built.prefix);
    result.fragment = std::move(built.fragment);
    result.target = locate(result.prefix, result.fragment);
    result.outcome = FollowOutcome::Found;
    // Without a fragment the second try would search exactly the same again.
    if (!result.target && !result.fragment.empty()) {
        result.target = locate(result.prefix, {});
        result.outcome = FollowOutcome::FoundWithoutFragment;
    }
    if (!result.target)
        result.outcome = FollowOutcome::NotFound;
    return result;
}

} // namespace zelt
