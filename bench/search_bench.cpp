// Searching generated lists: the topic-line search of Find, the locate search
// that following a reference runs, resolving every reference of a list, zelt
// refs against a scan, and the search of every topic's text.
// Run from a Release build: build/release/bench/bench_search
#include "base/file_io.h"
#include "bench/scanned_list.h"
#include "browse/topic_references.h"
#include "browse/view_lines.h"
#include "cli/command.h"
#include "list/list_loader.h"
#include "list/topic_reader.h"
#include "search/locate_topic.h"
#include "search/reference_resolver.h"
#include "search/topic_line_search.h"
#include "search/topic_text_search.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

const zelt::LoadedList& HundredThousandTopics()
{
    static const zelt::bench::ScannedList list("search", 100000, 200);
    return list.list();
}

// About the size of the real interrupt list: 8,800 topics, 8 MB.
const zelt::LoadedList& InterruptListSize()
{
    static const zelt::bench::ScannedList list("search", 8800, 900);
    return list.list();
}

// The real interrupt list's size and density of references: 8,800 topics,
// 5.7 MB, a table in about every other topic, some 30,000 references of which
// about a third are table numbers.
const zelt::LoadedList& RealReferenceDensity()
{
    static const zelt::bench::ScannedList list("references", 8800, 650, true);
    return list.list();
}

void BM_TopicLineSearchWithoutHit(benchmark::State& state)
{
    const zelt::LoadedList& list = HundredThousandTopics();
    const zelt::SearchPattern pattern("QZXJ", {state.range(0) != 0, state.range(1) != 0});
    for (auto _ : state) {
        const auto hit = zelt::FindTopicLine(list, zelt::SearchScope::AllCategories, pattern, 0);
        if (hit)
            state.SkipWithError("unexpected hit");
        benchmark::DoNotOptimize(hit);
    }
    state.counters["topics"] = static_cast<double>(list.topicCount());
}

// Prefix and fragment of the last topic, a prefix no topic has, a fragment
// that every title is searched for, and a common prefix with such a fragment.
void BM_LocateTopic(benchmark::State& state)
{
    const zelt::TopicTable& topics = HundredThousandTopics().topics();
    const auto last = static_cast<zelt::TopicNumber>(topics.size() - 1);
    const std::string lastIdentifier(topics.identifier(last));
    const zelt::LocateQuery queries[] = {
        {lastIdentifier, ""},
        {"ZZ99", ""},
        {"", "QZXJ"},
        {lastIdentifier.substr(0, 1), "QZXJ"},
    };
    const zelt::LocateQuery& query = queries[state.range(0)];
    std::size_t found = 0;
    for (auto _ : state) {
        const auto topic = zelt::LocateTopic(topics, query);
        found = topic.value_or(0);
        benchmark::DoNotOptimize(topic);
    }
    state.counters["topics"] = static_cast<double>(topics.size());
    state.counters["found"] = static_cast<double>(found);
}

// The shown-topic search over the whole 8 MB list taken as one topic: the
// cost per byte of Search Again in a topic, far beyond any real topic.
void BM_SearchWholeListAsOneTopic(benchmark::State& state)
{
    const zelt::LoadedList& list = InterruptListSize();
    auto reader = zelt::TopicReader::Open(list.files.listFileName);
    const auto size = static_cast<std::int32_t>(fs::file_size(list.files.listFileName));
    const auto bytes = reader ? reader->read(0, size) : std::nullopt;
    if (!bytes) {
        state.SkipWithError("cannot read the list");
        return;
    }
    const std::string text = zelt::ViewBytes(*bytes);
    const zelt::SearchPattern pattern("QZXJ", {state.range(0) != 0, false});
    for (auto _ : state) {
        const auto hit = pattern.options().matchCase
                             ? zelt::FindForward(text, pattern, 0)
                             : zelt::FindForward(zelt::Haystack(text, pattern), pattern, 0);
        benchmark::DoNotOptimize(hit);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size);
}

// The size of the real interrupt list: 8,800 topics, 5.7 MB.
const zelt::LoadedList& TextSearchList()
{
    static const zelt::bench::ScannedList list("text", 8800, 650);
    return list.list();
}

