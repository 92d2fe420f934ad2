#include "search/reference_prefix.h"

#include "base/ascii_text.h"

#include <array>
#include <cstdint>

namespace zelt {

namespace {

// Positions are 1-based as in the notation's description: ref[a..b], shorter
// when the reference ends earlier and empty when it ends before a.
class Reference {
public:
    explicit Reference(std::string_view text)
        : m_text(text)
    {}

    std::size_t size() const noexcept { return m_text.size(); }
    std::string_view text() const noexcept { return m_text; }

    std::string_view at(std::size_t a, std::size_t b) const noexcept
    {
        if (a == 0 || b < a || a > m_text.size())
            return {};
        return m_text.substr(a - 1, b - a + 1);
    }

    char charAt(std::size_t a) const noexcept
    {
        return a >= 1 && a <= size() ? m_text[a - 1] : '\0';
    }

    // The first characters upper-cased (letters a to z only) equal `start`.
    bool startsWith(std::string_view start) const noexcept
    {
        return StartsWithIgnoringCase(m_text, start);
    }

    // 1-based position of the first occurrence, 0 for none; exact comparison.
    std::size_t find(std::string_view what) const noexcept
    {
        const std::size_t at = m_text.find(what);
        return at == std::string_view::npos ? 0 : at + 1;
    }

private:
    std::string_view m_text;
};

ReferencePrefix Unrecognised()
{
    return {};
}

ReferencePrefix Recognised(std::string prefix)
{
    return {true, std::move(prefix), {}};
}

ReferencePrefix PortPrefix(const Reference& ref)
{
    std::string prefix = "P";
    prefix += ref.at(6, 9);
    if (ref.size() >= 16 && ref.find("-") == 11)
        prefix += ref.at(12, 15);
    return Recognised(std::move(prefix));
}

ReferencePrefix MemoryPrefix(const Reference& ref)
{
    std::string prefix = "M";
    if (ref.find(":") == 10) {
        prefix += ref.at(5, 8);
        prefix += ref.at(11, 14);
    } else {
        prefix += ref.at(5, 12);
    }
    return Recognised(std::move(prefix));
}

ReferencePrefix MsrPrefix(const Reference& ref)
{
    const std::size_t h = ref.find("h");
    std::string value(h == 0 ? std::string_view() : ref.at(5, h - 1));
    if (value.size() == 7)
        value.insert(0, "0");
    return Recognised("S" + value);
}

ReferencePrefix I2cPrefix(const Reference& ref)
{
    std::string prefix = "I";
    prefix += ref.at(5, 6);
    if (ref.size() >= 11 && ref.charAt(8) == '/')
        prefix += ref.at(9, 10);
    if (ref.size() >= 15 && ref.charAt(12) == '/') {
        prefix += "  SF";
        prefix += ref.at(13, 14);
    }
    return Recognised(std::move(prefix));
}

// Where each two-character register name first stands before an "=": one
// pass over the reference instead of a search per name.
class RegisterPositions {
public:
    explicit RegisterPositions(std::string_view text)
    {
        for (std::size_t at = 2; at < text.size(); ++at) {
            if (text[at] != '=')
                continue;
            const std::size_t slot = Slot(text[at - 2], text[at - 1]);
            if (slot < m_first.size() && m_first[slot] == 0)
                m_first[slot] = at - 1; // 1-based position of the name
        }
    }

    // 1-based position of the first occurrence of name followed by "=", 0 for none.
    std::size_t find(std::string_view name) const noexcept
    {
        const std::size_t slot = Slot(name[0], name[1]);
        return slot < m_first.size() ? m_first[slot] : 0;
    }

private:
    // Register names are two upper-case letters.
    static std::size_t Slot(char first, char second) noexcept
    {
        if (first < 'A' || first > 'Z' || second < 'A' || second > 'Z')
            return SIZE_MAX;
        return static_cast<std::size_t>(first - 'A') * 26 + static_cast<std::size_t>(second - 'A');
    }

