#pragma once

#include <QPoint>

namespace zelt {

// Shows the help file's topics: a topic in the help window, or a topic as a
// popup at a screen position.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showTopic(int context) = 0;
    virtual void showPopup(int context, const QPoint& globalPosition) = 0;
};

// The help handler of the main window and the configuration dialog: a request
// reaches the viewer exactly when the help file was there at start-up, and is
// dropped silently otherwise.
class HelpRouter {
public:
    HelpRouter(bool available, HelpViewer& viewer)
        : m_available(available)
        , m_viewer(&viewer)
    {}

    bool available() const { return m_available; }
    void setViewer(HelpViewer& viewer) { m_viewer = &viewer; }

    void showTopic(int context) const
    {
        if (m_available)
            m_viewer->showTopic(context);
    }
    void showPopup(int context, const QPoint& globalPosition) const
    {
        if (m_available)
            m_viewer->showPopup(context, globalPosition);
    }

private:
    bool m_available;
    HelpViewer* m_viewer;
};

} // namespace zelt
