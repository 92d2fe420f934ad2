#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace zelt {

// Ctrl + the context-menu key pops up the see-also menu from any control of
// the window. On X11 the platform first turns that key into a context-menu
// event for the focused control, whose own popup would then take the key
// from the window's shortcut; so that event is caught too.
class SeeAlsoKey final : public QObject {
    Q_OBJECT

public:
    SeeAlsoKey(QWidget& window, std::function<void()> popUp);
    ~SeeAlsoKey() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void()> m_popUp;
};

} // namespace zelt
