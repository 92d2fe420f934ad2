#include "ui/window_layout_io.h"

#include "ui/main_panel.h"
#include "ui/qt_text.h"
#include "ui/screen_scale.h"
#include "ui/tool_bar_bands.h"
#include "ui/topic_view.h"

#include <QHeaderView>
#include <QMainWindow>
#include <QStatusBar>

namespace zelt {

void ApplyWindowPlacement(QMainWindow& window, const WindowPlacement& placement)
{
    const Rect& bounds = placement.bounds;
    window.move(bounds.left, bounds.top);
    window.resize(std::max(1, bounds.right - bounds.left), std::max(1, bounds.bottom - bounds.top));
    if (placement.maximised)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void ApplyStoredLayout(const LayoutControls& controls, const StoredLayout& stored)
{
    controls.bands.restore(stored);
    if (stored.TopicsHeaderVisible)
        controls.panel.topicsHeader()->setVisible(*stored.TopicsHeaderVisible);
    if (stored.PanelCurrentTopicHeaderVisible)
        controls.panel.topicHeaderStrip()->setVisible(*stored.PanelCurrentTopicHeaderVisible);
    if (stored.StatusBarVisible)
        controls.statusBar.setVisible(*stored.StatusBarVisible);
    const WindowLayout design;
    QFont font(FromUtf8(stored.CurrentTopicFontName.value_or(design.CurrentTopicFontName)));
    font.setPointSize(
        std::max(1, stored.CurrentTopicFontSize.value_or(design.CurrentTopicFontSize)));
    controls.panel.setTopicFont(font, ScreenScale::Of(controls.window));
}

WindowLayout CollectWindowLayout(const LayoutControls& controls)
{
    const QMainWindow& window = controls.window;
    WindowLayout layout;
    const bool normal = !window.isMaximized() && !window.isMinimized();
    layout.WindowState = window.isMaximized()   ? WindowStateMaximised
                         : window.isMinimized() ? WindowStateMinimised
                                                : WindowStateNormal;
    // Read back the way ApplyWindowPlacement applies it, so bounds do not drift.
    const QRect bounds = normal ? window.geometry() : window.normalGeometry();
    const QPoint origin = normal ? window.pos() : bounds.topLeft();
    layout.BoundsRect =
        Rect{origin.x(), origin.y(), origin.x() + bounds.width(), origin.y() + bounds.height()};
    controls.bands.writeTo(layout);
    layout.TopicsHeaderVisible = !controls.panel.topicsHeader()->isHidden();
    layout.PanelCurrentTopicHeaderVisible = !controls.panel.topicHeaderStrip()->isHidden();
    layout.StatusBarVisible = !controls.statusBar.isHidden();
    const QFont font = controls.panel.topicView()->font();
    layout.CurrentTopicFontName = ToUtf8(font.family());
    layout.CurrentTopicFontSize = font.pointSize();
    layout.TopicsColWidth = controls.panel.firstColumnWidth();
    return layout;
}

} // namespace zelt
