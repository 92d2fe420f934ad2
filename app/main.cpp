#include "app/app_title.h"
#include "settings/settings_store.h"
#include "ui/form_main.h"
#include "ui/message_boxes.h"
#include "ui/program_run.h"
#include "ui/qt_text.h"
#include "ui/screenshot_driver.h"

#include <QApplication>
#include <filesystem>

int main(int argc, char* argv[])
{
    const std::vector<std::string> parameters = zelt::ProgramParameters(argc, argv);
    // Qt gets no parameters: every one of them is the program's own.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(zelt::FromUtf8(zelt::AppTitle));

    zelt::QtMessageBoxes messages;
    const std::filesystem::path programFolder =
        QCoreApplication::applicationDirPath().toStdString();
    zelt::ProgramRun run(parameters, messages, zelt::OpenUserSettingsStore(), programFolder);
    messages.setParentWindow(&run.window());
    run.start();
    // QUIT: end once start-up is done, without the exit question or saving.
    if (run.quitRequested())
        return 0;
    zelt::ScreenshotDriver::StartFromEnvironment(run.window());
    return QApplication::exec();
}
