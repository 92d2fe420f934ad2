#include "ui/screenshots/screenshot_driver.h"

#include "ui/command_actions.h"
#include "ui/form_main.h"
#include "ui/main_panel.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextDocument>
#include <QTimer>
#include <cstdio>

namespace zelt {

namespace {

constexpr int StepPauseMilliseconds = 400;

void Report(const QString& text)
{
    std::fprintf(stderr, "screenshot driver: %s\n", qPrintable(text));
}

} // namespace

ScreenshotDriver* ScreenshotDriver::StartFromEnvironment(TFormMain& window)
{
    const QString path = qEnvironmentVariable(ScriptVariable);
    if (path.isEmpty())
        return nullptr;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        Report(QStringLiteral("cannot read %1").arg(path));
        return nullptr;
    }
    QStringList steps;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString step = line.trimmed();
        if (!step.isEmpty() && !step.startsWith(u'#'))
            steps.push_back(step);
    }
    return new ScreenshotDriver(window, steps);
}

ScreenshotDriver::ScreenshotDriver(TFormMain& window, QStringList steps)
    : QObject(&window)
    , m_window(window)
    , m_steps(std::move(steps))
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(StepPauseMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &ScreenshotDriver::runNextStep);
    m_window.activateWindow();
    m_timer->start();
}

void ScreenshotDriver::runNextStep()
{
    if (m_steps.isEmpty())
        return;
    QStringList words = m_steps.takeFirst().split(u' ', Qt::SkipEmptyParts);
    const QString command = words.takeFirst();
    // First: a step that opens a modal dialog returns only when it closes,
    // and the steps inside the dialog run meanwhile.
    if (!m_steps.isEmpty())
        m_timer->start();
    run(command, words);
}

void ScreenshotDriver::run(const QString& command, const QStringList& arguments)
{
    const QString argument = arguments.value(0);
    if (command == u"resize") {
        m_window.showNormal();
        m_window.resize(argument.toInt(), arguments.value(1).toInt());
    } else if (command == u"select") {
        clickRow(argument.toInt());
    } else if (command == u"key") {
        pressKey(argument);
    } else if (command == u"type") {
        typeText(arguments.join(u' '));
    } else if (command == u"seealso") {
        m_window.mainPanel().popUpSeeAlsoMenu();
    } else if (command == u"zoom") {
        m_window.updateCommands();
        m_window.commandActions().command(CommandId::OptionsZoomTopic)->trigger();
    } else if (command == u"closemenus") {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMenu*>(widget) != nullptr)
                widget->hide();
        }
    } else if (command == u"tip") {
        restMouseOn(arguments.join(u' '));
    } else if (command == u"command") {
        triggerCommand(argument);
    } else if (command == u"page") {
        if (auto* pages = activeDialogChild<QTabWidget>(QStringLiteral("PageControl")))
            pages->setCurrentIndex(argument.toInt());
    } else if (command == u"click") {
        if (auto* button = activeDialogChild<QAbstractButton>(argument))
            button->click();
    } else if (command == u"combo") {
        if (auto* box = activeDialogChild<QComboBox>(argument))
            box->setCurrentIndex(box->findText(arguments.mid(1).join(u' ')));
    } else if (command == u"spin") {
        if (auto* box = activeDialogChild<QSpinBox>(argument))
            box->setValue(arguments.value(1).toInt());
    } else if (command == u"helpkey") {
        pressHelpKey(argument);
    } else if (command == u"acceptdialog") {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    } else if (command == u"closedialog") {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    } else if (command == u"shot") {
        saveShot(arguments.join(u' '));
    } else if (command == u"dialogshot") {
        saveDialogShot(arguments.join(u' '));
    } else if (command == u"quit") {
        QCoreApplication::exit(0);
    } else {
        Report(QStringLiteral("unknown step %1").arg(command));
    }
}

