#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace zelt::cli {

// Where a verb writes; tests pass temporary files.
struct Streams {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

constexpr int ExitSuccess = 0;
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

// Runs the companion with its arguments (without the program name).
int RunZelt(std::span<const std::string_view> args, Streams streams);

} // namespace zelt::cli
