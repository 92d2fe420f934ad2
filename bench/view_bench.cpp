// The browsing windows at work: loading and formatting the largest topic of a
// generated list in the real window, a topic of one 50 MB line, and rendering
// the grid of a 100,000-topic list after a page move.
// Run from a Release build: build/release/bench/bench_view
// The peak_rss_mb counter is the whole process's; run a benchmark alone
// (--benchmark_filter=OneLine) to read its own peak.
#include "base/file_io.h"
#include "bench/largest_topic.h"
#include "list/loaded_list.h"
#include "output/save_topic.h"
#include "samples/generator/list_generator.h"
#include "settings/settings_store.h"
#include "ui/form_main.h"
#include "ui/launcher.h"
#include "ui/message_boxes.h"
#include "ui/program_run.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

// A benchmark that meets a message box has failed; it records that one came.
class NoMessageBoxes final : public zelt::MessageBoxes {
public:
    void inform(const QString&) override { shown = true; }
    void warn(const QString&) override { shown = true; }
    void error(const QString&) override { shown = true; }
    bool confirm(const QString&) override { return shown = true; }
    std::optional<QString> chooseFileToOpen(const zelt::OpenFileRequest&) override
    {
        shown = true;
        return std::nullopt;
    }
    std::optional<QString> chooseFileToSave(const zelt::SaveFileRequest&) override
    {
        shown = true;
        return std::nullopt;
    }
    std::optional<QString> chooseFolder(const zelt::FolderRequest&) override
    {
        shown = true;
        return std::nullopt;
    }
    std::optional<zelt::PrintRange> showPrintDialog(QPrinter&,
                                                    const zelt::PrintDialogRequest&) override
    {
        shown = true;
        return std::nullopt;
    }
    std::optional<zelt::FontChoice> chooseFont(const zelt::FontChoice&) override
    {
        shown = true;
        return std::nullopt;
    }
    int execDialog(QDialog&) override
    {
        shown = true;
        return 0;
    }
    bool shown = false;
};

// The window with a generated list open, in a folder of its own that is
// removed at exit; the settings go to that folder and are not written.
class OpenWindow {
public:
    OpenWindow(std::size_t topics, std::size_t averageTopicBytes, bool singleClickView)
        : m_dir(fs::temp_directory_path() / ("zelt-bench-view-" + std::to_string(topics)))
    {
        fs::create_directories(m_dir);
        const std::string list = (m_dir / "INTERRUP.LST").string();
        zelt::samples::GeneratorOptions options;
        options.topicCount = topics;
        options.averageTopicBytes = averageTopicBytes;
        if (!zelt::samples::WriteGeneratedList(list, options))
            throw std::runtime_error("cannot write " + list);
        open(list, singleClickView);
    }

    // A list of the given bytes, opened without showing a topic.
    OpenWindow(const std::string& name, std::string_view bytes)
        : m_dir(fs::temp_directory_path() / ("zelt-bench-view-" + name))
    {
        fs::create_directories(m_dir);
        const std::string list = (m_dir / name).string();
        if (!(std::ofstream(list, std::ios::binary) << bytes))
            throw std::runtime_error("cannot write " + list);
        open(list, false);
    }

    ~OpenWindow()
    {
        m_run.reset();
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    zelt::TFormMain& window() const { return m_run->window(); }
    bool messageShown() const { return m_messages.shown; }

private:
    void open(const std::string& list, bool singleClickView)
    {
        fs::create_directories(m_dir / "config");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((m_dir / "config").string()));
        m_run = std::make_unique<zelt::ProgramRun>(std::vector<std::string>{"-CONFIGNOSAVE"},
                                                   m_messages, m_launcher,
                                                   zelt::OpenUserSettingsStore(), m_dir);
        m_run->start();
        m_run->window().showNormal();
        m_run->window().resize(1000, 700);
        m_run->settings().SingleClickView = singleClickView;
        m_run->window().openList(list);
        QApplication::processEvents();
        if (m_messages.shown || m_run->window().loadedList().topicCount() == 0)
            throw std::runtime_error("cannot open " + list);
    }

    fs::path m_dir;
    NoMessageBoxes m_messages;
    zelt::SystemLauncher m_launcher;
    std::unique_ptr<zelt::ProgramRun> m_run;
};

