#include "ui/screenshots/screenshot_driver.h"
#include "ui/viewer_main.h"

// The viewer with a driver that walks it through a script of steps, for
// taking the README's screenshots; never installed.
int main(int argc, char* argv[])
{
    return zelt::RunViewer(argc, argv, [](zelt::TFormMain& window) {
        zelt::ScreenshotDriver::StartFromEnvironment(window);
    });
}
