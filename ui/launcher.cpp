#include "ui/launcher.h"

#include "ui/qt_text.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#ifdef Q_OS_WIN
// <shellapi.h> needs the types of <windows.h> declared first: the order is
// fixed, kept from include sorting by the blank line between them.
#include "base/windows_headers.h"

#include <shellapi.h>
#endif

namespace zelt {

namespace {

void OpenOnDesktop(const std::string& target)
{
    // An empty name gives an empty address, which the desktop refuses.
    QDesktopServices::openUrl(target.empty() ? QUrl() : QUrl::fromLocalFile(FromUtf8(target)));
}

void ShellVerb(const LaunchRequest& request, QWidget* owner)
{
#ifdef Q_OS_WIN
    const HWND window =
        owner != nullptr ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
    const std::wstring verb = FromUtf8(request.verb).toStdWString();
    const std::wstring target = FromUtf8(request.target).toStdWString();
    ShellExecuteW(window, verb.c_str(), target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
#else
    Q_UNUSED(owner);
    OpenOnDesktop(request.target);
#endif
}

} // namespace

void SystemLauncher::launch(const LaunchRequest& request, QWidget* owner)
{
    switch (request.kind) {
    case LaunchRequest::Kind::ShellVerb:
        ShellVerb(request, owner);
        return;
    case LaunchRequest::Kind::Program: {
        QStringList arguments;
        for (const std::string& argument : request.arguments)
            arguments.push_back(FromUtf8(argument));
        QProcess::startDetached(FromUtf8(request.program), arguments,
                                FromUtf8(request.workingFolder));
        return;
    }
    case LaunchRequest::Kind::DesktopOpen:
        OpenOnDesktop(request.target);
        return;
    }
}

} // namespace zelt
