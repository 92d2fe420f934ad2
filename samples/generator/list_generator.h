#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zelt::samples {

struct GeneratorOptions {
    std::size_t topicCount = 10000;
    std::uint32_t seed = 1;
    std::size_t averageTopicBytes = 600;
    // Tables and table numbers as densely as the real interrupt list has them:
    // a table in about every other topic and "(see #nnnnn)" in half the
    // parameter and return lines. Off, the list is as it always was.
    bool realTableDensity = false;
};

// Builds a synthetic list laid out like samples/INTERRUP.LST: list information first, then
// exactly options.topicCount topics, every line ending in CR LF. The bytes depend only on the
// options, never on the platform or the standard library.
std::string GenerateList(const GeneratorOptions& options);

// Writes GenerateList(options) to path. Returns false if the file cannot be written completely.
bool WriteGeneratedList(const std::string& path, const GeneratorOptions& options);

} // namespace zelt::samples
