#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// Searches work on the list's bytes: case folding maps only the 26 ASCII
// letters, and word characters are the ASCII letters and digits and the codes
// 192 to 255.
constexpr bool IsWordByte(unsigned char byte) noexcept
{
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z') || byte >= 192;
}

struct SearchOptions {
    bool matchCase = false;
    bool wholeWords = false;
};

// A search text prepared once for many lines: folded to upper case when the
// search ignores case.
class SearchPattern {
public:
    SearchPattern(std::string_view text, SearchOptions options);

    std::string_view text() const noexcept { return m_text; }
    const SearchOptions& options() const noexcept { return m_options; }
    bool empty() const noexcept { return m_text.empty(); }
    std::size_t size() const noexcept { return m_text.size(); }

private:
    std::string m_text;
    SearchOptions m_options;
};

// Copies text to out, folded when the pattern ignores case, so that out can
// be searched for the pattern's text. out has room for text.size() bytes.
void CopyHaystack(char* out, std::string_view text, const SearchPattern& pattern) noexcept;
// The same appended to a string.
void AppendHaystack(std::string& out, std::string_view text, const SearchPattern& pattern);
std::string Haystack(std::string_view text, const SearchPattern& pattern);

// The whole-word rule at an occurrence of a pattern's length: a matched end
// that is a word character must not have a word character beside it.
bool PassesWholeWordRule(std::string_view haystack, std::size_t at, std::size_t length) noexcept;

// A topic line's test: only the first occurrence is examined, so a line
// whose first occurrence fails the whole-word rule fails even when a later
// one would pass. The haystack is already prepared for the pattern.
bool FirstOccurrenceMatches(std::string_view haystack, const SearchPattern& pattern) noexcept;

// The search of the shown topic: the first occurrence at or after `from`
// that passes the whole-word rule when asked for. The haystack is already
// prepared for the pattern.
std::optional<std::size_t> FindForward(std::string_view haystack, const SearchPattern& pattern,
                                       std::size_t from) noexcept;

} // namespace zelt