void ScreenshotDriver::clickRow(int row)
{
    TopicsGrid& grid = m_window.topicsGrid();
    const QModelIndex index = grid.model()->index(row, 1);
    grid.scrollTo(index);
    const QPointF point = grid.visualRect(index).center();
    const QPointF global = grid.viewport()->mapToGlobal(point);
    // A click of the user's would have given the grid the focus.
    grid.setFocus(Qt::MouseFocusReason);
    QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &release);
}

void ScreenshotDriver::pressKey(const QString& name)
{
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (sequence.isEmpty()) {
        Report(QStringLiteral("unknown key %1").arg(name));
        return;
    }
    const QKeyCombination combination = sequence[0];
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr)
        target = &m_window;
    QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, combination.key(), combination.keyboardModifiers());
    QApplication::sendEvent(target, &release);
}

void ScreenshotDriver::restMouseOn(const QString& text)
{
    TopicView& view = m_window.topicView();
    const auto position = view.document()->toRawText().lastIndexOf(text);
    if (position < 0) {
        Report(QStringLiteral("no %1 in the topic").arg(text));
        return;
    }
    QTextCursor at(view.document());
    at.setPosition(static_cast<int>(position) + 1);
    const QPoint point = view.cursorRect(at).center() + QPoint(2, 0);
    QHelpEvent help(QEvent::ToolTip, point, view.viewport()->mapToGlobal(point));
    QApplication::sendEvent(view.viewport(), &help);
}

// Each character as a key of its own, into the focused control.
void ScreenshotDriver::typeText(const QString& text)
{
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        Report(QStringLiteral("nothing focused to type %1 into").arg(text));
        return;
    }
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(target, &release);
    }
}

void ScreenshotDriver::triggerCommand(const QString& name)
{
    m_window.updateCommands();
    QAction* action = m_window.commandActions().find(name.toStdString());
    if (action == nullptr) {
        Report(QStringLiteral("unknown command %1").arg(name));
        return;
    }
    action->trigger();
}

// F1 on a control of the dialog that is up, as the user would press it.
void ScreenshotDriver::pressHelpKey(const QString& controlName)
{
    auto* control = activeDialogChild<QWidget>(controlName);
    if (control == nullptr)
        return;
    control->setFocus(Qt::OtherFocusReason);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(control, &release);
}

template <typename Widget>
Widget* ScreenshotDriver::activeDialogChild(const QString& name)
{
    QWidget* dialog = QApplication::activeModalWidget();
    Widget* child = dialog != nullptr ? dialog->findChild<Widget*>(name) : nullptr;
    if (child == nullptr)
        Report(QStringLiteral("no %1 in a dialog").arg(name));
    return child;
}

// The dialog that is up (or else the help window) with the popups over it,
// cut from the screen, so that a popup reaching beyond the dialog is whole.
void ScreenshotDriver::saveDialogShot(const QString& file)
{
    QWidget* base = QApplication::activeModalWidget();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* widget : windows) {
        if (base == nullptr && widget->isVisible() && widget->objectName() == u"HelpWindow")
            base = widget;
    }
    if (base == nullptr) {
        Report(QStringLiteral("no dialog for %1").arg(file));
        return;
    }
    QRect area = base->frameGeometry();
    for (QWidget* widget : windows) {
        if (widget != base && widget->isVisible() && widget->windowType() == Qt::Popup)
            area |= widget->frameGeometry().adjusted(-8, -8, 8, 8);
    }
    QScreen* screen = base->screen();
    const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (!shot.save(file, "PNG"))
        Report(QStringLiteral("cannot save %1").arg(file));
}

// A popup menu is a window of its own: it is painted over the window's image
// where it stands on the screen.
void ScreenshotDriver::saveShot(const QString& file)
{
    QPixmap shot = m_window.grab();
    QPainter painter(&shot);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const bool popup =
            qobject_cast<QMenu*>(widget) != nullptr || widget->windowType() == Qt::ToolTip;
        if (popup && widget->isVisible())
            painter.drawPixmap(m_window.mapFromGlobal(widget->pos()), widget->grab());
    }
    painter.end();
    if (!shot.save(file, "PNG"))
        Report(QStringLiteral("cannot save %1").arg(file));
}

} // namespace zelt