// The search of every topic's text over the list's bytes, read once before:
// a word on 13,500 lines, and one on a single line.
void BM_SearchTopicTexts(benchmark::State& state)
{
    const zelt::LoadedList& list = TextSearchList();
    const auto bytes = zelt::ReadFileBytes(list.files.listFileName);
    if (!bytes) {
        state.SkipWithError("cannot read the list");
        return;
    }
    const bool matchCase = state.range(1) != 0;
    const std::string_view word = state.range(0) == 0 ? (matchCase ? "memory" : "MEMORY")
                                                      : (matchCase ? "Vantrel" : "VANTREL");
    const zelt::SearchPattern pattern(word, {matchCase, state.range(2) != 0});
    std::size_t lines = 0;
    for (auto _ : state) {
        const zelt::TopicTextResult result =
            zelt::SearchTopicTexts(*bytes, list.topics(), pattern, 10000);
        lines = result.lineCount;
        benchmark::DoNotOptimize(result);
    }
    if (lines == 0)
        state.SkipWithError("no hit");
    state.counters["topics"] = static_cast<double>(list.topicCount());
    state.counters["lines"] = static_cast<double>(lines);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes->size()));
}

// Every reference of the list resolved as zelt refs --anywhere resolves them
// (files taken as fixed: 1) or as the window does (every resolve checks the
// files: 0), the topics' texts read beforehand. A fresh resolver each time, so
// that the sorted identifiers and the table index are built within the
// measurement.
void BM_ResolveEveryReference(benchmark::State& state)
{
    const zelt::LoadedList& list = RealReferenceDensity();
    const zelt::TopicTable& topics = list.topics();
    auto reader = zelt::TopicReader::Open(list.files.listFileName);
    std::vector<std::vector<std::string>> references(topics.size());
    std::size_t count = 0;
    for (zelt::TopicNumber n = 0; n < topics.size() && reader; ++n) {
        const auto bytes = reader->read(topics.start(n), topics.length(n)).value_or("");
        for (zelt::TextReference& reference :
             zelt::TopicReferences(zelt::ShownBytes(bytes), topics.title(n), list.files.listKind))
            references[n].push_back(std::move(reference.text));
        count += references[n].size();
    }
    zelt::ReadingPlace place{list.files.listFileName, list.files.listKind, {}};
    std::size_t found = 0;
    for (auto _ : state) {
        zelt::ListTopicsCache lists(true, zelt::IndexMode{false, true});
        zelt::ReferenceResolver resolver(lists);
        resolver.setFilesFixed(state.range(0) != 0);
        found = 0;
        for (zelt::TopicNumber n = 0; n < topics.size(); ++n) {
            place.topicIdentifier = topics.identifier(n);
            for (const std::string& reference : references[n])
                found += resolver.resolve(reference, place, &topics).found() ? 1 : 0;
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["references"] = static_cast<double>(count);
    state.counters["found"] = static_cast<double>(found);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
}

// The companion in-process, its output thrown away: a scan that writes no
// index file, and zelt refs opening the list from its index file.
void RunCompanion(benchmark::State& state, std::vector<std::string_view> args,
                  const zelt::LoadedList& list = InterruptListSize())
{
    std::FILE* sink = std::fopen("/dev/null", "w");
    if (sink == nullptr) {
        state.SkipWithError("no /dev/null");
        return;
    }
    const std::string& name = list.files.listFileName;
    args.push_back(name);
    // The first run writes the index file that later runs read.
    zelt::cli::RunZelt(args, {sink, sink});
    for (auto _ : state) {
        if (zelt::cli::RunZelt(args, {sink, sink}) != 0)
            state.SkipWithError("the companion failed");
    }
    std::fclose(sink);
    state.counters["topics"] = static_cast<double>(list.topicCount());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fs::file_size(name)));
}

void BM_ZeltTopicsScan(benchmark::State& state)
{
    RunCompanion(state, {"topics", "--scan", "--no-write"});
}

void BM_ZeltRefs(benchmark::State& state)
{
    RunCompanion(state, {"refs"});
}

void BM_ZeltRefsBroken(benchmark::State& state)
{
    RunCompanion(state, {"refs", "--broken"});
}

// zelt refs --anywhere against the scan of the same list: within 10 times.
void BM_ZeltTopicsScanRealDensity(benchmark::State& state)
{
    RunCompanion(state, {"topics", "--scan", "--no-write"}, RealReferenceDensity());
}

void BM_ZeltRefsAnywhere(benchmark::State& state)
{
    RunCompanion(state, {"refs", "--anywhere"}, RealReferenceDensity());
}

} // namespace

BENCHMARK(BM_TopicLineSearchWithoutHit)
    ->ArgNames({"case", "words"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK(BM_LocateTopic)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_SearchWholeListAsOneTopic)
    ->ArgName("case")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK(BM_SearchTopicTexts)
    ->ArgNames({"rare", "case", "words"})
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK(BM_ZeltTopicsScan)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ZeltRefs)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ZeltRefsBroken)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ResolveEveryReference)
    ->ArgName("fixed")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK(BM_ZeltTopicsScanRealDensity)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ZeltRefsAnywhere)->Unit(benchmark::kMillisecond)->MinTime(2.0);
