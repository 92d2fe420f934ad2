#pragma once

#include "list/topic_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// The two texts of a locate, trimmed (codes 0 to 32) and in ASCII upper case.
// An empty text is a test that is off; with both off nothing can match.
struct LocateQuery {
    LocateQuery(std::string_view identifierPrefix, std::string_view titleFragment);

    bool searchesNothing() const noexcept { return prefix.empty() && fragment.empty(); }

    std::string prefix;
    std::string fragment;
};

// The first topic from number 1 on (topic 0 is never a candidate) whose
// trimmed identifier begins with the prefix and whose title contains the
// fragment, both ignoring the case of ASCII letters.
std::optional<TopicNumber> LocateTopic(const TopicTable& topics, const LocateQuery& query);

// The same answers as LocateTopic for many queries over one table: the
// identifiers are sorted once, so a query costs a binary search instead of a
// walk over the topics.
class TopicLocator {
public:
    explicit TopicLocator(const TopicTable& topics);

    std::optional<TopicNumber> locate(const LocateQuery& query) const;

private:
    // The smallest topic number among the sorted entries [first, last).
    TopicNumber firstInListOrder(std::size_t first, std::size_t last) const;

    const TopicTable& m_topics;
    // Topics 1 on, ordered by upper-cased trimmed identifier, then number.
    std::vector<TopicNumber> m_sorted;
    std::vector<std::string> m_keys;
    // m_minimum[k][i]: the smallest topic number of m_sorted[i, i + 2^k).
    std::vector<std::vector<TopicNumber>> m_minimum;
};

} // namespace zelt
