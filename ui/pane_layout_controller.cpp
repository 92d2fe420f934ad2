#include "ui/pane_layout_controller.h"

#include "ui/main_panel.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QScrollBar>
#include <QSplitter>

namespace zelt {

namespace {

// Holds a widget's repainting for a scope.
class UpdatesSuspended {
public:
    explicit UpdatesSuspended(QWidget& widget)
        : m_widget(widget)
        , m_wasEnabled(widget.updatesEnabled())
    {
        m_widget.setUpdatesEnabled(false);
    }
    ~UpdatesSuspended() { m_widget.setUpdatesEnabled(m_wasEnabled); }
    UpdatesSuspended(const UpdatesSuspended&) = delete;
    UpdatesSuspended& operator=(const UpdatesSuspended&) = delete;

private:
    QWidget& m_widget;
    bool m_wasEnabled;
};

} // namespace

PaneLayoutController::PaneLayoutController(QWidget& window, MainPanel& panel, QAction& zoomCommand)
    : QObject(&window)
    , m_window(window)
    , m_panel(panel)
    , m_zoomCommand(zoomCommand)
{}

void PaneLayoutController::toggleZoom()
{
    m_zoomed = !m_zoomed;
    m_zoomCommand.setChecked(m_zoomed);
    const UpdatesSuspended window(m_window);
    TopicView& view = *m_panel.topicView();
    if (m_zoomed) {
        // The splitter's handle goes with the pane above it.
        m_panel.panelTopics()->hide();
        m_panel.splitter()->refresh();
        view.show();
        view.setFocus();
    } else {
        // Shown again, the grid would scroll its current row into whatever
        // height the pane has at that moment, before the panes are fitted.
        TopicsGrid& grid = *m_panel.grid();
        const int scrolled = grid.verticalScrollBar()->value();
        m_panel.panelTopics()->show();
        m_panel.splitter()->refresh();
        m_panel.fitPanes();
        grid.verticalScrollBar()->setValue(scrolled);
        grid.scrollTo(grid.currentIndex());
        grid.setFocus();
    }
}

void PaneLayoutController::unzoom()
{
    if (m_zoomed)
        toggleZoom();
}

void PaneLayoutController::watchToolBarBand(QWidget& band)
{
    band.installEventFilter(this);
}

bool PaneLayoutController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        m_panel.recordSplit();
    return QObject::eventFilter(watched, event);
}

} // namespace zelt
