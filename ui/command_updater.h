#pragma once

#include <QObject>
#include <functional>

namespace zelt {

// Re-evaluates the commands when the event loop is about to wait, once after
// each user action or list change; a zero-interval timer would spin instead.
class CommandUpdater final : public QObject {
    Q_OBJECT

public:
    CommandUpdater(std::function<void()> update, QObject* parent);
    ~CommandUpdater() override;

    void markDirty() { m_dirty = true; }
    void updateNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void idle();

    std::function<void()> m_update;
    bool m_dirty = true;
};

} // namespace zelt
