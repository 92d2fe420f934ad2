#include "browse/see_also.h"

#include "base/ascii_text.h"
#include "browse/view_lines.h"

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
    const std::vector<LineRange> lines = SplitViewLines(shown);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view text = shown.substr(lines[i].begin, lines[i].length);
        const auto colon = LabelColon(text);
        if (!colon || !IsSeeAlsoLabel(text.substr(0, *colon)))
            continue;
        for (const SeeAlsoReference& reference : CollectSeeAlsoReferences(text, *colon, kind))
            references.push_back(reference);
    }
    return references;
}

} // namespace zelt
