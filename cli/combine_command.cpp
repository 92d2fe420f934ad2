#include "cli/combine_command.h"

#include "base/file_error_message.h"
#include "base/file_io.h"
#include "cli/escaped_cell.h"
#include "cli/open_list.h"
#include "tools/section_combiner.h"

#include <optional>
#include <string>

namespace zelt::cli {

namespace {

namespace fs = std::filesystem;

constexpr char Usage[] = "usage: zelt combine [--delete] DIR [PORTS|INTERRUP...]\n";

int UsageError(Streams streams)
{
    std::fputs(Usage, streams.err);
    return ExitUsage;
}

void Complain(Streams streams, const std::string& text)
{
    std::fprintf(streams.err, "zelt: %s\n", EscapedName(text).c_str());
}

std::string CombinedLine(const SectionsCombined& result)
{
    std::string line = PathToUtf8(result.target) + ": ";
    AppendNumber(line, static_cast<long long>(result.sectionCount));
    line += result.sectionCount == 1 ? " section, " : " sections, ";
    AppendNumber(line, static_cast<long long>(result.byteCount));
    line += " bytes\n";
    return line;
}

} // namespace

int RunCombine(std::span<const std::string_view> args, Streams streams)
{
    CombineChoice choice;
    std::optional<std::string_view> folderName;
    bool baseNamed = false;
    for (const std::string_view arg : args) {
        if (arg == "--delete") {
            choice.deleteSections = true;
        } else if (arg.starts_with("--")) {
            return UsageError(streams);
        } else if (!folderName) {
            folderName = arg;
        } else if (const SectionedList* list = FindSectionedList(arg)) {
            Choose(choice, *list);
            baseNamed = true;
        } else {
            Complain(streams, "unknown list '" + std::string(arg) + "' (PORTS or INTERRUP)");
            return ExitUsage;
        }
    }
    if (!folderName)
        return UsageError(streams);

    const fs::path folder = PathFromBytes(*folderName);
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        Complain(streams, "no folder '" + std::string(*folderName) + "'");
        return ExitFailure;
    }
    // Named lists must all have sections; of the default both, those that have.
    bool anySections = false;
    for (const SectionedList& list : SectionedLists) {
        const bool present = FirstSectionExists(folder, list);
        if (!baseNamed)
            Choose(choice, list);
        else if (IsChosen(choice, list) && !present) {
            Complain(streams, "no section " + std::string(list.baseName) + ".A in '" +
                                  std::string(*folderName) + "'");
            return ExitFailure;
        }
        anySections = anySections || (present && IsChosen(choice, list));
    }
    if (!anySections) {
        Complain(streams,
                 "no sections in '" + std::string(*folderName) + "' (PORTS.A or INTERRUP.A)");
        return ExitFailure;
    }

    const CombineRun run = CombineChosenLists(folder, choice);
    std::string lines;
    bool allDeleted = true;
    for (const SectionsCombined& result : run.combined) {
        lines += CombinedLine(result);
        for (const fs::path& section : result.undeleted) {
            Complain(streams, "cannot delete '" + PathToUtf8(section) + "'");
            allDeleted = false;
        }
    }
    const bool written = WriteOutput(lines, streams);
    if (run.failed) {
        const FileError& failure = *run.failed->error;
        Complain(streams, FileErrorMessage(failure) +
                              (failure.code ? " (" + failure.code.message() + ")" : ""));
        return ExitFailure;
    }
    return written && allDeleted ? ExitSuccess : ExitFailure;
}

} // namespace zelt::cli
