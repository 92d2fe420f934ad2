#include "search/search_text.h"

#include "base/ascii_text.h"

namespace zelt {

SearchPattern::SearchPattern(std::string_view text, SearchOptions options)
    : m_text(options.matchCase ? std::string(text) : UpperAscii(text))
    , m_options(options)
{}

void CopyHaystack(char* out, std::string_view text, const SearchPattern& pattern) noexcept
{
    if (pattern.options().matchCase) {
        text.copy(out, text.size());
        return;
    }
    // From the source into the target, branch-free: the compiler folds many
    // bytes at a time.
    const auto* in = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = in[i];
        out[i] = static_cast<char>(byte - (static_cast<unsigned char>(byte - 'a') < 26 ? 32 : 0));
    }
}

void AppendHaystack(std::string& out, std::string_view text, const SearchPattern& pattern)
{
    const std::size_t begin = out.size();
    out.resize(begin + text.size());
    CopyHaystack(out.data() + begin, text, pattern);
}

std::string Haystack(std::string_view text, const SearchPattern& pattern)
{
    std::string haystack;
    AppendHaystack(haystack, text, pattern);
    return haystack;
}

bool PassesWholeWordRule(std::string_view haystack, std::size_t at, std::size_t length) noexcept
{
    const auto word = [&](std::size_t i) {
        return IsWordByte(static_cast<unsigned char>(haystack[i]));
    };
    if (length == 0)
        return true;
    if (word(at) && at > 0 && word(at - 1))
        return false;
    const std::size_t last = at + length - 1;
    return !(word(last) && last + 1 < haystack.size() && word(last + 1));
}

bool FirstOccurrenceMatches(std::string_view haystack, const SearchPattern& pattern) noexcept
{
    const std::size_t at = haystack.find(pattern.text());
    if (at == std::string_view::npos)
        return false;
    return !pattern.options().wholeWords || PassesWholeWordRule(haystack, at, pattern.size());
}

std::optional<std::size_t> FindForward(std::string_view haystack, const SearchPattern& pattern,
                                       std::size_t from) noexcept
{
    if (pattern.empty())
        return std::nullopt;
    for (std::size_t at = haystack.find(pattern.text(), from); at != std::string_view::npos;
         at = haystack.find(pattern.text(), at + 1)) {
        if (!pattern.options().wholeWords || PassesWholeWordRule(haystack, at, pattern.size()))
            return at;
    }
    return std::nullopt;
}

} // namespace zelt