// One window per list, closed by main while the application still exists.
std::map<std::size_t, std::unique_ptr<OpenWindow>>& OpenWindows()
{
    static std::map<std::size_t, std::unique_ptr<OpenWindow>> windows;
    return windows;
}

OpenWindow& WindowWith(std::size_t topics, std::size_t averageTopicBytes, bool singleClickView)
{
    auto& window = OpenWindows()[topics];
    if (!window)
        window = std::make_unique<OpenWindow>(topics, averageTopicBytes, singleClickView);
    return *window;
}

void LoadLargestTopic(benchmark::State& state, OpenWindow& open)
{
    zelt::TFormMain& window = open.window();
    const auto n =
        static_cast<std::int32_t>(zelt::bench::LargestTopic(window.loadedList().topics()));
    for (auto _ : state)
        window.loadTopic(n);
    if (open.messageShown() || window.loadedList().view.currentTopicNumber != n)
        state.SkipWithError("the topic was not shown");
    const auto bytes = window.loadedList().topics().length(static_cast<zelt::TopicNumber>(n));
    state.counters["topic_bytes"] = bytes;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
}

// The generated 6 MB list: its topics are of the usual size.
void BM_LoadTopicInWindow(benchmark::State& state)
{
    OpenWindow& open = WindowWith(10000, 600, true);
    LoadLargestTopic(state, open);
}

// Topics of tens of kilobytes, as the longest tables of a real list.
void BM_LoadLargeTopicInWindow(benchmark::State& state)
{
    OpenWindow& open = WindowWith(200, 50000, true);
    LoadLargestTopic(state, open);
}

// The longest topics of a real list, about 120 KB.
OpenWindow& WindowWithLongestTopic()
{
    OpenWindow& open = WindowWith(100, 80000, true);
    zelt::TFormMain& window = open.window();
    const auto n =
        static_cast<std::int32_t>(zelt::bench::LargestTopic(window.loadedList().topics()));
    if (window.loadedList().view.currentTopicNumber != n)
        window.loadTopic(n);
    return open;
}

// Save Topic after the dialog: the view's text and formatting written out.
void BM_SaveTopicFromWindow(benchmark::State& state, const char* name)
{
    OpenWindow& open = WindowWithLongestTopic();
    const zelt::TopicView& view = open.window().topicView();
    const std::string file = (fs::temp_directory_path() / name).string();
    for (auto _ : state) {
        if (zelt::SaveTopic(file, view.topicDocument(), view.outputStyle())) {
            state.SkipWithError("the save failed");
            break;
        }
    }
    std::error_code ignored;
    fs::remove(file, ignored);
    state.counters["topic_bytes"] = view.document()->characterCount();
}

void BM_CopyTopicInWindow(benchmark::State& state)
{
    OpenWindow& open = WindowWithLongestTopic();
    const zelt::TopicView& view = open.window().topicView();
    for (auto _ : state)
        view.copyTopic();
    if (!QGuiApplication::clipboard()->mimeData()->hasHtml())
        state.SkipWithError("nothing reached the clipboard");
    state.counters["topic_bytes"] = view.document()->characterCount();
}

double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// A damaged list whose topic 1 is one line of 50 MB, loaded and painted.
void BM_LoadOneLineTopicOf50MegabytesInWindow(benchmark::State& state)
{
    auto& slot = OpenWindows()[0];
    if (!slot) {
        const std::string divider = "--------D-21" + std::string(48, '-');
        slot = std::make_unique<OpenWindow>("HUGE.LST", "Information\r\n" + divider +
                                                            "\r\nINT 21\r\n" +
                                                            std::string(50'000'000, 'x'));
    }
    OpenWindow& open = *slot;
    zelt::TFormMain& window = open.window();
    QImage image(window.topicView().viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window.loadTopic(1);
        window.topicView().viewport()->render(&image);
    }
    if (open.messageShown() || window.loadedList().view.currentTopicNumber != 1)
        state.SkipWithError("the topic was not shown");
    state.counters["topic_bytes"] = window.loadedList().topics().length(1);
    state.counters["peak_rss_mb"] = PeakResidentMegabytes();
}

