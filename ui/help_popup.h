#pragma once

#include <QFrame>
#include <functional>

namespace zelt {

class HelpBrowser;

// A help topic as a popup whose top-left corner stands at a screen position
// (moved in where it would leave the screen; a topic taller than the screen
// scrolls). A click elsewhere or Esc closes it; a link to a topic closes it
// and opens that topic.
class HelpPopup final : public QFrame {
    Q_OBJECT

public:
    static constexpr int TextWidth = 380;

    HelpPopup(const QString& markdown, std::function<void(int context)> openTopic, QWidget* parent);

    void showAt(const QPoint& globalTopLeft);
    HelpBrowser* text() const { return m_text; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void linkActivated(const QString& link);

    HelpBrowser* m_text = nullptr;
    std::function<void(int)> m_openTopic;
};

} // namespace zelt
