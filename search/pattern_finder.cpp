#include "search/pattern_finder.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZELT_FINDER_SSE2 1
#endif

namespace zelt {

namespace {

// How often a byte turns up in the lists' text, roughly: the blank and the
// common letters most, control codes and codes from 128 least.
constexpr std::array<unsigned char, 256> ByteFrequency = [] {
    std::array<unsigned char, 256> frequency{};
    for (int byte = 32; byte < 127; ++byte)
        frequency[static_cast<std::size_t>(byte)] = 60;
    for (int byte = '0'; byte <= '9'; ++byte)
        frequency[static_cast<std::size_t>(byte)] = 150;
    // Letters from the most to the least common in English text; the lists
    // write many words and all register names in capitals.
    constexpr std::string_view Letters = "etaoinsrhldcumfpgwybvkxjqz";
    for (std::size_t i = 0; i < Letters.size(); ++i) {
        const auto lower = static_cast<std::size_t>(Letters[i]);
        frequency[lower] = static_cast<unsigned char>(230 - 4 * i);
        frequency[lower - 32] = static_cast<unsigned char>(200 - 4 * i);
    }
    for (const char c : std::string_view("-.,:=()/"))
        frequency[static_cast<unsigned char>(c)] = 120;
    frequency[' '] = 255;
    return frequency;
}();

unsigned char FoldByte(unsigned char byte) noexcept
{
    return static_cast<unsigned char>(byte -
                                      (static_cast<unsigned char>(byte - 'a') < 26 ? 32 : 0));
}

} // namespace

PatternFinder::PatternFinder(const SearchPattern& pattern)
    : m_text(pattern.text())
    , m_fold(!pattern.options().matchCase)
{
    const auto probeAt = [this](std::size_t at) {
        const auto byte = static_cast<unsigned char>(m_text[at]);
        const bool letter = m_fold && byte >= 'A' && byte <= 'Z';
        const unsigned char mask = letter ? 0x20 : 0;
        return Probe{at, mask, static_cast<unsigned char>(byte | mask)};
    };
    // A folded letter is as common as both of its cases.
    const auto frequency = [this](std::size_t at) {
        const auto byte = static_cast<unsigned char>(m_text[at]);
        return m_fold && byte >= 'A' && byte <= 'Z' ? ByteFrequency[byte | 0x20u]
                                                    : ByteFrequency[byte];
    };
    if (m_text.empty())
        return;
    std::size_t rare = 0;
    for (std::size_t at = 1; at < m_text.size(); ++at) {
        if (frequency(at) < frequency(rare))
            rare = at;
    }
    std::size_t other = rare == 0 ? m_text.size() - 1 : 0;
    for (std::size_t at = 0; at < m_text.size(); ++at) {
        if (at != rare && frequency(at) < frequency(other))
            other = at;
    }
    m_rare = probeAt(rare);
    m_other = probeAt(other);
}

bool PatternFinder::matchesAt(const char* bytes) const noexcept
{
    if (!m_fold)
        return std::memcmp(bytes, m_text.data(), m_text.size()) == 0;
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        if (FoldByte(static_cast<unsigned char>(bytes[i])) != static_cast<unsigned char>(m_text[i]))
            return false;
    }
    return true;
}

std::size_t PatternFinder::find(std::string_view bytes, std::size_t from) const noexcept
{
    if (m_text.empty() || bytes.size() < m_text.size())
        return std::string_view::npos;
    // Occurrences start before `stop`, so that every probe stays in bytes.
    const std::size_t stop = bytes.size() - m_text.size() + 1;
    const char* data = bytes.data();
    std::size_t at = from;
#ifdef ZELT_FINDER_SSE2
    const __m128i rareMask = _mm_set1_epi8(static_cast<char>(m_rare.mask));
    const __m128i rareValue = _mm_set1_epi8(static_cast<char>(m_rare.value));
    const __m128i otherMask = _mm_set1_epi8(static_cast<char>(m_other.mask));
    const __m128i otherValue = _mm_set1_epi8(static_cast<char>(m_other.value));
    for (; at + 16 <= stop; at += 16) {
        const __m128i rare =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + m_rare.at));
        const __m128i other =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + m_other.at));
        const __m128i both =
            _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(rare, rareMask), rareValue),
                          _mm_cmpeq_epi8(_mm_or_si128(other, otherMask), otherValue));
        for (auto candidates = static_cast<unsigned>(_mm_movemask_epi8(both)); candidates != 0;
             candidates &= candidates - 1) {
            const std::size_t start = at + static_cast<std::size_t>(std::countr_zero(candidates));
            if (matchesAt(data + start))
                return start;
        }
    }
#endif
    for (; at < stop; ++at) {
        const auto rare = static_cast<unsigned char>(data[at + m_rare.at]);
        const auto other = static_cast<unsigned char>(data[at + m_other.at]);
        if ((rare | m_rare.mask) == m_rare.value && (other | m_other.mask) == m_other.value &&
            matchesAt(data + at))
            return at;
    }
    return std::string_view::npos;
}

} // namespace zelt
