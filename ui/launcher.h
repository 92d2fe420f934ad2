#pragma once

#include "tools/launch_request.h"

class QWidget;

namespace zelt {

// Starts programs for the user: the shell's verbs, DOSBox, the desktop's
// opener. The viewer never waits for them, and what they do after starting is
// theirs to report.
class Launcher {
public:
    virtual ~Launcher() = default;
    // The owner is the window the started program belongs to (Windows).
    virtual void launch(const LaunchRequest& request, QWidget* owner) = 0;
};

// ShellExecuteW on Windows, QProcess for a program, QDesktopServices elsewhere.
class SystemLauncher final : public Launcher {
public:
    void launch(const LaunchRequest& request, QWidget* owner) override;
};

} // namespace zelt
