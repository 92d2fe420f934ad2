#include "list/topic_table.h"

namespace zelt {

void TopicTable::clear()
{
    m_starts = {};
    m_lengths = {};
    m_categories = {};
    m_textEnds = {};
    m_text = {};
    m_categoriesPresent.reset();
}

void TopicTable::reserve(std::size_t topics)
{
    m_starts.reserve(topics);
    m_lengths.reserve(topics);
    m_categories.reserve(topics);
    m_textEnds.reserve(2 * topics);
}

void TopicTable::shrinkToFit()
{
    m_starts.shrink_to_fit();
    m_lengths.shrink_to_fit();
    m_categories.shrink_to_fit();
    m_textEnds.shrink_to_fit();
    // A little slack in the text is cheaper than copying it all once more.
    if (m_text.capacity() - m_text.size() > m_text.size() / 8)
        m_text.shrink_to_fit();
}

void TopicTable::append(std::string_view identifier, std::string_view title, CategoryChar category,
                        std::int32_t start, std::int32_t length)
{
    m_starts.push_back(start);
    m_lengths.push_back(length);
    m_categories.push_back(category);
    m_text.append(identifier);
    m_textEnds.push_back(static_cast<std::uint32_t>(m_text.size()));
    m_text.append(title);
    m_textEnds.push_back(static_cast<std::uint32_t>(m_text.size()));
    m_categoriesPresent.set(category);
}

TopicRef TopicTable::topic(TopicNumber n) const noexcept
{
    return {identifier(n), title(n), category(n), start(n), length(n)};
}

std::string_view TopicTable::textEntry(std::size_t entry) const noexcept
{
    const std::uint32_t begin = entry == 0 ? 0 : m_textEnds[entry - 1];
    return std::string_view(m_text).substr(begin, m_textEnds[entry] - begin);
}

std::size_t TopicTable::overheadBytes() const noexcept
{
    return m_starts.capacity() * sizeof(std::int32_t) +
           m_lengths.capacity() * sizeof(std::int32_t) +
           m_categories.capacity() * sizeof(CategoryChar) +
           m_textEnds.capacity() * sizeof(std::uint32_t) + (m_text.capacity() - m_text.size());
}

} // namespace zelt
