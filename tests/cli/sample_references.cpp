#include "sample_references.h"

#include "base/ascii_text.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <variant>

namespace zelt::test {

namespace {

struct Target {
    std::string identifier;
    std::optional<std::string> titleWord;
};

// One list's notation: the pattern of a reference to its own topics and the
// identifier it names, in the scanner's form (inner padding read as blanks).
struct Notation {
    std::string_view listName;
    std::regex pattern;
    std::function<std::string(const std::smatch&)> identifier;
};

std::string Groups(const std::smatch& match, std::string_view prefix)
{
    std::string identifier(prefix);
    for (std::size_t i = 1; i < match.size(); ++i)
        identifier += match[i].str();
    return identifier;
}

const std::array<Notation, 12>& OwnListNotations()
{
    const auto prefixed = [](std::string_view prefix) {
        return [prefix](const std::smatch& m) { return Groups(m, prefix); };
    };
    static const std::array<Notation, 12> notations{{
        {"PORTS.LST", std::regex(R"(PORT ([0-9A-F]{4})h(?:-([0-9A-F]{4})h)?)"), prefixed("P")},
        {"MEMORY.LST", std::regex(R"(MEM (?:([0-9A-F]{4})h:([0-9A-F]{4})h|([0-9A-F]{8})h))"),
         prefixed("M")},
        {"CMOS.LST", std::regex(R"(CMOS ([0-9A-F]{2})h)"), prefixed("R")},
        {"FARCALL.LST", std::regex(R"(@([0-9A-F]{4})h:([0-9A-F]{4})h)"), prefixed("@")},
        {"MSR.LST", std::regex(R"(MSR ([0-9A-F]{8})h?)"), prefixed("S")},
        {"I2C.LST", std::regex(R"(I2C ([0-9A-F]{2})h/([0-9A-F]{2})h(?:/([0-9A-F]{2})h)?)"),
         [](const std::smatch& m) {
             return "I" + m[1].str() + m[2].str() + (m[3].matched ? "  SF" + m[3].str() : "");
         }},
        {"OPCODES.LST", std::regex(R"(OPCODE ([0-9A-F]+)h)"), prefixed("O")},
        {"SMM.LST", std::regex(R"(SMM ([0-9A-F]+)h)"), prefixed("SMM")},
        {"TABLES.LST", std::regex(R"(#(\d{5}))"), prefixed("T")},
        {"BIBLIO.LST", std::regex(R"(\[(B\d{4})\])"), prefixed("")},
        {"86BUGS.LST", std::regex(R"(BUG (\d{3}))"), prefixed("BUG")},
        {"GLOSSARY.LST", std::regex(R"(GLOSSARY (\w+))"),
         [](const std::smatch& m) { return "G" + UpperAscii(m[1].str()); }},
    }};
    return notations;
}

const Notation* OwnListNotation(std::string_view listName)
{
    for (const Notation& notation : OwnListNotations()) {
        if (notation.listName == listName)
            return &notation;
    }
    return nullptr;
}

// The identifier part of registers such as "AX=4B00h/BX=0021h" in the order
// of the interrupt list's dividers: AX, or AH then AL, or AL alone after two
// blanks; then the others by name. Nothing for a register outside that order.
std::optional<std::string> RegisterIdentifier(const std::string& registers)
{
    static const std::regex part(R"(([A-Z]{2})=([0-9A-F]+)h)");
    std::map<std::string, std::string, std::less<>> values;
    for (std::sregex_iterator it(registers.begin(), registers.end(), part), end; it != end; ++it)
        values[(*it)[1].str()] = (*it)[2].str();
    const auto take = [&values](std::string_view name, std::size_t width) {
        const auto found = values.find(name);
        std::string value = found->second;
        values.erase(found);
        return std::string(width > value.size() ? width - value.size() : 0, '0') + value;
    };
    std::string identifier;
    if (values.contains("AX")) {
        identifier += take("AX", 4);
    } else if (values.contains("AH")) {
        identifier += take("AH", 2);
        if (values.contains("AL"))
            identifier += take("AL", 2);
    } else if (values.contains("AL")) {
        identifier += "  " + take("AL", 2);
    }
    for (std::string_view name : {"AX", "AH", "AL", "BX", "BH", "BL", "CX", "CH", "CL", "DX", "DH",
                                  "DL", "SI", "DI", "BP", "SF"}) {
        if (values.contains(name)) {
            const bool halfRegister = name[1] == 'H' || name[1] == 'L';
            identifier += std::string(name) + take(name, halfRegister ? 2 : 4);
        }
    }
    if (!values.empty())
        return std::nullopt;
    return identifier;
}

std::optional<std::string> QuotedWord(const std::smatch& match, std::size_t group)
{
    return match[group].matched ? std::optional(match[group].str()) : std::nullopt;
}

// "INT 21/AH=4Bh", or within an interrupt's topics the short "AH=4Bh".
std::variant<Target, ReferenceOutcome> ReadInterruptReference(const std::string& reference,
                                                              std::string_view owner)
{
    static const std::regex table(R"(#\d{5})");
    static const std::regex otherList(R"((MEM|PORT|CMOS|MSR|I2C) .*|@.*|OPCODE ".*")");
    static const std::regex full(
        R"raw(INT ([0-9A-F]{2})((?:/[A-Z]{2}=[0-9A-F]+h)*)(?:"([^"]*)")?)raw");
    static const std::regex brief(
        R"raw(([A-Z]{2}=[0-9A-F]+h(?:/[A-Z]{2}=[0-9A-F]+h)*)(?:"([^"]*)")?)raw");
    static const std::regex interruptNumber(R"([0-9A-F]{2}.*)");
    std::smatch match;
    if (std::regex_match(reference, table))
        return ReferenceOutcome::Table;
    if (std::regex_match(reference, otherList))
        return ReferenceOutcome::Other;
    if (std::regex_match(reference, match, full)) {
        if (const auto registers = RegisterIdentifier(match[2].str()))
            return Target{match[1].str() + *registers, QuotedWord(match, 3)};
        return ReferenceOutcome::Unknown;
    }
    const std::string ownerText(owner);
    if (std::regex_match(reference, match, brief) && std::regex_match(ownerText, interruptNumber)) {
        if (const auto registers = RegisterIdentifier(match[1].str()))
            return Target{ownerText.substr(0, 2) + *registers, QuotedWord(match, 2)};
    }
    return ReferenceOutcome::Unknown;
}

std::variant<Target, ReferenceOutcome> ReadOwnListReference(const Notation& notation,
                                                            std::string reference)
{
    static const std::regex quoted(R"raw((.*)"([^"]*)")raw");
    std::optional<std::string> word;
    std::smatch match;
    if (std::regex_match(reference, match, quoted)) {
        word = match[2].str();
        reference = match[1].str();
    }
    if (std::regex_match(reference, match, notation.pattern))
        return Target{notation.identifier(match), word};
    return reference.starts_with('#') ? ReferenceOutcome::Table : ReferenceOutcome::Other;
}

ReferenceOutcome Resolve(const Target& target, const TopicTable& topics)
{
    const auto titleFits = [&](TopicNumber n) {
        return !target.titleWord ||
               UpperAscii(topics.title(n)).find(UpperAscii(*target.titleWord)) != std::string::npos;
    };
    bool exact = false;
    for (TopicNumber n = 1; n < topics.size(); ++n)
        exact = exact || topics.identifier(n) == target.identifier;
    for (TopicNumber n = 1; n < topics.size(); ++n) {
        const std::string_view identifier = topics.identifier(n);
        const bool candidate =
            exact ? identifier == target.identifier : identifier.starts_with(target.identifier);
        if (candidate && titleFits(n))
            return exact ? ReferenceOutcome::Exact : ReferenceOutcome::Prefix;
    }
    return ReferenceOutcome::Unresolved;
}

} // namespace

ReferenceOutcome FollowReference(std::string_view listName, std::string_view reference,
                                 const TopicTable& topics, TopicNumber owner)
{
    const Notation* notation = OwnListNotation(listName);
    const auto read = notation != nullptr ? ReadOwnListReference(*notation, std::string(reference))
                                          : ReadInterruptReference(std::string(reference),
                                                                   topics.identifier(owner));
    if (const auto* outcome = std::get_if<ReferenceOutcome>(&read))
        return *outcome;
    return Resolve(std::get<Target>(read), topics);
}

} // namespace zelt::test
