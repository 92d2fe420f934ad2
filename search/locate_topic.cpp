#include "search/locate_topic.h"

#include "base/ascii_text.h"
#include "search/search_text.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace zelt {

namespace {

bool StartsWithUpper(std::string_view text, std::string_view upperPrefix) noexcept
{
    return StartsWithIgnoringCase(TrimControlAndBlank(text), upperPrefix);
}

// Whether a title contains an upper-cased fragment in any letter case;
// `folded` is scratch space kept across calls.
bool ContainsUpper(std::string& folded, std::string_view title, const SearchPattern& fragment)
{
    if (title.size() < fragment.size())
        return false;
    if (folded.size() < title.size())
        folded.resize(std::max(title.size(), 2 * folded.size()));
    CopyHaystack(folded.data(), title, fragment);
    return std::string_view(folded.data(), title.size()).find(fragment.text()) !=
           std::string_view::npos;
}

// The first topic from `first` on whose title holds the fragment. Titles are
// folded and searched a batch at a time, each followed by a separator the
// fragment does not hold, so that no occurrence spans two titles; per title
// the calls would cost more than the search.
std::optional<TopicNumber> FirstTitleContaining(const TopicTable& topics, TopicNumber first,
                                                const SearchPattern& fragment)
{
    constexpr char Separator = '\n';
    constexpr std::size_t BatchBytes = 64 * 1024;
    if (fragment.text().find(Separator) != std::string_view::npos) {
        std::string folded;
        for (TopicNumber n = first; n < topics.size(); ++n) {
            if (ContainsUpper(folded, topics.title(n), fragment))
                return n;
        }
        return std::nullopt;
    }
    std::string batch(BatchBytes, '\0');
    std::vector<std::size_t> ends;
    for (TopicNumber n = first; n < topics.size();) {
        const TopicNumber batchFirst = n;
        std::size_t used = 0;
        ends.clear();
        while (n < topics.size()) {
            const std::string_view title = topics.title(n);
            if (used + title.size() + 1 > batch.size()) {
                if (used > 0)
                    break;
                batch.resize(title.size() + 1);
            }
            CopyHaystack(batch.data() + used, title, fragment);
            used += title.size();
            batch[used++] = Separator;
            ends.push_back(used);
            ++n;
        }
        const std::size_t at = std::string_view(batch.data(), used).find(fragment.text());
        if (at != std::string_view::npos) {
            const auto title = std::upper_bound(ends.begin(), ends.end(), at) - ends.begin();
            return batchFirst + static_cast<TopicNumber>(title);
        }
    }
    return std::nullopt;
}

} // namespace

LocateQuery::LocateQuery(std::string_view identifierPrefix, std::string_view titleFragment)
    : prefix(UpperAscii(TrimControlAndBlank(identifierPrefix)))
    , fragment(UpperAscii(TrimControlAndBlank(titleFragment)))
{}

std::optional<TopicNumber> LocateTopic(const TopicTable& topics, const LocateQuery& query)
{
    if (query.searchesNothing())
        return std::nullopt;
    const SearchPattern fragment(query.fragment, {});
    if (query.prefix.empty())
        return FirstTitleContaining(topics, 1, fragment);
    std::string folded;
    for (TopicNumber n = 1; n < topics.size(); ++n) {
        if (!query.prefix.empty() && !StartsWithUpper(topics.identifier(n), query.prefix))
            continue;
        if (query.fragment.empty() || ContainsUpper(folded, topics.title(n), fragment))
            return n;
    }
    return std::nullopt;
}

TopicLocator::TopicLocator(const TopicTable& topics)
    : m_topics(topics)
{
    const std::size_t count = topics.size() > 1 ? topics.size() - 1 : 0;
    std::vector<std::string> keys(count);
    for (std::size_t i = 0; i < count; ++i)
        keys[i] =
            UpperAscii(TrimControlAndBlank(topics.identifier(static_cast<TopicNumber>(i + 1))));
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    m_sorted.reserve(count);
    m_keys.reserve(count);
    for (const std::size_t i : order) {
        m_sorted.push_back(static_cast<TopicNumber>(i + 1));
        m_keys.push_back(std::move(keys[i]));
    }
    m_minimum.push_back(m_sorted);
    for (std::size_t width = 2; width <= count; width *= 2) {
        const std::vector<TopicNumber>& previous = m_minimum.back();
        std::vector<TopicNumber> level(count - width + 1);
        for (std::size_t i = 0; i < level.size(); ++i)
            level[i] = std::min(previous[i], previous[i + width / 2]);
        m_minimum.push_back(std::move(level));
    }
}

TopicNumber TopicLocator::firstInListOrder(std::size_t first, std::size_t last) const
{
    const auto level = static_cast<std::size_t>(std::bit_width(last - first) - 1);
    const std::vector<TopicNumber>& minimum = m_minimum[level];
    return std::min(minimum[first], minimum[last - (std::size_t{1} << level)]);
}

std::optional<TopicNumber> TopicLocator::locate(const LocateQuery& query) const
{
    if (query.searchesNothing())
        return std::nullopt;
    if (query.prefix.empty())
        return LocateTopic(m_topics, query);
    const std::string_view prefix = query.prefix;
    const auto keyHead = [&](const std::string& key) {
        return std::string_view(key).substr(0, prefix.size());
    };
    const auto begin =
        std::partition_point(m_keys.begin(), m_keys.end(),
                             [&](const std::string& key) { return keyHead(key) < prefix; });
    const auto end = std::partition_point(
        begin, m_keys.end(), [&](const std::string& key) { return keyHead(key) == prefix; });
    if (begin == end)
        return std::nullopt;
    const auto first = static_cast<std::size_t>(begin - m_keys.begin());
    const auto last = static_cast<std::size_t>(end - m_keys.begin());
    if (query.fragment.empty())
        return firstInListOrder(first, last);
    const SearchPattern fragment(query.fragment, {});
    std::string folded;
    std::optional<TopicNumber> found;
    for (std::size_t i = first; i < last; ++i) {
        const TopicNumber n = m_sorted[i];
        if ((!found || n < *found) && ContainsUpper(folded, m_topics.title(n), fragment))
            found = n;
    }
    return found;
}

} // namespace zelt
