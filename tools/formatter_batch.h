#pragma once

#include "base/file_io.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zelt {

inline constexpr std::string_view FormatterProgramName = "INTPRINT.COM";
inline constexpr std::string_view FormatterBatchFileName = "ZELTViewer_Run_Intprint.bat";
inline constexpr std::size_t FormatterOptionCount = 11;

// The options of the formatter dialog in their order; each ends in its switch
// in parentheses: "Keep original divider lines (-k)".
std::span<const std::string_view, FormatterOptionCount> FormatterOptionTexts() noexcept;

// The two characters in front of the option text's last one: "-k".
std::string_view FormatterSwitchOf(std::string_view optionText) noexcept;

struct FormatterRun {
    std::array<bool, FormatterOptionCount> options{};
    // Appended to the formatter's command line as it stands, in code page 437.
    std::string parameter;
    // Keep the window open until a key is pressed.
    bool keepPrompt = true;
};

// The batch file's bytes: every line ends in CR LF, the last one too. The
// formatter's line holds the checked switches in list order, each followed by
// a blank, then the parameter; the file deletes itself at its end.
std::string FormatterBatchBytes(const FormatterRun& run);

// Writes the batch file into the lists folder, replacing any of that name
// whole; the error when the old file stays.
std::optional<FileError> WriteFormatterBatch(const std::filesystem::path& listsFolder,
                                             const FormatterRun& run,
                                             const FileSystem& files = RealFileSystem());

// What the dialog's parameter starts with: the list's file name without its
// folder, upper-cased; empty when no list is named.
std::string FormatterParameterFor(std::string_view listFileName);

// Whether the lists folder holds the formatter, in any letter case; never for
// an empty folder name.
bool FormatterPresent(std::string_view listsFolder);

} // namespace zelt