// A topic of 5 MB in lines of the given length: the list's usual 80
// characters, or as long as the view shows a line whole.
void BM_LoadFiveMegabyteTopicInWindow(benchmark::State& state)
{
    const auto lineLength = static_cast<std::size_t>(state.range(0));
    auto& slot = OpenWindows()[lineLength];
    if (!slot) {
        std::string text = "Information\r\n--------D-21" + std::string(48, '-') + "\r\nINT 21\r\n";
        const std::string line = std::string(lineLength, 'x') + "\r\n";
        while (text.size() < 5'000'000)
            text += line;
        slot = std::make_unique<OpenWindow>("LINES" + std::to_string(lineLength) + ".LST", text);
    }
    zelt::TFormMain& window = slot->window();
    QImage image(window.topicView().viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window.loadTopic(1);
        window.topicView().viewport()->render(&image);
    }
    if (slot->messageShown() || window.loadedList().view.currentTopicNumber != 1)
        state.SkipWithError("the topic was not shown");
    state.counters["topic_bytes"] = window.loadedList().topics().length(1);
    state.counters["peak_rss_mb"] = PeakResidentMegabytes();
}

void BM_GridPageAndRender(benchmark::State& state)
{
    OpenWindow& open = WindowWith(100000, 200, false);
    zelt::TopicsGrid& grid = open.window().topicsGrid();
    grid.setFocus();
    QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const int lastRow = grid.model()->rowCount() - 1;
    for (auto _ : state) {
        grid.handleKey(grid.currentRow() == lastRow ? zelt::GridKey::Home
                                                    : zelt::GridKey::PageDown);
        grid.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rows"] = grid.model()->rowCount();
    state.counters["visible_rows"] = grid.fullyVisibleRows();
}

// The category view in the window: row map, grid reset, selection and status,
// alternating between one category and all of them (topics are not loaded).
void BM_ShowCategoryInWindow(benchmark::State& state)
{
    OpenWindow& open = WindowWith(100000, 200, false);
    zelt::TFormMain& window = open.window();
    bool all = false;
    for (auto _ : state) {
        window.showCategory(all ? zelt::CategoryChar{255} : zelt::CategoryChar{'D'}, 0);
        all = !all;
    }
    window.showCategory(zelt::CategoryChar{255}, 0); // the grid benchmark pages all topics
    state.counters["topics"] = window.loadedList().topicCount();
}

// Ctrl+click on a table number of a small list that leads into a real-size
// interrupt list beside it (about 20,000 topics, 9 MB), which opens from its
// index file: the reference resolved, the list opened, the topic shown and
// scrolled to the table. Between clicks the small list is opened again,
// untimed; the other list's topics and tables stay known from the first click,
// as after resting the mouse on the reference.
void BM_CtrlClickIntoAnotherList(benchmark::State& state)
{
    auto& slot = OpenWindows()[1];
    if (!slot)
        slot = std::make_unique<OpenWindow>(20000, 450, true);
    zelt::TFormMain& window = slot->window();
    const std::string target = window.loadedList().files.listFileName;
    const fs::path folder = fs::path(target).parent_path();
    const std::string small = (folder / "PORTS.LST").string();
    fs::copy_file(fs::path(ZELT_SAMPLES_DIR) / "PORTS.LST", small,
                  fs::copy_options::overwrite_existing);
    // The last table the list defines.
    const std::string bytes = [&] {
        std::ifstream in(target, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    const std::size_t table = bytes.rfind("(Table ");
    if (table == std::string::npos) {
        state.SkipWithError("the list defines no table");
        return;
    }
    const std::string reference = "#" + bytes.substr(table + 7, 5);
    for (auto _ : state) {
        state.PauseTiming();
        window.openList(small);
        state.ResumeTiming();
        window.goToReference(reference);
    }
    if (slot->messageShown() || !zelt::IsSameFile(window.loadedList().files.listFileName, target))
        state.SkipWithError("the topic was not shown");
    state.counters["topics"] = window.loadedList().topicCount();
}

} // namespace

BENCHMARK(BM_CtrlClickIntoAnotherList)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ShowCategoryInWindow)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_LoadTopicInWindow)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_LoadLargeTopicInWindow)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SaveTopicFromWindow, txt, "zelt-bench-view-topic.txt")
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SaveTopicFromWindow, rtf, "zelt-bench-view-topic.rtf")
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(1.0);
BENCHMARK(BM_CopyTopicInWindow)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_LoadOneLineTopicOf50MegabytesInWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadFiveMegabyteTopicInWindow)
    ->Arg(80)
    ->Arg(4096)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK(BM_GridPageAndRender)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    OpenWindows().clear();
    return 0;
}
