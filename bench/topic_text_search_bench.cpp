// Search Topic Texts in the window: "All lists" over a generated distribution
// of 13 lists and about 8 MB, the rows listed in the panel, and what the
// filled panel adds to the process's memory.
// Run from a Release build: build/release/bench/bench_topic_text_search
#include "samples/generator/list_generator.h"
#include "search/topic_text_lists.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "ui/form_main.h"
#include "ui/launcher.h"
#include "ui/message_boxes.h"
#include "ui/program_run.h"
#include "ui/topic_text_results_model.h"
#include "ui/topic_text_search_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTreeView>
#include <array>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class NoMessageBoxes final : public zelt::MessageBoxes {
public:
    void inform(const QString&) override {}
    void warn(const QString&) override {}
    void error(const QString&) override {}
    bool confirm(const QString&) override { return true; }
    std::optional<QString> chooseFileToOpen(const zelt::OpenFileRequest&) override { return {}; }
    std::optional<QString> chooseFileToSave(const zelt::SaveFileRequest&) override { return {}; }
    std::optional<QString> chooseFolder(const zelt::FolderRequest&) override { return {}; }
    std::optional<zelt::PrintRange> showPrintDialog(QPrinter&,
                                                    const zelt::PrintDialogRequest&) override
    {
        return {};
    }
    std::optional<zelt::FontChoice> chooseFont(const zelt::FontChoice&) override { return {}; }
    int execDialog(QDialog&) override { return 0; }
};

// The real distribution's lists: one of 5.7 MB and twelve smaller ones.
struct GeneratedList {
    const char* name;
    std::size_t topics;
    std::size_t averageTopicBytes;
};
constexpr std::array<GeneratedList, 13> Distribution{{
    {"INTERRUP.LST", 9500, 600},
    {"PORTS.LST", 1200, 500},
    {"MEMORY.LST", 800, 400},
    {"CMOS.LST", 300, 400},
    {"FARCALL.LST", 300, 400},
    {"OPCODES.LST", 600, 300},
    {"86BUGS.LST", 200, 400},
    {"GLOSSARY.LST", 600, 300},
    {"BIBLIO.LST", 200, 400},
    {"I2C.LST", 200, 400},
    {"MSR.LST", 300, 400},
    {"SMM.LST", 200, 400},
    {"TABLES.LST", 300, 600},
}};

double ResidentMegabytes()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

// The window started in a folder of generated lists, with the largest open.
class Distributed {
public:
    Distributed()
        : m_dir(fs::temp_directory_path() / "zelt-bench-topic-texts")
    {
        fs::create_directories(m_dir / "config");
        std::uintmax_t bytes = 0;
        for (const GeneratedList& list : Distribution) {
            zelt::samples::GeneratorOptions options;
            options.topicCount = list.topics;
            options.averageTopicBytes = list.averageTopicBytes;
            options.seed = static_cast<std::uint32_t>(list.topics);
            const fs::path file = m_dir / list.name;
            if (!zelt::samples::WriteGeneratedList(file.string(), options))
                throw std::runtime_error("cannot write " + file.string());
            bytes += fs::file_size(file);
        }
        m_bytes = bytes;
        fs::current_path(m_dir);
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((m_dir / "config").string()));
        m_run = std::make_unique<zelt::ProgramRun>(std::vector<std::string>{"-CONFIGNOSAVE"},
                                                   m_messages, m_launcher,
                                                   zelt::OpenUserSettingsStore(), m_dir);
        m_run->start();
        m_run->settings().DisplayAllLists = true;
        m_run->window().showNormal();
        m_run->window().resize(1000, 700);
        m_run->window().openList((m_dir / "INTERRUP.LST").string());
        QApplication::processEvents();
    }

    ~Distributed()
    {
        m_run.reset();
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    zelt::TFormMain& window() const { return m_run->window(); }
    std::uintmax_t bytes() const { return m_bytes; }

private:
    fs::path m_dir;
    std::uintmax_t m_bytes = 0;
    NoMessageBoxes m_messages;
    zelt::SystemLauncher m_launcher;
    std::unique_ptr<zelt::ProgramRun> m_run;
};

std::unique_ptr<Distributed>& Shared()
{
    static std::unique_ptr<Distributed> shared;
    return shared;
}

// From the request to the rows painted: the search over every list, the
// model filled and the results repainted.
void BM_SearchAllListsInPanel(benchmark::State& state, const char* text)
{
    auto& shared = Shared();
    // The window with its list open, before the panel has searched anything.
    static double windowOnly = 0.0;
    if (!shared) {
        shared = std::make_unique<Distributed>();
        windowOnly = ResidentMegabytes();
    }
    zelt::TopicTextSearchPanel& panel = shared->window().topicTextSearch();
    panel.showAndFocus();
    panel.setScope(zelt::TopicTextScope::AllLists);
    panel.textBox()->setEditText(QString::fromLatin1(text));
    QElapsedTimer first;
    first.start();
    panel.search(); // the first search loads the other lists' topics
    QApplication::processEvents();
    state.counters["first_ms"] = static_cast<double>(first.elapsed());
    for (auto _ : state) {
        panel.search();
        panel.results()->viewport()->repaint();
    }
    state.counters["rows"] = panel.model().rowCount();
    state.counters["distribution_mb"] = static_cast<double>(shared->bytes()) / 1048576.0;
    state.counters["rss_growth_mb"] = ResidentMegabytes() - windowOnly;
    // What stays in use, without the pages the allocator keeps for reuse.
    malloc_trim(0);
    state.counters["in_use_growth_mb"] = ResidentMegabytes() - windowOnly;
}

} // namespace

// The cap first, so that the memory the full panel adds is read alone.
BENCHMARK_CAPTURE(BM_SearchAllListsInPanel, common_word_capped, "the")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SearchAllListsInPanel, rare_word, "keyboard")
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Shared().reset();
    return 0;
}
