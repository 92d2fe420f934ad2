#include "ui/window_layout_io.h"

#include "ui/main_panel.h"
#include "ui/qt_text.h"
#include "ui/screen_scale.h"
#include "ui/tool_bar_bands.h"
#include "ui/topic_text_search_panel.h"
#include "ui/topic_view.h"

#include <QEvent>
#include <QHeaderView>
#include <QMainWindow>
#include <QStatusBar>
#include <QWindow>

namespace zelt {

namespace {

Rect RectOf(const QRect& rect)
{
    return Rect{rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

// Lives until the frame margins are known in the normal state, then shrinks the
// window once so that its outer size is the stored one.
class FrameCorrection final : public QObject {
public:
    FrameCorrection(QWidget& window, const QSize& outer)
        : QObject(&window)
        , m_window(window)
        , m_outer(outer)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        // Not at the state change itself: a window leaving the maximised state
        // still has the frame of that state until the window manager has
        // moved it.
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize)
            return false;
        const QMargins frame = FrameMarginsOf(m_window);
        if (frame.isNull() || (m_window.windowState() &
                               (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
            return false;
        m_window.removeEventFilter(this);
        m_window.resize(ClientSizeFor(m_outer, frame));
        deleteLater();
        return false;
    }

private:
    QWidget& m_window;
    QSize m_outer;
};

} // namespace

Rect OuterBounds(const QRect& client, const QMargins& frame)
{
    return RectOf(client.marginsAdded(frame));
}

QSize ClientSizeFor(const QSize& outer, const QMargins& frame)
{
    return QSize(std::max(1, outer.width() - frame.left() - frame.right()),
                 std::max(1, outer.height() - frame.top() - frame.bottom()));
}

QMargins FrameMarginsOf(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

void ApplyWindowPlacement(QMainWindow& window, const WindowPlacement& placement)
{
    const Rect& bounds = placement.bounds;
    const QSize outer(std::max(1, bounds.right - bounds.left),
                      std::max(1, bounds.bottom - bounds.top));
    // move() places the frame; resize() sizes the client area.
    window.move(bounds.left, bounds.top);
    window.resize(outer);
    new FrameCorrection(window, outer);
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
    // Without a stored place the panel stays hidden and takes no room.
    if (stored.TopicTextsPanel)
        controls.topicTextsPanel.restorePlace(*stored.TopicTextsPanel);
}

WindowLayout CollectWindowLayout(const LayoutControls& controls)
{
    const QMainWindow& window = controls.window;
    WindowLayout layout;
    const bool normal = !window.isMaximized() && !window.isMinimized();
    layout.WindowState = window.isMaximized()   ? WindowStateMaximised
                         : window.isMinimized() ? WindowStateMinimised
                                                : WindowStateNormal;
    layout.BoundsRect = normal ? RectOf(window.frameGeometry())
                               : OuterBounds(window.normalGeometry(), FrameMarginsOf(window));
    controls.bands.writeTo(layout);
    layout.TopicsHeaderVisible = !controls.panel.topicsHeader()->isHidden();
    layout.PanelCurrentTopicHeaderVisible = !controls.panel.topicHeaderStrip()->isHidden();
    layout.StatusBarVisible = !controls.statusBar.isHidden();
    const QFont font = controls.panel.topicView()->font();
    layout.CurrentTopicFontName = ToUtf8(font.family());
    layout.CurrentTopicFontSize = font.pointSize();
    layout.TopicsColWidth = controls.panel.firstColumnWidth();
    layout.TopicTextsPanel = controls.topicTextsPanel.place();
    return layout;
}

} // namespace zelt
