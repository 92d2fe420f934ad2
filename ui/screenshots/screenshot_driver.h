#pragma once

#include <QObject>
#include <QStringList>

class QTimer;

namespace zelt {

class TFormMain;

// Drives the window from a file of steps so that a script can take
// screenshots; started only when ZELT_SCREENSHOT_SCRIPT names such a file.
// One step a line, run one after the other with a pause between them:
//   resize W H        the window's size
//   select N          a click on grid row N
//   key NAME          a key press on the focused control (Down, Up, PageDown,
//                     Return, F5, ... as QKeySequence names them)
//   seealso           pops up the see-also menu
//   zoom              the Zoom Topic command
//   closemenus        hides the menus that are up
//   tip TEXT          rests the mouse on the last TEXT of the topic shown, for
//                     its tooltip
//   command NAME      triggers a command (OptionsConfigurationCmd, ...); a
//                     dialog it opens stays up for the following steps
//   page N            shows page N of the dialog that is up
//   click NAME        clicks the named button of the dialog that is up; a
//                     dialog it opens stays up for the following steps
//   combo NAME TEXT   picks TEXT in the named combo box of the dialog that is up
//   spin NAME N       sets the named spin box of the dialog that is up to N
//   helpkey NAME      F1 on the named control of the dialog that is up
//   acceptdialog      closes the dialog that is up with OK
//   closedialog       closes the dialog that is up with Cancel
//   shot FILE         saves the window, with the menus and tooltip that are
//                     up, as PNG
//   dialogshot FILE   saves the dialog that is up (or the help window) with
//                     the popups over it, as the screen shows them
//   quit              ends the program without the exit question
// Blank lines and lines starting with # are skipped.
class ScreenshotDriver final : public QObject {
    Q_OBJECT

public:
    static constexpr char ScriptVariable[] = "ZELT_SCREENSHOT_SCRIPT";

    // Nothing when the variable is not set or its file cannot be read.
    static ScreenshotDriver* StartFromEnvironment(TFormMain& window);

    ScreenshotDriver(TFormMain& window, QStringList steps);

private:
    void runNextStep();
    void run(const QString& command, const QStringList& arguments);
    void clickRow(int row);
    void pressKey(const QString& name);
    void restMouseOn(const QString& text);
    void typeText(const QString& text);
    void saveShot(const QString& file);
    void triggerCommand(const QString& name);
    void pressHelpKey(const QString& controlName);
    void saveDialogShot(const QString& file);
    template <typename Widget>
    Widget* activeDialogChild(const QString& name);

    TFormMain& m_window;
    QStringList m_steps;
    QTimer* m_timer = nullptr;
};

} // namespace zelt
