#pragma once

#include "list/topic_table.h"

#include <string_view>

namespace zelt::test {

// Where a see-also reference of a sample list leads.
enum class ReferenceOutcome {
    Exact,      // a topic with just that identifier
    Prefix,     // only topics whose identifiers begin with it
    Unresolved, // a topic reference that no topic answers
    Table,      // a numbered table, "#01234"
    Other,      // an entry of another list
    Unknown,    // no notation of the list reads it
};

// Follows a reference written in the notation of the named list from topic
// `owner` of `topics`; lists without a notation of their own, such as
// generated ones, use the interrupt list's. A quoted word after the reference ("INT 21"EXEC") must
// stand in the title of the topic found, ignoring case.
ReferenceOutcome FollowReference(std::string_view listName, std::string_view reference,
                                 const TopicTable& topics, TopicNumber owner);

} // namespace zelt::test
