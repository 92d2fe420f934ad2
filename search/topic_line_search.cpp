#include "search/topic_line_search.h"

#include "browse/category_box.h"
#include "list/loaded_list.h"

#include <algorithm>

namespace zelt {

TopicLineMatcher::TopicLineMatcher(const SearchPattern& pattern)
    : m_pattern(pattern)
{}

bool TopicLineMatcher::matches(std::string_view identifier, std::string_view title)
{
    const std::size_t length = identifier.size() + 1 + title.size();
    if (length < m_pattern.size())
        return false;
    // The buffer only grows, so a line costs no allocation and no clearing.
    if (m_line.size() < length)
        m_line.resize(std::max(length, 2 * m_line.size()));
    char* line = m_line.data();
    CopyHaystack(line, identifier, m_pattern);
    line[identifier.size()] = ' ';
    CopyHaystack(line + identifier.size() + 1, title, m_pattern);
    return FirstOccurrenceMatches(std::string_view(line, length), m_pattern);
}

namespace {

template <typename TopicOf>
std::optional<std::int32_t> FindFrom(const TopicTable& topics, std::size_t count,
                                     const SearchPattern& pattern, std::int32_t start,
                                     TopicOf topicOf)
{
    if (pattern.empty() || start < 0)
        return std::nullopt;
    TopicLineMatcher matcher(pattern);
    for (auto i = static_cast<std::size_t>(start); i < count; ++i) {
        const TopicNumber n = topicOf(i);
        if (matcher.matches(topics.identifier(n), topics.title(n)))
            return static_cast<std::int32_t>(i);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::int32_t> FindTopicLineInRows(const TopicTable& topics,
                                                std::span<const TopicNumber> rows,
                                                const SearchPattern& pattern, std::int32_t start)
{
    return FindFrom(topics, rows.size(), pattern, start, [rows](std::size_t i) { return rows[i]; });
}

std::optional<std::int32_t> FindTopicLineInAll(const TopicTable& topics,
                                               const SearchPattern& pattern, std::int32_t start)
{
    return FindFrom(topics, topics.size(), pattern, start,
                    [](std::size_t i) { return static_cast<TopicNumber>(i); });
}

std::optional<std::int32_t> FindTopicLine(const LoadedList& list, SearchScope scope,
                                          const SearchPattern& pattern, std::int32_t start)
{
    switch (scope) {
    case SearchScope::CurrentCategory:
        return FindTopicLineInRows(list.topics(), list.rowMap(), pattern, start);
    case SearchScope::AllCategories:
        return FindTopicLineInAll(list.topics(), pattern, start);
    case SearchScope::CurrentTopic:
        break;
    }
    return std::nullopt;
}

bool ShowsHitInFirstCategory(SearchScope scope, CategoryChar currentCategory) noexcept
{
    return scope == SearchScope::AllCategories && currentCategory != AllCategoriesCode;
}

} // namespace zelt
