// Saving a topic: the writers alone and the whole atomic save of the largest
// topic of a generated list (about 120 KB, as the longest topics of a real
// list), as text and as rich text.
// Run from a Release build: build/release/bench/bench_output
#include "bench/largest_topic.h"
#include "browse/topic_format.h"
#include "browse/view_lines.h"
#include "list/list_loader.h"
#include "list/topic_reader.h"
#include "output/html_writer.h"
#include "output/rtf_writer.h"
#include "output/save_topic.h"
#include "output/text_writer.h"
#include "samples/generator/list_generator.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

const zelt::OutputStyle Style{"Courier New", 8, {0, 120, 215}};

// The largest topic of a generated list as the view shows it, made once per
// process; the folder, where the saves go too, is removed at exit.
class LargestTopic {
public:
    LargestTopic()
        : m_dir(fs::temp_directory_path() / "zelt-bench-output")
    {
        fs::create_directories(m_dir);
        zelt::LoadedList list;
        list.files.listFileName = (m_dir / "INTERRUP.LST").string();
        zelt::samples::GeneratorOptions options;
        options.topicCount = 100;
        options.averageTopicBytes = 80000;
        if (!zelt::samples::WriteGeneratedList(list.files.listFileName, options))
            throw std::runtime_error("cannot write " + list.files.listFileName);
        zelt::LoadRequest request;
        request.listFileName = list.files.listFileName;
        request.indexMode.loadTopicsDirect = true;
        zelt::LoadObserver quiet;
        if (!zelt::LoadListTopics(list, request, quiet).loaded)
            throw std::runtime_error("cannot scan " + request.listFileName);
        const zelt::TopicNumber n = zelt::bench::LargestTopic(list.topics());
        auto reader = zelt::TopicReader::Open(list.files.listFileName);
        const auto bytes =
            reader ? reader->read(list.topics().start(n), list.topics().length(n)) : std::nullopt;
        if (!bytes)
            throw std::runtime_error("cannot read the largest topic");
        zelt::FormatOptions format;
        format.listKind = zelt::ListKind::Interrup;
        const std::string_view shown = zelt::ShownBytes(*bytes);
        m_document = zelt::DocumentOfShownBytes(
            shown, zelt::FormatTopic(shown, list.topics().title(n), format).spans);
    }

    ~LargestTopic()
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    const zelt::TopicDocument& document() const { return m_document; }
    std::string file(std::string_view name) const { return (m_dir / name).string(); }

private:
    fs::path m_dir;
    zelt::TopicDocument m_document;
};

const LargestTopic& Topic()
{
    static const LargestTopic topic;
    return topic;
}

void Report(benchmark::State& state, const zelt::TopicDocument& document)
{
    state.counters["topic_bytes"] = static_cast<double>(document.text.size());
    state.counters["spans"] = static_cast<double>(document.spans.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(document.text.size()));
}

template <typename Writer>
void Write(benchmark::State& state, Writer writer)
{
    const zelt::TopicDocument& document = Topic().document();
    for (auto _ : state) {
        const std::string bytes = writer(document);
        benchmark::DoNotOptimize(bytes.data());
    }
    Report(state, document);
}

void BM_PlainText(benchmark::State& state)
{
    Write(state, [](const zelt::TopicDocument& d) { return zelt::PlainTextOf(d.text); });
}

void BM_RichText(benchmark::State& state)
{
    Write(state, [](const zelt::TopicDocument& d) { return zelt::RichTextOf(d, Style); });
}

void BM_Html(benchmark::State& state)
{
    Write(state, [](const zelt::TopicDocument& d) { return zelt::HtmlOf(d, Style); });
}

// Hands the file to the system without waiting for the disk, to tell the
// program's own part of a save from the disk's.
class UnflushedFileSystem final : public zelt::FileSystem {
public:
    bool finish(std::FILE* file, std::error_code& error) const override
    {
        if (std::fflush(file) == 0)
            return true;
        error = std::make_error_code(std::errc::io_error);
        return false;
    }
};

// The whole save: writer, temporary file, flush to disk, rename over the old
// file. Without the disk, everything but the wait for the disk to confirm.
void BM_SaveTopic(benchmark::State& state, const char* name, bool disk)
{
    const zelt::TopicDocument& document = Topic().document();
    const std::string file = Topic().file(name);
    const UnflushedFileSystem unflushed;
    const zelt::FileSystem& files = disk ? zelt::RealFileSystem() : unflushed;
    for (auto _ : state) {
        if (zelt::SaveTopic(file, document, Style, {}, files)) {
            state.SkipWithError("the save failed");
            break;
        }
    }
    Report(state, document);
}

} // namespace

BENCHMARK(BM_PlainText)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_RichText)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_Html)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SaveTopic, txt, "topic.txt", true)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SaveTopic, rtf, "topic.rtf", true)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SaveTopic, txt_without_disk, "topic.txt", false)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SaveTopic, rtf_without_disk, "topic.rtf", false)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(1.0);
