#include "base/ascii_text.h"
#include "search/reference_resolver.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace zelt {

namespace {

bool IsBlank(char c) noexcept
{
    return c == ' ' || c == '\t';
}

bool IsHexDigit(char c) noexcept
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// An upper-cased hexadecimal value with or without its "H", as the lists
// write it: padded with zeros to `width` digits, without the "H". Nothing
// for anything else or more digits than the width.
std::optional<std::string> HexValue(std::string_view value, std::size_t width)
{
    if (value.ends_with('H'))
        value.remove_suffix(1);
    if (value.empty() || value.size() > width)
        return std::nullopt;
    for (const char c : value) {
        if (!IsHexDigit(c))
            return std::nullopt;
    }
    return std::string(width - value.size(), '0') + std::string(value);
}

// Blanks around "=", ":" and "-" dropped; blanks, "/" and "," separate the rest.
std::vector<std::string_view> Parts(std::string& text)
{
    std::string joined;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsBlank(c)) {
            const std::size_t next = text.find_first_not_of(" \t", i);
            const bool beforeJoin =
                next != std::string::npos &&
                std::string_view("=:-").find(text[next]) != std::string_view::npos;
            const bool afterJoin = !joined.empty() && std::string_view("=:-").find(joined.back()) !=
                                                          std::string_view::npos;
            if (!beforeJoin && !afterJoin)
                joined += ' ';
            i = (next == std::string::npos ? text.size() : next) - 1;
            continue;
        }
        joined += c == '/' || c == ',' ? ' ' : c;
    }
    text = std::move(joined);
    std::vector<std::string_view> parts;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        rest.remove_prefix(start);
        const std::size_t end = rest.find(' ');
        parts.push_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    }
    return parts;
}

// "AH=4C" as "AH=4Ch": the value padded to the register's width.
std::optional<std::string> RegisterPart(std::string_view part)
{
    const std::size_t equals = part.find('=');
    if (equals != 2)
        return std::nullopt;
    const std::string_view name = part.substr(0, 2);
    const std::size_t width = name[1] == 'H' || name[1] == 'L' ? 2 : 4;
    const auto value = HexValue(part.substr(3), width);
    if (!value)
        return std::nullopt;
    return std::string(name) + "=" + *value + "h";
}

std::optional<std::string> Registers(std::span<const std::string_view> parts, std::string start)
{
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto part = RegisterPart(parts[i]);
        if (!part)
            return std::nullopt;
        if (!start.empty())
            start += '/';
        start += *part;
    }
    return start;
}

// A pair of values joined by `separator` ("0040:0017", "03F0-03F7"), each
// padded to `width`; the second is optional when `pairOptional`.
std::optional<std::string> ValuePair(std::string_view text, char separator, std::size_t width,
                                     bool pairOptional, std::string_view between)
{
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) {
        if (!pairOptional)
            return std::nullopt;
        const auto value = HexValue(text, width);
        return value ? std::optional(*value + "h") : std::nullopt;
    }
    const auto first = HexValue(text.substr(0, at), width);
    const auto second = HexValue(text.substr(at + 1), width);
    if (!first || !second)
        return std::nullopt;
    return *first + "h" + std::string(between) + *second + "h";
}

std::optional<std::string> Normalised(std::string upper)
{
    struct Keyword {
        std::string_view name;
        std::string_view written;
    };
    if (upper.starts_with("TABLE")) {
        upper.erase(0, 5);
        const std::vector<std::string_view> parts = Parts(upper);
        if (parts.size() != 1 || parts[0].size() != 5)
            return std::nullopt;
        return "#" + std::string(parts[0]);
    }
    if (upper.starts_with('#'))
        return upper;
    if (upper.starts_with("OPCODE")) {
        upper.erase(0, 6);
        const std::vector<std::string_view> parts = Parts(upper);
        if (parts.size() != 1)
            return std::nullopt;
        std::string_view word = parts[0];
        if (word.size() >= 2 && word.starts_with('"') && word.ends_with('"'))
            word = word.substr(1, word.size() - 2);
        return "OPCODE \"" + std::string(word) + "\"";
    }
    if (upper.starts_with('@')) {
        upper.erase(0, 1);
        const std::vector<std::string_view> parts = Parts(upper);
        if (parts.size() != 1)
            return std::nullopt;
        const auto address = ValuePair(parts[0], ':', 4, false, ":");
        return address ? std::optional("@" + *address) : std::nullopt;
    }
    static constexpr std::array<std::string_view, 6> Keywords{"INT",  "PORT", "MEM",
                                                              "CMOS", "MSR",  "I2C"};
    for (const std::string_view keyword : Keywords) {
        if (!upper.starts_with(keyword))
            continue;
        upper.erase(0, keyword.size());
        const std::vector<std::string_view> parts = Parts(upper);
        if (parts.empty())
            return std::nullopt;
        const std::string start = std::string(keyword) + " ";
        if (keyword == "INT") {
            const auto number = HexValue(parts[0], 2);
            if (!number)
                return std::nullopt;
            return Registers(std::span(parts).subspan(1), start + *number);
        }
        if (keyword == "I2C") {
            std::string written = start;
            for (std::size_t i = 0; i < parts.size(); ++i) {
                const auto value = HexValue(parts[i], 2);
                if (!value || i >= 3)
                    return std::nullopt;
                written += (i > 0 ? "/" : "") + *value + "h";
            }
            return written;
        }
        if (parts.size() != 1)
            return std::nullopt;
        std::optional<std::string> value;
        if (keyword == "PORT")
            value = ValuePair(parts[0], '-', 4, true, "-");
        else if (keyword == "MEM")
            value = parts[0].find(':') != std::string_view::npos
                        ? ValuePair(parts[0], ':', 4, false, ":")
                        : ValuePair(parts[0], ':', 8, true, "");
        else if (keyword == "CMOS")
            value = ValuePair(parts[0], ':', 2, true, "");
        else
            value = ValuePair(parts[0], ':', 8, true, "");
        return value ? std::optional(start + *value) : std::nullopt;
    }
    // A function of the interrupt read in: AH=4Ch, AX=4B00h/BX=0001h.
    const std::vector<std::string_view> parts = Parts(upper);
    if (parts.empty() || parts[0].find('=') != 2)
        return std::nullopt;
    return Registers(parts, {});
}

} // namespace

std::string NormaliseTypedReference(std::string_view typed)
{
    std::string_view text = TrimControlAndBlank(typed);
    // A title fragment in double quotes stays as typed, right after the reference.
    std::string_view fragment;
    const std::size_t quote = text.find('"');
    if (quote != std::string_view::npos && !StartsWithIgnoringCase(text, "OPCODE")) {
        fragment = text.substr(quote);
        text = TrimControlAndBlank(text.substr(0, quote));
    }
    const std::optional<std::string> normal = Normalised(UpperAscii(text));
    if (!normal)
        return std::string(TrimControlAndBlank(typed));
    return *normal + std::string(fragment);
}

} // namespace zelt
