#include "cli/save_command.h"

#include "browse/view_lines.h"
#include "cli/escaped_cell.h"
#include "cli/open_list.h"
#include "cli/topic_argument.h"
#include "list/open_list.h"
#include "output/save_topic.h"
#include "settings/window_layout.h"

#include <filesystem>

namespace zelt::cli {

namespace {

constexpr char Usage[] = "usage: zelt save LIST N FILE\n";
constexpr Rgb WindowsHighlight{0, 120, 215};

} // namespace

OutputStyle DefaultViewStyle()
{
    const WindowLayout design;
    return {design.CurrentTopicFontName, design.CurrentTopicFontSize, WindowsHighlight};
}

int RunSave(std::span<const std::string_view> args, Streams streams)
{
    if (args.size() != 3 || args[0].starts_with("--")) {
        std::fputs(Usage, streams.err);
        return ExitUsage;
    }
    const auto number = TopicNumberArgument(args[1], Usage, streams);
    if (!number)
        return ExitUsage;
    const std::string listFileName(args[0]);
    const std::string fileName(args[2]);
    LoadedList list;
    auto reader = OpenListForCli(list, listFileName, streams);
    if (!reader)
        return ExitFailure;
    const auto bytes = ReadTopicForCli(list, *reader, *number, listFileName, streams);
    if (!bytes)
        return ExitFailure;

    const std::string_view shown = ShownBytes(*bytes);
    FormatOptions options;
    options.listKind = list.files.listKind;
    options.parseDividers = list.files.parseDividers;
    const auto n = static_cast<TopicNumber>(*number);
    TopicDocument document =
        DocumentOfShownBytes(shown, FormatTopic(shown, list.topics().title(n), options).spans);
    if (const auto error =
            SaveTopic(fileName, document, DefaultViewStyle(), OpenListFiles(list.files, *reader))) {
        const std::string reason = error->code ? " (" + error->code.message() + ")" : "";
        std::fprintf(streams.err, "zelt: %s%s\n",
                     EscapedName(CannotCreateFileText(fileName)).c_str(), reason.c_str());
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace zelt::cli
