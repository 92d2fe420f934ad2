#pragma once

namespace zelt {

// A long operation's hold on the window: the wait cursor until the scope ends
// on any path. The operation runs to its end without returning to the event
// loop, so no input reaches the window meanwhile; disabling it as well would
// grey every control in the status repaints and cost milliseconds each time.
class BusyWindow {
public:
    BusyWindow();
    ~BusyWindow();
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;
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
