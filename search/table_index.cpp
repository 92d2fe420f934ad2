#include "search/table_index.h"

#include "base/file_io.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <span>

namespace zelt {

namespace {

constexpr std::string_view Opening = "(Table ";
// "(Table " + five characters + ")"
constexpr std::size_t DefinitionLength = 13;

bool IsTableNumber(std::string_view number) noexcept
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return number.size() == 5 && (digit(number[0]) || (number[0] >= 'A' && number[0] <= 'Z')) &&
           std::all_of(number.begin() + 1, number.end(), digit);
}

// The line ends of some bytes (CR LF, a lone CR or a lone LF, each one), the
// byte before them a CR when `afterCr`: every CR, and every LF not right
// after one. Lines are searched for many bytes at a time.
std::size_t CountLineEnds(std::string_view bytes, bool afterCr) noexcept
{
    std::size_t ends = 0;
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    for (const char* cr = begin;
         (cr = static_cast<const char*>(std::memchr(cr, '\r', static_cast<std::size_t>(end - cr))));
         ++cr)
        ++ends;
    for (const char* lf = begin;
         (lf = static_cast<const char*>(std::memchr(lf, '\n', static_cast<std::size_t>(end - lf))));
         ++lf) {
        const bool afterCarriageReturn = lf == begin ? afterCr : lf[-1] == '\r';
        ends += afterCarriageReturn ? 0 : 1;
    }
    return ends;
}

std::uint64_t NumberKey(std::string_view number) noexcept
{
    std::uint64_t key = 0;
    for (const char c : number)
        key = key << 8 | static_cast<unsigned char>(c);
    return key;
}

// Counts line ends (CR LF, a lone CR or a lone LF, each one) over bytes given
// piece by piece, and notes the count at each topic's start on the way.
class LineCounter {
public:
    LineCounter(const TopicTable& topics, std::span<const TopicNumber> byStart,
                std::vector<std::size_t>& startLines)
        : m_topics(topics)
        , m_byStart(byStart)
        , m_startLines(startLines)
    {}

    // Counts the bytes from the last position up to `offset` (absolute), of
    // which `piece` holds those from `pieceOffset` on.
    void advance(std::string_view piece, std::uint64_t pieceOffset, std::uint64_t offset)
    {
        while (m_position < offset) {
            const std::uint64_t stop = std::min(offset, nextStart());
            if (m_position < stop) {
                const std::string_view bytes =
                    piece.substr(static_cast<std::size_t>(m_position - pieceOffset),
                                 static_cast<std::size_t>(stop - m_position));
                m_lines += CountLineEnds(bytes, m_afterCr);
                m_afterCr = bytes.back() == '\r';
                m_position = stop;
            }
            noteStarts();
        }
        noteStarts();
    }

    std::size_t lines() const noexcept { return m_lines; }

private:
    std::uint64_t nextStart() const noexcept
    {
        return m_next < m_byStart.size()
                   ? static_cast<std::uint64_t>(std::max(0, m_topics.start(m_byStart[m_next])))
                   : UINT64_MAX;
    }

    void noteStarts()
    {
        for (; m_next < m_byStart.size() && nextStart() <= m_position; ++m_next)
            m_startLines[m_byStart[m_next]] = m_lines;
    }

    const TopicTable& m_topics;
    std::span<const TopicNumber> m_byStart;
    std::vector<std::size_t>& m_startLines;
    std::size_t m_next = 0;
    std::uint64_t m_position = 0;
    std::size_t m_lines = 0;
    bool m_afterCr = false;
};

} // namespace

