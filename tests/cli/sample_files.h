#pragma once

#include "list/loaded_list.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace zelt::test {

inline const std::filesystem::path SamplesDir{ZELT_SAMPLES_DIR};

// samples/*.LST sorted by name; the section files are copies and not among them.
std::vector<std::filesystem::path> SampleLists();

// The lines of CR LF text without their line ends; text after the last line
// end is a line of its own.
std::vector<std::string_view> CrLfLines(std::string_view bytes);

// A list's topics as the viewer scans them, with no index file involved.
LoadedList LoadTopics(const std::filesystem::path& path);

// The lines of topic n of the list whose bytes are given.
std::vector<std::string_view> TopicLines(std::string_view bytes, const LoadedList& list,
                                         TopicNumber n);

} // namespace zelt::test
