// Opening generated lists: a scan of the list file and a read of its index file.
// Run from a Release build: build/release/bench/bench_list_store
#include "list/index_file.h"
#include "list/list_loader.h"
#include "samples/generator/list_generator.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <map>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

// Generated once per process; the folder is removed at exit.
class GeneratedLists {
public:
    ~GeneratedLists()
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    const std::string& list(std::size_t topics)
    {
        auto found = m_lists.find(topics);
        if (found != m_lists.end())
            return found->second;
        fs::create_directories(m_dir);
        const std::string name = (m_dir / ("GEN" + std::to_string(topics) + ".LST")).string();
        zelt::samples::GeneratorOptions options;
        options.topicCount = topics;
        if (!zelt::samples::WriteGeneratedList(name, options))
            throw std::runtime_error("cannot write " + name);
        return m_lists.emplace(topics, name).first->second;
    }

private:
    fs::path m_dir = fs::temp_directory_path() / "zelt-bench-lists";
    std::map<std::size_t, std::string> m_lists;
};

GeneratedLists& Lists()
{
    static GeneratedLists lists;
    return lists;
}

void Report(benchmark::State& state, const zelt::LoadedList& list, const std::string& readFile)
{
    state.counters["topics"] = static_cast<double>(list.topicCount());
    state.counters["overhead_bytes_per_topic"] =
        static_cast<double>(list.overheadBytes()) / list.topicCount();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fs::file_size(readFile)));
}

void BM_Scan(benchmark::State& state)
{
    const std::string& name = Lists().list(static_cast<std::size_t>(state.range(0)));
    zelt::LoadRequest request;
    request.listFileName = name;
    request.indexMode.loadTopicsDirect = true;
    zelt::LoadObserver quiet;
    zelt::LoadedList list;
    for (auto _ : state) {
        if (!zelt::LoadListTopics(list, request, quiet).loaded)
            state.SkipWithError("scan failed");
    }
    Report(state, list, name);
}

void BM_IndexRead(benchmark::State& state)
{
    const std::string& name = Lists().list(static_cast<std::size_t>(state.range(0)));
    zelt::LoadRequest request;
    request.listFileName = name;
    zelt::LoadObserver quiet;
    zelt::LoadedList list;
    zelt::LoadListTopics(list, request, quiet); // writes a current index file
    for (auto _ : state) {
        if (zelt::LoadListTopics(list, request, quiet).source != zelt::TopicSource::IndexFile)
            state.SkipWithError("index not read");
    }
    Report(state, list, zelt::IndexFileNameFor(name));
}

} // namespace

// About 6 MB with 10,000 topics, and a list of 100,000 topics.
BENCHMARK(BM_Scan)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_IndexRead)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(1.0);
