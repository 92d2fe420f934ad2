#pragma once

#include "cli/command.h"
#include "support/temp_dir.h"

#include <cstdio>
#include <string>
#include <vector>

namespace zelt::test {

struct CliRun {
    int exitCode = 0;
    std::string out;
    std::string err;
};

// Runs the companion in-process with its streams captured.
inline CliRun RunCli(std::vector<std::string_view> args)
{
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    CliRun run;
    run.exitCode = cli::RunZelt(args, {out, err});
    const auto drain = [](std::FILE* file) {
        std::string text;
        std::rewind(file);
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            text.append(buffer, got);
        std::fclose(file);
        return text;
    };
    run.out = drain(out);
    run.err = drain(err);
    return run;
}

} // namespace zelt::test
