#pragma once

#include "list/list_kind.h"
#include "search/follow_reference.h"
#include "search/locate_topic.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelt {

class LoadedList;

// One reference of a topic's see-also lines and what following it gives.
struct ReferenceRow {
    std::string text;
    bool linkable = false;
    // Not followed (Ignored, no prefix) when the reference is no link.
    FollowResult follow;

    // A link that leads nowhere: a list maintainer's to-do.
    bool broken() const noexcept
    {
        return linkable && (follow.outcome == FollowOutcome::Unrecognised ||
                            follow.outcome == FollowOutcome::NotFound);
    }
};

// Follows every reference of a list's topics as the window would, with the
// locate answered from a sorted index instead of a walk per reference.
class SeeAlsoFollower {
public:
    explicit SeeAlsoFollower(const LoadedList& list);

    // The references of topic n, whose shown text is given, in text order.
    std::vector<ReferenceRow> resolve(TopicNumber n, std::string_view shown) const;

private:
    const TopicTable& m_topics;
    ListKind m_kind;
    TopicLocator m_locator;
};

} // namespace zelt
