#include "ui/context_help.h"

#include "help/help_context.h"
#include "ui/help_viewer.h"

#include <QChildEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QWidget>
#include <vector>

namespace zelt {

namespace {

constexpr char HelpContextProperty[] = "zeltHelpContext";

} // namespace

void SetHelpContext(QWidget& control, int context)
{
    control.setProperty(HelpContextProperty, context);
}

int OwnHelpContext(const QWidget& control)
{
    return control.property(HelpContextProperty).toInt();
}

std::optional<int> HelpContextAt(const QWidget& control)
{
    std::vector<int> outward;
    for (const QWidget* widget = &control; widget != nullptr; widget = widget->parentWidget()) {
        outward.push_back(OwnHelpContext(*widget));
        if (widget->isWindow())
            break;
    }
    return HelpContextFor(outward);
}

ContextHelp::ContextHelp(QWidget& window, const HelpRouter& help)
    : QObject(&window)
    , m_help(help)
{
    watch(window);
}

void ContextHelp::watch(QObject& object)
{
    object.installEventFilter(this);
    for (QObject* child : object.children()) {
        if (child->isWidgetType())
            watch(*child);
    }
}

void ContextHelp::requestFor(const QWidget& control) const
{
    if (const auto context = HelpContextAt(control))
        m_help.showPopup(*context, control.mapToGlobal(QPoint(0, 0)));
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (control == nullptr)
        return false;
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            watch(*child);
        return false;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        requestFor(*control);
        return true;
    }
    case QEvent::QueryWhatsThis:
        // The pointer shows the question mark over controls that have help.
        event->setAccepted(m_help.available() && HelpContextAt(*control).has_value());
        return true;
    case QEvent::WhatsThis:
        requestFor(*control);
        event->accept();
        return true;
    default:
        return false;
    }
}

} // namespace zelt
