#include "browse/topic_references.h"

#include "browse/see_also.h"
#include "browse/view_lines.h"

namespace zelt {

namespace {

bool IsDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

// A stand-in title for the overload without one: any non-empty text lets the
// see-also lines count.
constexpr std::string_view SomeTitle = "-";

} // namespace

std::string_view LeadingTableNumber(std::string_view text) noexcept
{
    constexpr std::size_t Length = 6; // "#" and five characters
    if (text.size() < Length || text[0] != '#')
        return {};
    const char first = text[1];
    if (!IsDigit(first) && !(first >= 'A' && first <= 'Z'))
        return {};
    for (std::size_t i = 2; i < Length; ++i) {
        if (!IsDigit(text[i]))
            return {};
    }
    if (text.size() > Length && IsDigit(text[Length]))
        return {};
    return text.substr(1, Length - 1);
}

std::vector<TextReference> TopicReferences(std::string_view text, ListKind kind)
{
    return TopicReferences(text, SomeTitle, kind);
}

std::vector<TextReference> TopicReferences(std::string_view text, std::string_view title,
                                           ListKind kind)
{
    std::vector<TextReference> references;
    const std::vector<LineRange> lines = SplitViewLines(text);
    const std::vector<SeeAlsoReference> seeAlso = TopicSeeAlsoReferences(text, title, kind);
    auto nextSeeAlso = seeAlso.begin();
    const auto add = [&](TextReference::Kind referenceKind, std::string_view reference) {
        const auto offset = static_cast<std::size_t>(reference.data() - text.data());
        references.push_back({referenceKind, PositionOfByteOffset(lines, offset), reference.size(),
                              std::string(reference)});
    };
    for (const LineRange& line : lines) {
        const std::size_t lineEnd = line.begin + line.byteLength;
        if (nextSeeAlso != seeAlso.end() &&
            static_cast<std::size_t>(nextSeeAlso->text.data() - text.data()) < lineEnd) {
            for (; nextSeeAlso != seeAlso.end() &&
                   static_cast<std::size_t>(nextSeeAlso->text.data() - text.data()) < lineEnd;
                 ++nextSeeAlso)
                add(TextReference::Kind::SeeAlso, nextSeeAlso->text);
            continue;
        }
        const std::string_view bytes = text.substr(line.begin, line.byteLength);
        for (std::size_t hash = bytes.find('#'); hash != std::string_view::npos;
             hash = bytes.find('#', hash + 1)) {
            // "##01234" or "x#01234" still names the table; a digit before it does not end one.
            const std::string_view number = LeadingTableNumber(bytes.substr(hash));
            if (!number.empty())
                add(TextReference::Kind::Table, bytes.substr(hash, number.size() + 1));
        }
    }
    return references;
}

} // namespace zelt
