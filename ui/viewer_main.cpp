#include "ui/viewer_main.h"

#include "app/app_title.h"
#include "base/file_io.h"
#include "base/program_parameters.h"
#include "settings/settings_store.h"
#include "ui/form_main.h"
#include "ui/message_boxes.h"
#include "ui/program_run.h"
#include "ui/qt_text.h"

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

    QtMessageBoxes messages;
    const std::filesystem::path programFolder =
        PathFromBytes(ToUtf8(QCoreApplication::applicationDirPath()));
    ProgramRun run(parameters, messages, OpenUserSettingsStore(), programFolder);
    messages.setParentWindow(&run.window());
    run.start();
    // QUIT: end once start-up is done, without the exit question or saving.
    if (run.quitRequested())
        return 0;
    if (beforeLoop)
        beforeLoop(run.window());
    return QApplication::exec();
}

} // namespace zelt
