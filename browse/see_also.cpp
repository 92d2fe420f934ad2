#include "browse/see_also.h"

#include "base/ascii_text.h"

namespace zelt {

namespace {

// The label "SeeAlso", its colon and one blank.
constexpr std::size_t FirstReferenceColumn = 9;

bool IsBlankOrControl(char c) noexcept
{
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

bool IsLinkableReference(std::string_view reference, ListKind kind) noexcept
{
    if (reference.starts_with('#'))
        return false;
    const char first = reference.empty() ? '\0' : UpperAscii(reference[0]);
    const char second = reference.size() < 2 ? '\0' : UpperAscii(reference[1]);
    const auto startsWith = [&](char a, char b) { return first == a && second == b; };
    switch (kind) {
    case ListKind::Interrup:
        return startsWith('I', 'N') || first == 'A' || first == 'B' || first == 'C' ||
               first == 'D' || first == 'S';
    case ListKind::Ports:
        return startsWith('P', 'O');
    case ListKind::Memory:
        return startsWith('M', 'E');
    case ListKind::Cmos:
        return startsWith('C', 'M');
    case ListKind::Farcall:
        return first == '@';
    case ListKind::Msr:
        return startsWith('M', 'S');
    case ListKind::I2c:
        return startsWith('I', '2');
    case ListKind::Opcodes:
    case ListKind::Smm:
    case ListKind::Tables:
    case ListKind::Biblio:
        return true;
    case ListKind::None:
    case ListKind::Other:
        break;
    }
    return false;
}

std::optional<std::size_t> LabelColon(std::string_view line) noexcept
{
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos ||
        line.substr(0, colon).find_first_of(" \t") != std::string_view::npos)
        return std::nullopt;
    return colon;
}

bool IsSeeAlsoLabel(std::string_view label) noexcept
{
    return EqualsIgnoringCase(label, "SEEALSO");
}

std::vector<SeeAlsoReference> CollectSeeAlsoReferences(std::string_view line, std::size_t colon,
                                                       ListKind kind)
{
    std::vector<SeeAlsoReference> references;
    if (colon >= line.size())
        return references;
    std::string_view rest = line.substr(colon + 1);
    while (!rest.empty() && IsBlankOrControl(rest.front()))
        rest.remove_prefix(1);
    // A missing closing comma is taken as present: every reference ends in one.
    std::size_t column = FirstReferenceColumn;
    for (;;) {
        const std::size_t comma = rest.find(',');
        const std::string_view reference = rest.substr(0, comma);
        if (reference.empty())
            break;
        references.push_back({reference, column, IsLinkableReference(reference, kind)});
        if (comma == std::string_view::npos)
            break;
        column += comma + 1;
        rest.remove_prefix(comma + 1);
    }
    return references;
}

std::vector<SeeAlsoReference> TopicSeeAlsoReferences(std::string_view shown, std::string_view title,
                                                     ListKind kind)
{
    std::vector<SeeAlsoReference> references;
    if (title.empty())
        return references;
    // A see-also line has its first colon right after the seven letters of its
    // label at the line's start, so only colons need a look: far fewer than
    // lines, and found many bytes at a time.
    constexpr std::size_t LabelLength = 7;
    const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    for (std::size_t colon = shown.find(':', LabelLength); colon != std::string_view::npos;
         colon = shown.find(':', colon + 1)) {
        const std::size_t lineStart = colon - LabelLength;
        // Line 0, the title line, is never a see-also line.
        if (lineStart == 0 || !isBreak(shown[lineStart - 1]) ||
            !IsSeeAlsoLabel(shown.substr(lineStart, LabelLength)))
            continue;
        std::size_t lineEnd = colon;
        while (lineEnd < shown.size() && !isBreak(shown[lineEnd]))
            ++lineEnd;
        const std::string_view line = shown.substr(lineStart, lineEnd - lineStart);
        for (const SeeAlsoReference& reference : CollectSeeAlsoReferences(line, LabelLength, kind))
            references.push_back(reference);
        colon = lineEnd - 1;
    }
    return references;
}

} // namespace zelt
