#include "cli/categories_command.h"

#include "browse/category_box.h"
#include "browse/category_descriptions.h"
#include "cli/escaped_cell.h"
#include "cli/open_list.h"
#include "list/file_entry.h"

#include <optional>

namespace zelt::cli {

namespace {

constexpr char Usage[] = "usage: zelt categories [--catdesc FILE] LIST\n";

int UsageError(Streams streams)
{
    std::fputs(Usage, streams.err);
    return ExitUsage;
}

} // namespace

int RunCategories(std::span<const std::string_view> args, Streams streams)
{
    std::optional<std::string_view> listName;
    std::optional<std::string_view> descriptionFile;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--catdesc" && i + 1 < args.size() && !descriptionFile)
            descriptionFile = args[++i];
        else if (!args[i].starts_with("--") && !listName)
            listName = args[i];
        else
            return UsageError(streams);
    }
    if (!listName)
        return UsageError(streams);

    CategoryDescriptions descriptions = CategoryDescriptions::BuiltIn();
    if (descriptionFile) {
        auto fromFile = CategoryDescriptions::FromFile(PathFromBytes(*descriptionFile));
        if (!fromFile) {
            std::fprintf(streams.err, "zelt: cannot read the category descriptions '%s'\n",
                         EscapedName(*descriptionFile).c_str());
            return ExitFailure;
        }
        descriptions = std::move(*fromFile);
    }

    LoadedList list;
    if (!OpenListForCli(list, *listName, streams))
        return ExitFailure;

    std::string lines;
    for (const std::string& entry :
         BuildCategoryBoxEntries(list.categoriesPresent(), descriptions)) {
        AppendEscapedCell(lines, std::string_view(entry).substr(0, 1));
        lines += '\t';
        AppendEscapedCell(lines, std::string_view(entry).substr(1));
        lines += '\n';
    }
    return WriteOutput(lines, streams) ? ExitSuccess : ExitFailure;
}

} // namespace zelt::cli
