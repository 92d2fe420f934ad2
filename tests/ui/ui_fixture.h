#pragma once

#include "settings/settings_store.h"
#include "support/temp_dir.h"
#include "tests/ui/recording_launcher.h"
#include "tests/ui/scripted_message_boxes.h"
#include "ui/program_run.h"

#include <QString>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace zelt {
class TFormMain;
}

namespace zelt::test {

// A run of the program in a folder of its own: settings file, lists folder
// (the current directory while the test runs) and program folder.
class UiTest : public ::testing::Test {
public:
    // Direct access to the store as another run would see it.
    static std::unique_ptr<SettingsStore> OpenStore();
    static std::string ConfigKey();
    static std::string LayoutKey();
    static void StoreValue(std::string_view key, std::string_view name, const StoredValue& value);
    static std::optional<StoredValue> StoredValueOf(std::string_view key, std::string_view name);

protected:
    void SetUp() override;
    void TearDown() override;

    ProgramRun& start(std::vector<std::string> arguments = {});
    TFormMain& window() const;
    // Closes the window as the user would; false when the close was refused.
    bool closeWindow();

    std::filesystem::path listsFolder() const { return m_temp.path() / "lists"; }
    std::filesystem::path programFolder() const { return m_temp.path() / "program"; }
    std::filesystem::path settingsFile() const;
    std::string listPath(std::string_view name) const;

    std::string copySample(std::string_view name) const;
    std::string writeList(std::string_view name, std::string_view bytes) const;

    QString panel(int index) const;

    TempDir m_temp;
    ScriptedMessageBoxes m_messages;
    RecordingLauncher m_launcher;
    std::unique_ptr<ProgramRun> m_run;

private:
    std::filesystem::path m_previousFolder;
    QByteArray m_previousConfigHome;
};

// Topics 0 [List Info] (!), 1 (D), 2 (B), 3 (D); topic 2's title holds the
// code page bytes B3h and 01h.
std::string SmallList();

} // namespace zelt::test
