#include "cli/grep_command.h"

#include "base/code_page_437.h"
#include "base/file_io.h"
#include "cli/escaped_cell.h"
#include "cli/open_list.h"
#include "search/topic_text_search.h"

#include <optional>
#include <string>
#include <vector>

namespace zelt::cli {

namespace {

constexpr char Usage[] = "usage: zelt grep [--case] [--words] TEXT LIST...\n";
constexpr int ExitNoHit = 1;
constexpr int ExitTrouble = 2;

struct GrepArguments {
    SearchOptions options;
    std::vector<std::string_view> positional;
};

int Fail(Streams streams, const std::string& text)
{
    std::fprintf(streams.err, "zelt: %s\n%s", text.c_str(), Usage);
    return ExitTrouble;
}

std::optional<GrepArguments> Parse(std::span<const std::string_view> args, Streams streams)
{
    GrepArguments parsed;
    bool optionsEnded = false;
    for (const std::string_view arg : args) {
        if (optionsEnded || !arg.starts_with("--")) {
            parsed.positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--case") {
            parsed.options.matchCase = true;
        } else if (arg == "--words") {
            parsed.options.wholeWords = true;
        } else {
            Fail(streams, "unexpected argument '" + EscapedName(arg) + "'");
            return std::nullopt;
        }
    }
    if (parsed.positional.size() < 2) {
        std::fputs(Usage, streams.err);
        return std::nullopt;
    }
    return parsed;
}

enum class ListOutcome { Hits, NoHits, Trouble };

// The hit lines of one list, written in pieces as they come.
ListOutcome GrepList(std::string_view listFileName, const SearchPattern& pattern, Streams streams)
{
    LoadedList list;
    if (!OpenListForCli(list, listFileName, streams))
        return ListOutcome::Trouble;
    const TopicTable& topics = list.topics();
    // As given, with only control characters escaped, as in every name zelt prints.
    const std::string listCell = EscapedName(listFileName);
    std::string out;
    out.reserve(OutputPiece + 1024);
    bool found = false;
    bool written = true;
    const bool read = ForEachTopicTextHitInFile(
        PathFromBytes(listFileName), topics, pattern, [&](const TopicTextLine& hit) {
            found = true;
            out += listCell;
            out += '\t';
            AppendNumber(out, hit.topic);
            out += '\t';
            AppendNumber(out, hit.line);
            out += '\t';
            AppendNumber(out, hit.column);
            out += '\t';
            AppendEscapedCell(out, topics.identifier(hit.topic));
            out += '\t';
            AppendEscapedCell(out, hit.text);
            out += '\n';
            written = WriteWhenFull(out, streams);
            return written;
        });
    if (written && !WriteOutput(out, streams))
        written = false;
    if (!read)
        std::fprintf(streams.err, "zelt: cannot read %s\n", EscapedName(listFileName).c_str());
    if (!read || !written)
        return ListOutcome::Trouble;
    return found ? ListOutcome::Hits : ListOutcome::NoHits;
}

} // namespace

int RunGrep(std::span<const std::string_view> args, Streams streams)
{
    const auto parsed = Parse(args, streams);
    if (!parsed)
        return ExitTrouble;
    const std::string_view typed = parsed->positional[0];
    const auto text = Utf8ToCp437Exact(typed);
    if (!text)
        return Fail(streams, "the search text '" + EscapedName(typed) +
                                 "' holds characters code page 437 does not have");
    if (text->empty())
        return Fail(streams, "the search text is empty");

    const SearchPattern pattern(*text, parsed->options);
    bool found = false;
    bool trouble = false;
    for (const std::string_view listFileName : std::span(parsed->positional).subspan(1)) {
        switch (GrepList(listFileName, pattern, streams)) {
        case ListOutcome::Hits:
            found = true;
            break;
        case ListOutcome::NoHits:
            break;
        case ListOutcome::Trouble:
            trouble = true;
            break;
        }
    }
    if (trouble)
        return ExitTrouble;
    return found ? ExitSuccess : ExitNoHit;
}

} // namespace zelt::cli
