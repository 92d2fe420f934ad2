// Combining the 18 sections of a real-size interrupt list, against cat joining
// the same files into one. Run from a Release build: build/release/bench/bench_tools
#include "samples/generator/list_generator.h"
#include "tools/section_combiner.h"

#include <benchmark/benchmark.h>
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

constexpr int SectionCount = 18; // INTERRUP.A to INTERRUP.R
// About the size of a full interrupt list: 5.7 MB.
constexpr std::size_t ListTopics = 9550;

// The sections, cut at divider lines as the distribution cuts them, in a
// folder of their own that is removed at exit.
class GeneratedSections {
public:
    GeneratedSections()
    {
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        zelt::samples::GeneratorOptions options;
        options.topicCount = ListTopics;
        const std::string list = zelt::samples::GenerateList(options);
        m_bytes = list.size();
        std::size_t start = 0;
        for (int i = 0; i < SectionCount; ++i) {
            std::size_t end = list.size();
            if (i + 1 < SectionCount) {
                end = list.find("\r\n--------",
                                list.size() * static_cast<std::size_t>(i + 1) / SectionCount);
                end = end == std::string::npos ? list.size() : end + 2;
            }
            const fs::path section = m_dir / ("INTERRUP." + std::string(1, char('A' + i)));
            write(section, std::string_view(list).substr(start, end - start));
            m_sections.push_back(section.string());
            start = end;
        }
    }
    ~GeneratedSections()
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    const fs::path& folder() const { return m_dir; }
    const std::vector<std::string>& sections() const { return m_sections; }
    std::size_t bytes() const { return m_bytes; }

private:
    static void write(const fs::path& path, std::string_view bytes)
    {
        if (zelt::WriteFileAtomically(path, bytes))
            throw std::runtime_error("cannot write " + path.string());
    }

    fs::path m_dir = fs::temp_directory_path() / "zelt-bench-sections";
    std::vector<std::string> m_sections;
    std::size_t m_bytes = 0;
};

GeneratedSections& Sections()
{
    static GeneratedSections sections;
    return sections;
}

void Report(benchmark::State& state)
{
    state.counters["sections"] = SectionCount;
    state.counters["list_bytes"] = static_cast<double>(Sections().bytes());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Sections().bytes()));
}

void BM_CombineSections(benchmark::State& state)
{
    const fs::path folder = Sections().folder();
    for (auto _ : state) {
        const zelt::SectionsCombined result =
            zelt::CombineSections(folder, zelt::InterrupSections, false);
        if (result.error || result.sectionCount != SectionCount)
            state.SkipWithError("combining failed");
    }
    Report(state);
}

// cat INTERRUP.A ... INTERRUP.R > CAT.LST
void BM_CatSections(benchmark::State& state)
{
    const std::string output = (Sections().folder() / "CAT.LST").string();
    std::vector<std::string> words{"cat"};
    for (const std::string& section : Sections().sections())
        words.push_back(section);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        pid_t pid = 0;
        int status = 0;
        const bool ran = posix_spawnp(&pid, "cat", &actions, nullptr, argv.data(), environ) == 0 &&
                         waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
                         WEXITSTATUS(status) == 0;
        posix_spawn_file_actions_destroy(&actions);
        if (!ran)
            state.SkipWithError("cat failed");
    }
    Report(state);
}

} // namespace

BENCHMARK(BM_CombineSections)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_CatSections)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
