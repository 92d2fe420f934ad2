#pragma once

#include "app/status_panel_widths.h"

#include <QStatusBar>
#include <array>
#include <cstdint>

class QLabel;
class QProgressBar;

namespace zelt {

class ScreenScale;

// The four panels of the main window's status bar and the progress bar that
// long operations lay over the first three. Panels are plain labels: the
// status bar's own message would hide them. Their widths follow the design,
// scaled for the resolution and for a font wider than the design font, and
// widened further where the open list's texts need it.
class StatusBarPanels final : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int PanelCount = StatusPanelCount;
    static constexpr StatusPanelWidths DesignWidths = StatusPanelDesignWidths;

    explicit StatusBarPanels(QWidget* parent);

    QString panelText(int panel) const;
    // Sets a panel and repaints at once: hints arrive during long operations
    // that do not return to the event loop.
    void setPanelText(int panel, const QString& text);

    int panelWidth(int panel) const;
    void scalePanelWidths(const ScreenScale& scale);
    // Makes room for the longest texts of a list of that many topics.
    void fitToTopicCount(std::int32_t topicCount);

    QProgressBar* progressBar() const { return m_progress; }
    void showProgress(bool visible);
    void setProgress(int value);

Q_SIGNALS:
    void panelTextChanged(int panel, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layOutPanels();
    void placeProgressBar();

    std::array<QLabel*, PanelCount> m_panels{};
    // The design widths at this resolution, and the design font's average
    // character width at it.
    StatusPanelWidths m_resolutionWidths = DesignWidths;
    double m_designAverageCharWidth = DesignFontAverageCharWidth;
    std::int32_t m_topicCount = 0;
    StatusPanelWidths m_widths = DesignWidths;
    QProgressBar* m_progress = nullptr;
};

} // namespace zelt
