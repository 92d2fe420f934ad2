#include "tests/ui/ui_fixture.h"

#include "base/program_version.h"
#include "ui/form_main.h"
#include "ui/status_bar_panels.h"

#include <QApplication>
#include <QTest>

namespace zelt::test {

void UiTest::SetUp()
{
    m_previousFolder = std::filesystem::current_path();
    m_previousConfigHome = qgetenv("XDG_CONFIG_HOME");
    std::filesystem::create_directories(m_temp.path() / "config");
    std::filesystem::create_directories(listsFolder());
    std::filesystem::create_directories(programFolder());
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((m_temp.path() / "config").string()));
    std::filesystem::current_path(listsFolder());
}

void UiTest::TearDown()
{
    m_run.reset();
    std::filesystem::current_path(m_previousFolder);
    qputenv("XDG_CONFIG_HOME", m_previousConfigHome);
}

ProgramRun& UiTest::start(std::vector<std::string> arguments)
{
    m_run = std::make_unique<ProgramRun>(std::move(arguments), m_messages, m_launcher,
                                         OpenUserSettingsStore(), programFolder());
    m_run->start();
    return *m_run;
}

TFormMain& UiTest::window() const
{
    return m_run->window();
}

bool UiTest::closeWindow()
{
    return window().close();
}

std::filesystem::path UiTest::settingsFile() const
{
    return m_temp.path() / "config" / "Vantrel" / "ZELT Viewer.reg";
}

std::string UiTest::listPath(std::string_view name) const
{
    return (listsFolder() / name).string();
}

std::string UiTest::copySample(std::string_view name) const
{
    const auto target = listsFolder() / name;
    std::filesystem::copy_file(std::filesystem::path(ZELT_SAMPLES_DIR) / name, target,
                               std::filesystem::copy_options::overwrite_existing);
    return target.string();
}

std::string UiTest::writeList(std::string_view name, std::string_view bytes) const
{
    const auto target = listsFolder() / name;
    WriteBytes(target, bytes);
    return target.string();
}

std::unique_ptr<SettingsStore> UiTest::OpenStore()
{
    return OpenUserSettingsStore();
}

std::string UiTest::ConfigKey()
{
    return SettingsKey(ReadProgramVersion(), "Config");
}

std::string UiTest::LayoutKey()
{
    return SettingsKey(ReadProgramVersion(), "Layout");
}

void UiTest::StoreValue(std::string_view key, std::string_view name, const StoredValue& value)
{
    auto store = OpenStore();
    ASSERT_TRUE(store->write(key, name, value));
    ASSERT_TRUE(store->commit());
}

std::optional<StoredValue> UiTest::StoredValueOf(std::string_view key, std::string_view name)
{
    return OpenStore()->read(key, name);
}

QString UiTest::panel(int index) const
{
    return window().statusPanels().panelText(index);
}

std::string SmallList()
{
    return DosLines({
        "Introduction of the small list, written for the window tests.",
        Divider('D', "21"),
        "INT 21 - DOS - FUNCTION CALLS",
        "\tthe DOS entry",
        Divider('B', "10"),
        "INT 10 - VIDEO - SET MODE \xB3 \x01",
        "\tthe video entry",
        Divider('D', "2F"),
        "INT 2F - DOS - MULTIPLEX",
        "\tthe multiplex entry",
    });
}

} // namespace zelt::test
