#pragma once

#include <QStatusBar>
#include <array>

class QLabel;
class QProgressBar;

namespace zelt {

class ScreenScale;

// The four panels of the main window's status bar and the progress bar that
// long operations lay over the first three. Panels are plain labels: the
// status bar's own message would hide them.
class StatusBarPanels final : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int PanelCount = 4;
    static constexpr std::array<int, PanelCount> DesignWidths{170, 60, 60, 200};

    explicit StatusBarPanels(QWidget* parent);

    QString panelText(int panel) const;
    // Sets a panel and repaints at once: hints arrive during long operations
    // that do not return to the event loop.
    void setPanelText(int panel, const QString& text);

    int panelWidth(int panel) const;
    void scalePanelWidths(const ScreenScale& scale);

    QProgressBar* progressBar() const { return m_progress; }
    void showProgress(bool visible);
    void setProgress(int value);

Q_SIGNALS:
    void panelTextChanged(int panel, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeProgressBar();

    std::array<QLabel*, PanelCount> m_panels{};
    std::array<int, PanelCount> m_widths = DesignWidths;
    QProgressBar* m_progress = nullptr;
};

} // namespace zelt
