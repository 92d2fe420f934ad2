// Reading settings files with far more values than the program writes, as a
// damaged or hostile file may hold: the reading time must grow with the file.
// Run from a Release build: build/release/bench/bench_settings
#include "settings/reg_file_format.h"
#include "settings/reg_file_store.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string Key = "Software\\Vantrel\\ZELT Viewer\\2\\Config";

std::string ValueName(std::int64_t i)
{
    return "Value" + std::to_string(i);
}

// One key holding `values` REG_DWORD values, as the program writes them.
std::string SettingsFileWith(std::int64_t values)
{
    std::string file = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + Key + "]\r\n";
    for (std::int64_t i = 0; i < values; ++i)
        file += "\"" + ValueName(i) + "\"=dword:0000002a\r\n";
    return file;
}

void BM_ParseSettingsFile(benchmark::State& state)
{
    const std::string bytes = SettingsFileWith(state.range(0));
    for (auto _ : state) {
        auto document = zelt::ParseRegFile(bytes);
        if (!document)
            state.SkipWithError("the file was not read");
        benchmark::DoNotOptimize(document);
    }
    state.counters["values"] = static_cast<double>(state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// The store as start-up meets it: the file read from disk, then every value
// looked up once.
void BM_OpenStoreAndReadEveryValue(benchmark::State& state)
{
    const fs::path file = fs::temp_directory_path() / "zelt-bench-settings.reg";
    const std::string bytes = SettingsFileWith(state.range(0));
    if (bytes.size() > zelt::MaxSettingsFileBytes)
        throw std::runtime_error("the file would not be read");
    std::ofstream(file, std::ios::binary) << bytes;
    for (auto _ : state) {
        zelt::RegFileStore store(file);
        for (std::int64_t i = 0; i < state.range(0); ++i) {
            if (!store.read(Key, ValueName(i)))
                state.SkipWithError("a value was not found");
        }
    }
    fs::remove(file);
    state.counters["values"] = static_cast<double>(state.range(0));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

} // namespace

BENCHMARK(BM_ParseSettingsFile)->Arg(40)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
// The largest file the store reads holds about 130,000 such values.
BENCHMARK(BM_OpenStoreAndReadEveryValue)->Arg(40)->Arg(130000)->Unit(benchmark::kMillisecond);
