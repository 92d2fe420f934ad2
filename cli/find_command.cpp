#include "cli/find_command.h"

#include "base/code_page_437.h"
#include "browse/show_category.h"
#include "cli/escaped_cell.h"
#include "cli/open_list.h"
#include "search/find_walk.h"

#include <charconv>
#include <optional>
#include <vector>

namespace zelt::cli {

namespace {

constexpr char Usage[] = "usage: zelt find [--case] [--words] [--category C] LIST TEXT\n";
constexpr int ExitNoHit = 1;
constexpr int ExitTrouble = 2;

// One character of the code page, or its decimal code.
std::optional<CategoryChar> ParseCategory(std::string_view text)
{
    if (const auto bytes = Utf8ToCp437Exact(text); bytes && bytes->size() == 1)
        return static_cast<CategoryChar>((*bytes)[0]);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > 255)
        return std::nullopt;
    return static_cast<CategoryChar>(value);
}

struct FindArguments {
    SearchOptions options;
    std::optional<CategoryChar> category;
    std::vector<std::string_view> positional;
};

int Fail(Streams streams, const std::string& text)
{
    std::fprintf(streams.err, "zelt: %s\n%s", EscapedName(text).c_str(), Usage);
    return ExitTrouble;
}

// The arguments, or the exit status of a usage error already reported.
std::optional<FindArguments> Parse(std::span<const std::string_view> args, Streams streams,
                                   int& status)
{
    FindArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            parsed.positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--case") {
            parsed.options.matchCase = true;
        } else if (arg == "--words") {
            parsed.options.wholeWords = true;
        } else if (arg == "--category" && i + 1 < args.size() && !parsed.category) {
            parsed.category = ParseCategory(args[++i]);
            if (!parsed.category) {
                status = Fail(streams, "'" + std::string(args[i]) +
                                           "' is no category: give one character or its code");
                return std::nullopt;
            }
        } else {
            status = Fail(streams, "unexpected argument '" + std::string(arg) + "'");
            return std::nullopt;
        }
    }
    if (parsed.positional.size() != 2) {
        std::fputs(Usage, streams.err);
        status = ExitTrouble;
        return std::nullopt;
    }
    return parsed;
}

} // namespace

int RunFind(std::span<const std::string_view> args, Streams streams)
{
    int status = ExitTrouble;
    const auto parsed = Parse(args, streams, status);
    if (!parsed)
        return status;
    const std::string_view listFileName = parsed->positional[0];
    const std::string_view typed = parsed->positional[1];
    const auto text = Utf8ToCp437Exact(typed);
    if (!text)
        return Fail(streams, "the search text '" + std::string(typed) +
                                 "' holds characters code page 437 does not have");
    if (text->empty())
        return Fail(streams, "the search text is empty");

    LoadedList list;
    if (!OpenListForCli(list, listFileName, streams))
        return ExitTrouble;
    const TopicTable& topics = list.topics();
    const SearchPattern pattern(*text, parsed->options);
    const std::vector<TopicNumber> hits =
        parsed->category
            ? WalkTopicLineHitsInRows(topics, RowsOfCategory(topics, *parsed->category), pattern)
            : WalkTopicLineHitsInAll(topics, pattern);

    std::string out;
    for (const TopicNumber n : hits) {
        AppendNumber(out, n);
        out += '\t';
        std::string line(topics.identifier(n));
        line += ' ';
        line += topics.title(n);
        AppendEscapedCell(out, line);
        out += '\n';
    }
    if (!WriteOutput(out, streams))
        return ExitTrouble;
    return hits.empty() ? ExitNoHit : ExitSuccess;
}

} // namespace zelt::cli
