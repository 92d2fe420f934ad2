#pragma once

class QWidget;

namespace zelt {

// A long operation's hold on the window: disabled, with the wait cursor, until
// the scope ends on any path.
class BusyWindow {
public:
    explicit BusyWindow(QWidget& window);
    ~BusyWindow();
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    QWidget& m_window;
};

// The wait cursor for a scope, when asked for; restored on any path.
class WaitCursor {
public:
    explicit WaitCursor(bool shown);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_shown;
};

} // namespace zelt
