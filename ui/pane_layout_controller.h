#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace zelt {

class MainPanel;

// The zoom of the topic pane over the whole main panel, and the recording of
// the pane split when the tool-bar area changes its size.
class PaneLayoutController final : public QObject {
    Q_OBJECT

public:
    PaneLayoutController(QWidget& window, MainPanel& panel, QAction& zoomCommand);

    bool isZoomed() const noexcept { return m_zoomed; }
    // OptionsZoomTopicCmd: zooms in or out.
    void toggleZoom();
    // OptionsUnzoomTopicCmd: leaves the zoom if zoomed.
    void unzoom();
    // A tool-bar band whose size changes count as the tool-bar area's.
    void watchToolBarBand(QWidget& band);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    MainPanel& m_panel;
    QAction& m_zoomCommand;
    bool m_zoomed = false;
};

} // namespace zelt
