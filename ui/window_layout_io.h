#pragma once

#include "settings/window_layout.h"

#include <QMargins>
#include <QRect>
#include <QSize>

class QMainWindow;
class QStatusBar;
class QWidget;

namespace zelt {

class MainPanel;
class ToolBarBands;
class TopicTextSearchPanel;

// The parts of the main window that the settings store keeps, as controls.
struct LayoutControls {
    QMainWindow& window;
    ToolBarBands& bands;
    MainPanel& panel;
    QStatusBar& statusBar;
    TopicTextSearchPanel& topicTextsPanel;
};

// BoundsRect holds the window's outer bounds, frame included, while Qt sizes a
// window without its frame.
Rect OuterBounds(const QRect& client, const QMargins& frame);
QSize ClientSizeFor(const QSize& outer, const QMargins& frame);
// Null until the window has been shown, and where no window manager frames it.
QMargins FrameMarginsOf(const QWidget& window);

// Position and size at creation; maximised when the stored state says so. The
// client size is corrected for the frame once the frame is known and the
// window is in its normal state.
void ApplyWindowPlacement(QMainWindow& window, const WindowPlacement& placement);

void ApplyStoredLayout(const LayoutControls& controls, const StoredLayout& stored);

// The window's values as they are now, for writing at exit.
WindowLayout CollectWindowLayout(const LayoutControls& controls);

} // namespace zelt
