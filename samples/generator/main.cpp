// zelt-genlist: writes a large synthetic list for tests and benchmarks.

#include "samples/generator/list_generator.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "usage: zelt-genlist [--topics N] [--seed S] [--bytes-per-topic B] [--tables] OUTPUT\n"
    "  --topics N            number of topics after the list information (default 10000)\n"
    "  --seed S              seed of the generator, 0..4294967295 (default 1)\n"
    "  --bytes-per-topic B   average size of a topic in bytes, at least 1 (default 600)\n"
    "  --tables              tables and table numbers as densely as the real list has them\n";

int Usage(std::FILE* stream, int code)
{
    std::fwrite(kUsage.data(), 1, kUsage.size(), stream);
    return code;
}

template <typename T>
std::optional<T> ParseNumber(std::string_view text)
{
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

int main(int argc, char** argv)
{
    zelt::samples::GeneratorOptions options;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            return Usage(stdout, 0);
        }
        if (arg == "--tables") {
            options.realTableDensity = true;
            continue;
        }
        if (arg == "--topics" || arg == "--seed" || arg == "--bytes-per-topic") {
            if (i + 1 >= argc) {
                return Usage(stderr, 2);
            }
            const std::string_view value = argv[++i];
            if (arg == "--seed") {
                const auto seed = ParseNumber<std::uint32_t>(value);
                if (!seed) {
                    return Usage(stderr, 2);
                }
                options.seed = *seed;
                continue;
            }
            const auto number = ParseNumber<std::size_t>(value);
            if (!number || (arg == "--bytes-per-topic" && *number == 0)) {
                return Usage(stderr, 2);
            }
            (arg == "--topics" ? options.topicCount : options.averageTopicBytes) = *number;
            continue;
        }
        if (arg.empty() || arg.front() == '-' || !output.empty()) {
            return Usage(stderr, 2);
        }
        output = arg;
    }
    if (output.empty()) {
        return Usage(stderr, 2);
    }
    if (!zelt::samples::WriteGeneratedList(output, options)) {
        std::fprintf(stderr, "zelt-genlist: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
