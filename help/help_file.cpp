#include "help/help_file.h"

#include "base/file_io.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

namespace zelt {

namespace {

constexpr std::string_view TopicDirective = "@topic";
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

std::optional<int> ContextNumber(std::string_view text)
{
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value <= 0)
        return std::nullopt;
    return value;
}

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool IsBlank(std::string_view line)
{
    return Trimmed(line).empty();
}

// Splits at LF; a CR before it belongs to the line end.
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string JoinBody(const std::vector<std::string_view>& lines)
{
    auto first = std::find_if_not(lines.begin(), lines.end(), IsBlank);
    auto last = std::find_if_not(lines.rbegin(), lines.rend(), IsBlank).base();
    std::string body;
    for (auto line = first; line < last; ++line) {
        body += *line;
        body += '\n';
    }
    return body;
}

class Parser {
public:
    HelpParse run(std::string_view text)
    {
        if (text.size() > HelpFileSizeLimit)
            return fail(LineAt(text, HelpFileSizeLimit),
                        "the file is longer than " + std::to_string(HelpFileSizeLimit) + " bytes");
        if (text.starts_with(Utf8Bom))
            text.remove_prefix(Utf8Bom.size());
        const std::vector<std::string_view> lines = Lines(text);
        if (lines.empty() || Trimmed(lines.front()) != HelpFileSignature)
            return fail(1, "the first line is not \"" + std::string(HelpFileSignature) + "\"");
        for (std::size_t i = 1; i < lines.size(); ++i) {
            if (!take(lines[i], static_cast<int>(i) + 1))
                return HelpParse{std::nullopt, m_error};
        }
        if (!finishTopic())
            return HelpParse{std::nullopt, m_error};
        if (m_topics.empty())
            return fail(static_cast<int>(lines.size()), "the file holds no topic");
        return HelpParse{HelpFile(std::move(m_topics)), {}};
    }

private:
    // The line that holds the byte at an offset.
    static int LineAt(std::string_view text, std::size_t offset)
    {
        const auto before = text.substr(0, offset);
        return static_cast<int>(std::count(before.begin(), before.end(), '\n')) + 1;
    }

    bool take(std::string_view line, int number)
    {
        if (line.size() > HelpLineLengthLimit)
            return failed(number, "the line is longer than " + std::to_string(HelpLineLengthLimit) +
                                      " bytes");
        if (line.starts_with(';'))
            return true;
        if (line.starts_with('@'))
            return directive(line, number);
        if (m_topics.empty() && !m_inTopic) {
            if (IsBlank(line))
                return true;
            return failed(number, "text stands before the first topic");
        }
        m_body.push_back(line);
        return true;
    }

    bool directive(std::string_view line, int number)
    {
        const auto nameEnd = line.find_first_of(" \t");
        if (line.substr(0, nameEnd) != TopicDirective)
            return failed(number, "unknown directive \"" + std::string(line.substr(0, nameEnd)) +
                                      "\" (write \\@ for a line that starts with @)");
        std::string_view rest =
            nameEnd == std::string_view::npos ? std::string_view{} : Trimmed(line.substr(nameEnd));
        const auto numberEnd = rest.find_first_of(" \t");
        const auto context = ContextNumber(rest.substr(0, numberEnd));
        if (!context)
            return failed(number, "a topic needs a context number from 1 to 2147483647");
        const std::string_view title = numberEnd == std::string_view::npos
                                           ? std::string_view{}
                                           : Trimmed(rest.substr(numberEnd));
        if (title.empty())
            return failed(number, "topic " + std::to_string(*context) + " has no title");
        if (!m_contexts.insert(*context).second)
            return failed(number, "topic " + std::to_string(*context) + " is defined twice");
        if (!finishTopic())
            return false;
        m_inTopic = true;
        m_topicLine = number;
        m_current = HelpTopic{*context, std::string(title), {}};
        return true;
    }

    bool finishTopic()
    {
        if (!m_inTopic)
            return true;
        m_current.body = JoinBody(m_body);
        if (m_current.body.size() > HelpTopicSizeLimit)
            return failed(m_topicLine, "topic " + std::to_string(m_current.context) +
                                           " is longer than " + std::to_string(HelpTopicSizeLimit) +
                                           " bytes");
        m_topics.push_back(std::move(m_current));
        m_body.clear();
        m_inTopic = false;
        return true;
    }

    bool failed(int line, std::string reason)
    {
        m_error = HelpSyntaxError{line, std::move(reason)};
        return false;
    }

    static HelpParse fail(int line, std::string reason)
    {
        return HelpParse{std::nullopt, HelpSyntaxError{line, std::move(reason)}};
    }

    std::vector<HelpTopic> m_topics;
    std::set<int> m_contexts;
    HelpTopic m_current;
    std::vector<std::string_view> m_body;
    bool m_inTopic = false;
    int m_topicLine = 0;
    HelpSyntaxError m_error;
};

// Enough of the file to tell that it is too long, never more.
std::optional<std::string> ReadAtMost(const std::filesystem::path& path, std::size_t limit)
{
    const FileHandle file = OpenSharedRead(path);
    if (!file)
        return std::nullopt;
    std::string bytes(limit, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

} // namespace

HelpFile::HelpFile(std::vector<HelpTopic> topics)
    : m_topics(std::move(topics))
{}

const HelpTopic* HelpFile::find(int context) const
{
    const auto found = std::find_if(m_topics.begin(), m_topics.end(),
                                    [context](const HelpTopic& t) { return t.context == context; });
    return found == m_topics.end() ? nullptr : &*found;
}

HelpParse ParseHelpFile(std::string_view text)
{
    return Parser().run(text);
}

HelpLoad LoadHelpFile(const std::filesystem::path& path)
{
    HelpLoad load;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        load.problem = std::filesystem::exists(path, error) ? HelpLoad::Problem::Unreadable
                                                            : HelpLoad::Problem::Missing;
        return load;
    }
    const auto bytes = ReadAtMost(path, HelpFileSizeLimit + 1);
    if (!bytes) {
        load.problem = HelpLoad::Problem::Unreadable;
        return load;
    }
    HelpParse parse = ParseHelpFile(*bytes);
    if (!parse.file) {
        load.problem = HelpLoad::Problem::Malformed;
        load.error = std::move(parse.error);
        return load;
    }
    load.file = std::move(parse.file);
    return load;
}

std::string HelpProblemText(const HelpLoad& load, std::string_view path)
{
    const std::string file = "The help file " + std::string(path);
    switch (load.problem) {
    case HelpLoad::Problem::None:
        break;
    case HelpLoad::Problem::Missing:
        return file + " is missing.";
    case HelpLoad::Problem::Unreadable:
        return file + " cannot be read.";
    case HelpLoad::Problem::Malformed:
        return file + " is damaged: line " + std::to_string(load.error.line) + ": " +
               load.error.reason + ".";
    }
    return {};
}

std::string MissingTopicText(int context, std::string_view path)
{
    return "The help file " + std::string(path) + " has no topic " + std::to_string(context) + ".";
}

std::optional<int> TopicLinkTarget(std::string_view href)
{
    if (href.starts_with('#'))
        href.remove_prefix(1);
    return ContextNumber(href);
}

} // namespace zelt
