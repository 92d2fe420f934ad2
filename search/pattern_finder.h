#pragma once

#include "search/search_text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zelt {

// Finds a pattern's occurrences in a long stretch of raw list bytes without
// copying them: folding, when the pattern ignores case, happens in the
// comparisons. Candidates are the places where the pattern's two rarest
// bytes both stand, tested many bytes at a time.
class PatternFinder {
public:
    explicit PatternFinder(const SearchPattern& pattern);

    // The first occurrence at or after `from` that lies wholly in bytes;
    // npos when there is none, and always for an empty pattern.
    std::size_t find(std::string_view bytes, std::size_t from) const noexcept;

private:
    // A byte of the pattern as tested: (byte | mask) == value, so that with
    // a mask of 20h a letter stands for both of its cases.
    struct Probe {
        std::size_t at = 0;
        unsigned char mask = 0;
        unsigned char value = 0;
    };

    bool matchesAt(const char* bytes) const noexcept;

    std::string m_text;
    bool m_fold = false;
    Probe m_rare;
    Probe m_other;
};

} // namespace zelt
