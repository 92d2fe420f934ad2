// zelt grep against grep over a list the size of the real interrupt list, each
// as a whole process writing to a file (grep skips the work when its output is
// /dev/null). Both run in turn in every iteration; "ratio" is zelt's time over
// grep's.
// Run from a Release build: build/release/bench/bench_grep
#include "samples/generator/list_generator.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// 8,800 topics, 5.7 MB, in a folder of its own that is removed at exit.
class GeneratedList {
public:
    GeneratedList()
    {
        fs::create_directories(m_dir);
        zelt::samples::GeneratorOptions options;
        options.topicCount = 8800;
        options.averageTopicBytes = 650;
        if (!zelt::samples::WriteGeneratedList(m_path.string(), options))
            throw std::runtime_error("cannot write " + m_path.string());
    }
    ~GeneratedList()
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }
    GeneratedList(const GeneratedList&) = delete;
    GeneratedList& operator=(const GeneratedList&) = delete;

    std::string path() const { return m_path.string(); }
    std::string output() const { return (m_dir / "OUTPUT").string(); }

private:
    fs::path m_dir = fs::temp_directory_path() / "zelt-bench-grep";
    fs::path m_path = m_dir / "INTERRUP.LST";
};

const GeneratedList& List()
{
    static const GeneratedList list;
    return list;
}

// Runs a program to its end with its output going to a file; the time it took.
std::chrono::duration<double> Run(std::vector<std::string> words, const std::string& output,
                                  char** environment)
{
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    const auto begin = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = 0;
    const bool ran =
        posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environment) == 0 &&
        waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) <= 1;
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!ran)
        throw std::runtime_error(words[0] + " failed");
    return end - begin;
}

// zelt grep WORD LIST against LC_ALL=C grep -n -i -F WORD LIST: a word on
// 13,500 lines, and one on a single line.
void BM_ZeltGrepAgainstGrep(benchmark::State& state)
{
    const std::string list = List().path();
    const std::string output = List().output();
    const std::string word = state.range(0) == 0 ? "memory" : "vantrel";
    std::string cLocale = "LC_ALL=C";
    char* grepEnvironment[] = {cLocale.data(), nullptr};
    // The first run writes the index file that the others read, as in use.
    Run({ZELT_PROGRAM, "grep", word, list}, output, environ);
    std::chrono::duration<double> zelt{0};
    std::chrono::duration<double> grep{0};
    for (auto _ : state) {
        zelt += Run({ZELT_PROGRAM, "grep", word, list}, output, environ);
        grep += Run({"grep", "-n", "-i", "-F", word, list}, output, grepEnvironment);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["zelt_ms"] = 1000 * zelt.count() / iterations;
    state.counters["grep_ms"] = 1000 * grep.count() / iterations;
    state.counters["ratio"] = zelt.count() / grep.count();
}

} // namespace

BENCHMARK(BM_ZeltGrepAgainstGrep)
    ->ArgName("rare")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0)
    ->UseRealTime();
