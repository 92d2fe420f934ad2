// Browsing generated lists: narrowing the grid to a category, and reading and
// formatting the largest topic.
// Run from a Release build: build/release/bench/bench_browse
#include "bench/largest_topic.h"
#include "bench/scanned_list.h"
#include "browse/category_box.h"
#include "browse/show_category.h"
#include "browse/topic_format.h"
#include "browse/view_lines.h"
#include "list/list_loader.h"
#include "list/topic_reader.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

const zelt::LoadedList& HundredThousandTopics()
{
    static const zelt::bench::ScannedList list("browse", 100000, 200);
    return list.list();
}

const zelt::LoadedList& TenThousandTopics()
{
    static const zelt::bench::ScannedList list("browse", 10000, 600);
    return list.list();
}

void BM_RowsOfCategory(benchmark::State& state)
{
    const zelt::TopicTable& topics = HundredThousandTopics().topics();
    const auto category = static_cast<zelt::CategoryChar>(state.range(0));
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto rowMap = zelt::RowsOfCategory(topics, category);
        rows = rowMap.size();
        benchmark::DoNotOptimize(rowMap.data());
    }
    state.counters["topics"] = static_cast<double>(topics.size());
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_LoadLargestTopic(benchmark::State& state)
{
    const zelt::LoadedList& list = TenThousandTopics();
    const zelt::TopicTable& topics = list.topics();
    const zelt::TopicNumber n = zelt::bench::LargestTopic(topics);
    auto reader = zelt::TopicReader::Open(list.files.listFileName);
    if (!reader) {
        state.SkipWithError("cannot open the list");
        return;
    }
    zelt::FormatOptions options;
    options.listKind = zelt::ListKind::Interrup;
    std::size_t spans = 0;
    for (auto _ : state) {
        const auto bytes = reader->read(topics.start(n), topics.length(n));
        if (!bytes) {
            state.SkipWithError("read failed");
            break;
        }
        const zelt::TopicFormat format =
            zelt::FormatTopic(zelt::ShownBytes(*bytes), topics.title(n), options);
        spans = format.spans.size();
        benchmark::DoNotOptimize(format.spans.data());
    }
    state.counters["topic_bytes"] = topics.length(n);
    state.counters["spans"] = static_cast<double>(spans);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * topics.length(n));
}

// The whole 10,000-topic list formatted as one topic: the cost per byte of
// formatting, far beyond any real topic.
void BM_FormatWholeList(benchmark::State& state)
{
    const zelt::LoadedList& list = TenThousandTopics();
    auto reader = zelt::TopicReader::Open(list.files.listFileName);
    const auto size = static_cast<std::int32_t>(fs::file_size(list.files.listFileName));
    const auto bytes = reader ? reader->read(0, size) : std::nullopt;
    if (!bytes) {
        state.SkipWithError("cannot read the list");
        return;
    }
    zelt::FormatOptions options;
    options.listKind = zelt::ListKind::Interrup;
    std::size_t spans = 0;
    for (auto _ : state) {
        const zelt::TopicFormat format = zelt::FormatTopic(*bytes, "X", options);
        spans = format.spans.size();
        benchmark::DoNotOptimize(format.spans.data());
    }
    state.counters["spans"] = static_cast<double>(spans);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size);
}

} // namespace

// One category of about 2% of the topics, and all of them.
BENCHMARK(BM_RowsOfCategory)
    ->Arg('D')
    ->Arg(zelt::AllCategoriesCode)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(1.0);
BENCHMARK(BM_LoadLargestTopic)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_FormatWholeList)->Unit(benchmark::kMillisecond)->MinTime(1.0);
