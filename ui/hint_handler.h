#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace zelt {

class StatusBarPanels;

// The application's hint and its display in the last status panel. Installed on
// the application, it takes every status tip Qt sends (controls under the
// pointer, highlighted menu items) instead of the main window's own message.
class HintHandler final : public QObject {
    Q_OBJECT

public:
    static constexpr int HintPanel = 3;

    HintHandler(QWidget& window, StatusBarPanels& status);
    ~HintHandler() override;

    QString hint() const { return m_hint; }
    // Sets the application's hint and shows its long part while the window is active.
    void setHint(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showHintInStatusBar();

    QWidget& m_window;
    QPointer<StatusBarPanels> m_status;
    QString m_hint;
};

} // namespace zelt
