#include "base/ascii_text.h"
#include "settings/reg_file_format.h"
#include "settings/utf16_text.h"

namespace zelt {

namespace {

constexpr std::string_view Header = "REGEDIT4";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::uint32_t ExpandTextType = 2;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view TrimEnd(std::string_view text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text)
{
    text = TrimEnd(text);
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

// Physical lines, ended by LF; a CR before it goes with the trailing blanks.
class LineSource {
public:
    explicit LineSource(std::string_view bytes)
        : m_rest(bytes)
    {}

    bool next(std::string_view& line)
    {
        if (m_done)
            return false;
        const auto end = m_rest.find('\n');
        line = TrimEnd(m_rest.substr(0, end));
        if (end == std::string_view::npos)
            m_done = true;
        else
            m_rest.remove_prefix(end + 1);
        return true;
    }

private:
    std::string_view m_rest;
    bool m_done = false;
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = LowerAscii(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

bool ParseHexNumber(std::string_view text, std::size_t maxDigits, std::uint32_t& value)
{
    if (text.empty() || text.size() > maxDigits)
        return false;
    value = 0;
    for (const char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return false;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return true;
}

bool ParseHexBytes(std::string_view text, std::vector<std::uint8_t>& bytes)
{
    if (Trim(text).empty())
        return true;
    for (;;) {
        const auto comma = text.find(',');
        std::uint32_t byte = 0;
        if (!ParseHexNumber(Trim(text.substr(0, comma)), 2, byte))
            return false;
        bytes.push_back(static_cast<std::uint8_t>(byte));
        if (comma == std::string_view::npos)
            return true;
        text.remove_prefix(comma + 1);
    }
}

// Reads a quoted text from the front of `text` and removes it there.
bool TakeQuoted(std::string_view& text, std::string& out)
{
    if (text.empty() || text.front() != '"')
        return false;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return true;
        }
        if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"'))
            ++i;
        out += text[i];
    }
    return false;
}

struct ParsedValue {
    std::string name;
    std::optional<StoredValue> value;
    bool erases = false;
};

bool ParseData(std::string_view data, ParsedValue& parsed)
{
    data = Trim(data);
    if (data == "-") {
        parsed.erases = true;
        return true;
    }
    if (!data.empty() && data.front() == '"') {
        std::string text;
        if (!TakeQuoted(data, text) || !Trim(data).empty())
            return false;
        parsed.value = Text{std::move(text)};
        return true;
    }
    if (StartsWithIgnoringCase(data, "dword:")) {
        std::uint32_t number = 0;
        if (!ParseHexNumber(data.substr(6), 8, number))
            return false;
        parsed.value = Dword{number};
        return true;
    }
    std::uint32_t type = 3;
    std::vector<std::uint8_t> bytes;
    if (StartsWithIgnoringCase(data, "hex:")) {
        data.remove_prefix(4);
    } else if (StartsWithIgnoringCase(data, "hex(")) {
        const auto close = data.find("):");
        if (close == std::string_view::npos || !ParseHexNumber(data.substr(4, close - 4), 8, type))
            return false;
        data.remove_prefix(close + 2);
    } else {
        return false;
    }
    if (!ParseHexBytes(data, bytes))
        return false;
    if (type == 3) {
        parsed.value = Binary{std::move(bytes)};
    } else if (type == ExpandTextType) {
        if (auto text = Utf16LeToUtf8(bytes))
            parsed.value = ExpandText{std::move(*text)};
    }
    return true;
}

bool ParseValueLine(std::string_view line, ParsedValue& parsed)
{
    if (!line.empty() && line.front() == '@')
        line.remove_prefix(1);
    else if (!TakeQuoted(line, parsed.name))
        return false;
    line = Trim(line);
    if (line.empty() || line.front() != '=')
        return false;
    return ParseData(line.substr(1), parsed);
}

} // namespace

std::optional<RegDocument> ParseRegFile(std::string_view bytes)
{
    RegDocument document;
    if (bytes.empty())
        return document;
    if (bytes.starts_with(ByteOrderMark))
        bytes.remove_prefix(ByteOrderMark.size());
    LineSource source(bytes);
    std::string_view line;
    if (!source.next(line) || Trim(line) != Header)
        return std::nullopt;

    RegKey* key = nullptr;
    bool inRemovedKey = false;
    while (source.next(line)) {
        const std::string_view text = Trim(line);
        if (text.empty())
            continue;
        if (text.front() == ';') {
            if (key)
                key->addComment(std::string(line));
            else if (!inRemovedKey)
                document.leadingComments.emplace_back(line);
            continue;
        }
        if (text.front() == '[') {
            if (text.size() < 3 || text.back() != ']')
                return std::nullopt;
            const std::string_view path = text.substr(1, text.size() - 2);
            inRemovedKey = path.front() == '-';
            if (inRemovedKey) {
                document.removeKeyTree(Trim(path.substr(1)));
                key = nullptr;
            } else {
                key = &document.keyFor(path);
            }
            continue;
        }

        std::vector<std::string> lines{std::string(line)};
        std::string joined(text);
        while (joined.ends_with('\\')) {
            joined.pop_back();
            if (!source.next(line))
                return std::nullopt;
            lines.emplace_back(line);
            joined += Trim(line);
        }
        ParsedValue parsed;
        if (!ParseValueLine(joined, parsed))
            return std::nullopt;
        if (inRemovedKey)
            continue; // regedit skips the values of a removed key too
        if (!key)
            return std::nullopt;
        if (parsed.erases)
            key->eraseValue(parsed.name);
        else
            key->putValue(parsed.name, std::move(parsed.value), std::move(lines));
    }
    return document;
}

} // namespace zelt
