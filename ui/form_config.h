#pragma once

#include "app/configuration.h"

#include <QDialog>
#include <filesystem>
#include <functional>

class QPushButton;
class QTabWidget;
class QToolButton;

namespace zelt {

class ConfigAdvancedPage;
class ConfigLayoutPage;
class ConfigSettingsPage;
class ConfigStartupPage;
class ContextHelp;
class HelpRouter;
class MessageBoxes;
struct ProgramState;

// What the configuration dialog edits and whom it tells about the result.
struct ConfigDialogServices {
    Settings& settings;
    ProgramState& program;
    MessageBoxes& messages;
    const HelpRouter& help;
    std::filesystem::path programFolder;
    std::function<TopicFont()> viewFont;
    std::function<bool()> topicShown;
    // After OK has changed the settings: the window's font, List menu, grid
    // and topic as the result asks.
    std::function<void(const ConfigApplied&)> applied;
};

// The Configuration dialog, made once and shown modally again and again;
// every show loads its controls from the settings afresh, so a cancelled
// edit leaves no trace.
class TFormConfig final : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 386;
    static constexpr int ClientHeight = 224;

    TFormConfig(ConfigDialogServices services, QWidget* parent);
    ~TFormConfig() override;

    // Centred, on the Startup page with the OK button focused; returns when
    // the dialog has closed.
    void execute();

    QTabWidget* pageControl() const { return m_pages; }
    const ContextHelp& contextHelp() const { return *m_contextHelp; }

private:
    void buildButtons();
    void centre();
    void okButtonClick();

    ConfigDialogServices m_services;
    QTabWidget* m_pages = nullptr;
    ConfigStartupPage* m_startup = nullptr;
    ConfigSettingsPage* m_settingsPage = nullptr;
    ConfigLayoutPage* m_layout = nullptr;
    ConfigAdvancedPage* m_advanced = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QToolButton* m_whatsThis = nullptr;
    ContextHelp* m_contextHelp = nullptr;
};

} // namespace zelt
