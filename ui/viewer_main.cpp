#include "ui/viewer_main.h"

#include "app/app_title.h"
#include "app/command_line.h"
#include "base/file_io.h"
#include "base/program_parameters.h"
#include "settings/settings_store.h"
#include "ui/form_main.h"
#include "ui/launcher.h"
#include "ui/message_boxes.h"
#include "ui/program_run.h"
#include "ui/qt_text.h"
#include "ui/standard_error_messages.h"

#include <QApplication>
#include <filesystem>

namespace zelt {

int RunViewer(int argc, char* argv[], const std::function<void(TFormMain&)>& beforeLoop)
{
    // Read before Qt sees them: Qt would take its own options ("-style",
    // "-reverse", ...) out of them.
    const std::vector<std::string> parameters = ProgramParameters(argc, argv);
    // Qt gets no parameters: every one of them is the program's own.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(FromUtf8(AppTitle));

    // Decided before anything could show a box: a run that ends by itself after
    // start-up reports on standard error, because nobody would close a box.
    const bool quits = EvaluateCommandLine(parameters).quit;
    QtMessageBoxes boxes;
    StandardErrorMessages reports;
    MessageBoxes& messages = quits ? static_cast<MessageBoxes&>(reports) : boxes;
    const std::filesystem::path programFolder =
        PathFromBytes(ToUtf8(QCoreApplication::applicationDirPath()));
    SystemLauncher launcher;
    ProgramRun run(parameters, messages, launcher, OpenUserSettingsStore(), programFolder);
    boxes.setParentWindow(&run.window());
    run.start();
    // QUIT: end once start-up is done, without the exit question or saving;
    // the status tells a script whether anything went wrong.
    if (run.quitRequested())
        return reports.reported() ? 1 : 0;
    if (beforeLoop)
        beforeLoop(run.window());
    return QApplication::exec();
}

} // namespace zelt
