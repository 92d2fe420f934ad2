#pragma once

#include "settings/window_layout.h"

class QMainWindow;
class QStatusBar;

namespace zelt {

class MainPanel;
class ToolBarBands;

// The parts of the main window that the settings store keeps, as controls.
struct LayoutControls {
    QMainWindow& window;
    ToolBarBands& bands;
    MainPanel& panel;
    QStatusBar& statusBar;
};

// Position and size at creation; maximised when the stored state says so.
void ApplyWindowPlacement(QMainWindow& window, const WindowPlacement& placement);

void ApplyStoredLayout(const LayoutControls& controls, const StoredLayout& stored);

// The window's values as they are now, for writing at exit.
WindowLayout CollectWindowLayout(const LayoutControls& controls);

} // namespace zelt
