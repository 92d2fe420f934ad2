#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace zelt {

// The mouse's back and forward buttons over any part of a window: whichever
// control is under the pointer, they step through the topics shown.
class HistoryMouseButtons final : public QObject {
    Q_OBJECT

public:
    HistoryMouseButtons(QWidget& window, std::function<void()> back, std::function<void()> forward);
    ~HistoryMouseButtons() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void()> m_back;
    std::function<void()> m_forward;
};

} // namespace zelt
