#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

using CategoryChar = unsigned char;
using TopicNumber = std::uint32_t;

constexpr CategoryChar InformationCategory = '!';
constexpr CategoryChar WholeFileCategory = '-';
// The identifier of the topic made of the text before the first divider line.
constexpr std::string_view ListInfoIdentifier = "[List Info]";

// A topic's fields as stored; the texts point into the table and stay valid
// until the table changes.
struct TopicRef {
    std::string_view identifier;
    std::string_view title;
    CategoryChar category = 0;
    std::int32_t start = 0;
    std::int32_t length = 0;
};

// The topics of one list, stored compactly: positions in parallel arrays and
// all identifiers and titles in one byte arena, entry 2n the identifier and
// entry 2n+1 the title of topic n.
class TopicTable {
public:
    void clear();
    void reserve(std::size_t topics);
    void reserveText(std::size_t bytes) { m_text.reserve(bytes); }
    void shrinkToFit();

    void append(std::string_view identifier, std::string_view title, CategoryChar category,
                std::int32_t start, std::int32_t length);

    std::size_t size() const noexcept { return m_starts.size(); }
    bool empty() const noexcept { return m_starts.empty(); }
    std::size_t capacity() const noexcept { return m_starts.capacity(); }

    std::string_view identifier(TopicNumber n) const noexcept { return textEntry(2 * n); }
    std::string_view title(TopicNumber n) const noexcept { return textEntry(2 * n + 1); }
    CategoryChar category(TopicNumber n) const noexcept { return m_categories[n]; }
    std::int32_t start(TopicNumber n) const noexcept { return m_starts[n]; }
    std::int32_t length(TopicNumber n) const noexcept { return m_lengths[n]; }
    TopicRef topic(TopicNumber n) const noexcept;

    const std::bitset<256>& categoriesPresent() const noexcept { return m_categoriesPresent; }

    // Heap bytes held beyond the identifier and title bytes themselves.
    std::size_t overheadBytes() const noexcept;

private:
    std::string_view textEntry(std::size_t entry) const noexcept;

    std::vector<std::int32_t> m_starts;
    std::vector<std::int32_t> m_lengths;
    std::vector<CategoryChar> m_categories;
    std::vector<std::uint32_t> m_textEnds;
    std::string m_text;
    std::bitset<256> m_categoriesPresent;
};

} // namespace zelt
