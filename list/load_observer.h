#pragma once

#include <string_view>

namespace zelt {

// How a long list operation reaches the window: while it runs the window is
// disabled with the wait cursor, a status text and possibly a progress bar;
// loadEnded always follows loadBegan, on every exit path.
class LoadObserver {
public:
    virtual ~LoadObserver() = default;

    virtual void loadBegan(std::string_view /*statusText*/) {}
    virtual void progressShown(bool /*visible*/) {}
    virtual void progressChanged(int /*value*/) {}
    virtual void loadEnded() {}
};

// Calls loadEnded when it leaves scope.
class LoadScope {
public:
    LoadScope(LoadObserver& observer, std::string_view statusText)
        : m_observer(observer)
    {
        m_observer.loadBegan(statusText);
    }
    ~LoadScope()
    {
        m_observer.progressShown(false);
        m_observer.loadEnded();
    }
    LoadScope(const LoadScope&) = delete;
    LoadScope& operator=(const LoadScope&) = delete;

private:
    LoadObserver& m_observer;
};

} // namespace zelt
