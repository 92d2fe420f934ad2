#pragma once

#include <QObject>
#include <optional>

class QWidget;

namespace zelt {

class HelpRouter;

// A control's help context number; 0 is none.
void SetHelpContext(QWidget& control, int context);
int OwnHelpContext(const QWidget& control);
// The control's number or, when it has none, that of the nearest enclosing
// control that has one, up to its window.
std::optional<int> HelpContextAt(const QWidget& control);

// Context help inside a window: F1 on the focused control and a click on a
// control in What's This mode show its topic as a popup at the control's
// top-left corner.
class ContextHelp final : public QObject {
    Q_OBJECT

public:
    ContextHelp(QWidget& window, const HelpRouter& help);

    // The popup for a control, as F1 would ask for it.
    void requestFor(const QWidget& control) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QObject& object);

    const HelpRouter& m_help;
};

} // namespace zelt
