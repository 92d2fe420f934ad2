#include "tools/formatter_batch.h"

#include "base/ascii_text.h"
#include "base/folder_lookup.h"

#include <filesystem>

namespace zelt {

namespace {

constexpr std::array<std::string_view, FormatterOptionCount> OptionTexts{
    "Keep original divider lines (-k)",
    "Include Index: lines in formatted output (-x)",
    "Boldface headings (-b)",
    "Bold with control codes (-B)",
    "Print even/odd pages with different indents (-d)",
    "96 chars/line (-e)",
    "Add page headers (-H)",
    "Number pages (-p)",
    "IBM graphics characters (-I)",
    "Process multiple parts (-m)",
    "Make INTERVUE summary (-V)",
};

constexpr std::string_view LineEnd = "\r\n";

// A line break or end-of-file mark in the parameter would give the command
// processor lines of its own; it gets a blank instead.
std::string SingleLine(std::string_view text)
{
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n' || c == '\x1A')
            c = ' ';
    }
    return line;
}

} // namespace

std::span<const std::string_view, FormatterOptionCount> FormatterOptionTexts() noexcept
{
    return OptionTexts;
}

std::string_view FormatterSwitchOf(std::string_view optionText) noexcept
{
    if (optionText.size() < 3)
        return {};
    return optionText.substr(optionText.size() - 3, 2);
}

std::string FormatterBatchBytes(const FormatterRun& run)
{
    std::string switches;
    for (std::size_t i = 0; i < FormatterOptionCount; ++i) {
        if (run.options[i]) {
            switches += FormatterSwitchOf(OptionTexts[i]);
            switches += ' ';
        }
    }
    std::string bytes = "@ECHO OFF";
    bytes += LineEnd;
    bytes += "INTPRINT  ";
    bytes += switches;
    bytes += SingleLine(run.parameter);
    bytes += LineEnd;
    if (run.keepPrompt) {
        bytes += "ECHO -";
        bytes += LineEnd;
        bytes += "PAUSE";
        bytes += LineEnd;
    }
    bytes += "DEL ";
    bytes += FormatterBatchFileName;
    bytes += LineEnd;
    return bytes;
}

std::optional<FileError> WriteFormatterBatch(const std::filesystem::path& listsFolder,
                                             const FormatterRun& run, const FileSystem& files)
{
    return WriteFileAtomically(listsFolder / PathFromBytes(FormatterBatchFileName),
                               FormatterBatchBytes(run), files);
}

std::string FormatterParameterFor(std::string_view listFileName)
{
    return UpperAscii(FileNameOf(listFileName));
}

bool FormatterPresent(std::string_view listsFolder)
{
    if (listsFolder.empty())
        return false;
    return FindFileInFolder(PathFromBytes(listsFolder), FormatterProgramName).has_value();
}

} // namespace zelt