std::optional<TableIndex> TableIndex::Build(const std::filesystem::path& listFile,
                                            const TopicTable& topics)
{
    const FileHandle file = OpenSharedRead(listFile);
    if (!file)
        return std::nullopt;

    // Topics in the order of their text in the file; list order among equal starts.
    std::vector<TopicNumber> byStart(topics.size());
    std::iota(byStart.begin(), byStart.end(), TopicNumber{0});
    std::stable_sort(byStart.begin(), byStart.end(), [&](TopicNumber a, TopicNumber b) {
        return topics.start(a) < topics.start(b);
    });
    std::vector<std::size_t> startLines(topics.size(), 0);
    LineCounter counter(topics, byStart, startLines);

    struct Definition {
        std::uint64_t offset;
        std::size_t line;
        std::string number;
    };
    std::vector<Definition> definitions;

    constexpr std::size_t PieceBytes = 256 * 1024;
    constexpr std::size_t Carry = DefinitionLength - 1;
    // One buffer for the whole pass: the bytes kept from the last piece, then the next piece.
    std::string buffer(Carry + PieceBytes, '\0');
    std::size_t kept = 0;
    std::uint64_t bufferOffset = 0;
    for (;;) {
        const std::size_t got = std::fread(buffer.data() + kept, 1, PieceBytes, file.get());
        if (got < PieceBytes && std::ferror(file.get()))
            return std::nullopt;
        const bool last = got < PieceBytes;
        const std::string_view bytes(buffer.data(), kept + got);
        // A definition that may run on into the next piece waits for it.
        const std::size_t searchEnd =
            last ? bytes.size() : (bytes.size() > Carry ? bytes.size() - Carry : 0);
        for (std::size_t at = bytes.find(Opening); at != std::string_view::npos && at < searchEnd;
             at = bytes.find(Opening, at + 1)) {
            if (at + DefinitionLength > bytes.size() || bytes[at + DefinitionLength - 1] != ')')
                continue;
            const std::string_view number = bytes.substr(at + Opening.size(), 5);
            if (!IsTableNumber(number))
                continue;
            counter.advance(bytes, bufferOffset, bufferOffset + at);
            definitions.push_back({bufferOffset + at, counter.lines(), std::string(number)});
        }
        counter.advance(bytes, bufferOffset, bufferOffset + searchEnd);
        if (last)
            break;
        kept = bytes.size() - searchEnd;
        std::memmove(buffer.data(), buffer.data() + searchEnd, kept);
        bufferOffset += searchEnd;
    }

    // The topic whose text holds a definition: the last one starting at or
    // before it, if the definition lies inside it.
    TableIndex index;
    for (const Definition& definition : definitions) {
        const auto after =
            std::upper_bound(byStart.begin(), byStart.end(), definition.offset,
                             [&](std::uint64_t offset, TopicNumber n) {
                                 return static_cast<std::int64_t>(offset) < topics.start(n);
                             });
        if (after == byStart.begin())
            continue;
        const TopicNumber topic = *(after - 1);
        const auto end = static_cast<std::int64_t>(topics.start(topic)) + topics.length(topic);
        if (static_cast<std::int64_t>(definition.offset + DefinitionLength) > end)
            continue;
        index.m_entries.push_back(
            {NumberKey(definition.number), {topic, definition.line - startLines[topic]}});
    }
    // The first topic in list order for each number.
    std::stable_sort(index.m_entries.begin(), index.m_entries.end(),
                     [](const Entry& a, const Entry& b) {
                         return a.number < b.number ||
                                (a.number == b.number && a.location.topic < b.location.topic);
                     });
    const auto duplicate =
        std::unique(index.m_entries.begin(), index.m_entries.end(),
                    [](const Entry& a, const Entry& b) { return a.number == b.number; });
    index.m_entries.erase(duplicate, index.m_entries.end());
    return index;
}

std::optional<TableLocation> TableIndex::find(std::string_view number) const
{
    if (number.size() != 5)
        return std::nullopt;
    const std::uint64_t key = NumberKey(number);
    const auto at = std::lower_bound(
        m_entries.begin(), m_entries.end(), key,
        [](const Entry& entry, std::uint64_t wanted) { return entry.number < wanted; });
    if (at == m_entries.end() || at->number != key)
        return std::nullopt;
    return at->location;
}

} // namespace zelt
