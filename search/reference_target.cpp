#include "search/reference_target.h"

#include "base/ascii_text.h"
#include "browse/topic_references.h"

#include <array>
#include <utility>

namespace zelt {

namespace {

ListKind TableList(char letter) noexcept
{
    static constexpr std::array<std::pair<char, ListKind>, 7> Letters{{
        {'P', ListKind::Ports},
        {'M', ListKind::Memory},
        {'C', ListKind::Cmos},
        {'F', ListKind::Farcall},
        {'R', ListKind::Msr},
        {'I', ListKind::I2c},
        {'S', ListKind::Smm},
    }};
    if (letter >= '0' && letter <= '9')
        return ListKind::Interrup;
    for (const auto& [known, kind] : Letters) {
        if (letter == known)
            return kind;
    }
    return ListKind::None;
}

// OPCODE, blanks, then a word in double quotes: the word.
std::string_view OpcodeWord(std::string_view reference) noexcept
{
    constexpr std::string_view Keyword = "OPCODE";
    if (!StartsWithIgnoringCase(reference, Keyword))
        return {};
    std::string_view rest = reference.substr(Keyword.size());
    const std::size_t quote = rest.find_first_not_of(" \t");
    if (quote == 0 || quote == std::string_view::npos || rest[quote] != '"')
        return {};
    rest.remove_prefix(quote + 1);
    const std::size_t close = rest.find('"');
    if (close == 0 || close == std::string_view::npos ||
        rest.substr(0, close).find_first_of(" \t") != std::string_view::npos)
        return {};
    return rest.substr(0, close);
}

} // namespace

std::string_view ListFileName(ListKind kind) noexcept
{
    static constexpr std::array<std::string_view, 11> Names{
        "INTERRUP.LST", "PORTS.LST",   "MEMORY.LST", "CMOS.LST",   "FARCALL.LST", "MSR.LST",
        "I2C.LST",      "OPCODES.LST", "SMM.LST",    "TABLES.LST", "BIBLIO.LST",
    };
    const int index = ToInt(kind) - 1;
    return index >= 0 && index < static_cast<int>(Names.size())
               ? Names[static_cast<std::size_t>(index)]
               : std::string_view();
}

ReferenceTarget ReadReferenceTarget(std::string_view reference, ListKind readIn)
{
    using Form = ReferenceTarget::Form;
    if (const std::string_view number = LeadingTableNumber(reference); !number.empty()) {
        const ListKind list = TableList(number[0]);
        if (list == ListKind::None)
            return {};
        return {Form::Table, list, std::string(number)};
    }

    static constexpr std::array<std::pair<std::string_view, ListKind>, 7> Keywords{{
        {"INT", ListKind::Interrup},
        {"PORT ", ListKind::Ports},
        {"MEM ", ListKind::Memory},
        {"CMOS ", ListKind::Cmos},
        {"@", ListKind::Farcall},
        {"MSR ", ListKind::Msr},
        {"I2C ", ListKind::I2c},
    }};
    for (const auto& [keyword, kind] : Keywords) {
        if (StartsWithIgnoringCase(reference, keyword))
            return {Form::Keyword, kind, {}};
    }
    if (readIn == ListKind::Interrup && reference.find('=') == 2)
        return {Form::Keyword, ListKind::Interrup, {}};
    if (const std::string_view word = OpcodeWord(reference); !word.empty())
        return {Form::Opcode, ListKind::Opcodes, UpperAscii(word)};
    return {};
}

} // namespace zelt