    std::array<std::size_t, 26 * 26> m_first{};
};

// Appends name and the `length` characters after its "=", when the reference
// holds the name followed by "="; false when it does not.
bool AppendRegister(std::string& prefix, const Reference& ref, const RegisterPositions& registers,
                    std::string_view name, std::size_t length)
{
    const std::size_t a = registers.find(name);
    if (a == 0)
        return false;
    prefix += name;
    prefix += ref.at(a + 3, a + 2 + length);
    return true;
}

ReferencePrefix InterruptPrefix(const Reference& ref, std::string_view shownIdentifier)
{
    std::string prefix;
    if (ref.startsWith("INT"))
        prefix += ref.at(5, 6);
    else if (ref.find("=") == 3)
        prefix += shownIdentifier.substr(0, 2);
    else
        return Unrecognised();

    const RegisterPositions registers(ref.text());
    if (const std::size_t ax = registers.find("AX")) {
        prefix += ref.at(ax + 3, ax + 6);
    } else if (const std::size_t ah = registers.find("AH")) {
        prefix += ref.at(ah + 3, ah + 4);
        prefix += "  ";
    } else {
        prefix += "  ";
        if (const std::size_t al = registers.find("AL"))
            prefix += ref.at(al + 3, al + 4);
        else
            prefix += "  ";
    }

    constexpr std::array<std::array<std::string_view, 3>, 3> Groups{{
        {"BX", "BH", "BL"},
        {"CX", "CH", "CL"},
        {"DX", "DH", "DL"},
    }};
    for (const auto& group : Groups) {
        if (!AppendRegister(prefix, ref, registers, group[0], 4) &&
            !AppendRegister(prefix, ref, registers, group[1], 2))
            AppendRegister(prefix, ref, registers, group[2], 2);
    }

    for (const std::string_view name : {"BP", "SI", "SF", "DI"}) {
        if (AppendRegister(prefix, ref, registers, name, 4)) {
            if (prefix.ends_with('h'))
                prefix.pop_back();
            break;
        }
    }
    return Recognised(std::move(prefix));
}

ReferencePrefix PrefixByKind(const Reference& ref, ListKind kind, std::string_view shownIdentifier)
{
    switch (kind) {
    case ListKind::Interrup:
        return InterruptPrefix(ref, shownIdentifier);
    case ListKind::Ports:
        return ref.startsWith("PORT ") ? PortPrefix(ref) : Unrecognised();
    case ListKind::Memory:
        return ref.startsWith("MEM ") ? MemoryPrefix(ref) : Unrecognised();
    case ListKind::Cmos:
        return ref.startsWith("CMOS ") ? Recognised("R" + std::string(ref.at(6, 7)))
                                       : Unrecognised();
    case ListKind::Farcall:
        return ref.startsWith("@")
                   ? Recognised(std::string(ref.at(1, 5)) + std::string(ref.at(8, 11)))
                   : Unrecognised();
    case ListKind::Msr:
        return ref.startsWith("MSR ") ? MsrPrefix(ref) : Unrecognised();
    case ListKind::I2c:
        return ref.startsWith("I2C ") ? I2cPrefix(ref) : Unrecognised();
    default:
        return Unrecognised();
    }
}

} // namespace

bool FollowsReferences(ListKind kind) noexcept
{
    return ToInt(kind) >= ToInt(ListKind::Interrup) && ToInt(kind) <= ToInt(ListKind::I2c);
}

std::string TitleFragment(std::string_view reference)
{
    const std::size_t quote = reference.find('"');
    if (quote == std::string_view::npos || quote + 1 >= reference.size())
        return {};
    return std::string(reference.substr(quote + 1, reference.size() - quote - 2));
}

ReferencePrefix BuildReferencePrefix(std::string_view reference, ListKind kind,
                                     std::string_view shownIdentifier)
{
    const Reference ref(reference);
    ReferencePrefix built = PrefixByKind(ref, kind, shownIdentifier);
    if (built.recognised)
        built.fragment = TitleFragment(reference);
    return built;
}

} // namespace zelt
