#include "app/command_line.h"

#include "base/ascii_text.h"

#include <string_view>

namespace zelt {

namespace {

void SetIndexMode(CommandLineResult& result, bool dontUseIndexFile, bool loadTopicsDirect)
{
    result.dontUseIndexFile = dontUseIndexFile;
    result.loadTopicsDirect = loadTopicsDirect;
}

// False when the switch is not one of ours.
bool ApplySwitch(CommandLineResult& result, std::string_view name)
{
    if (name == "INDEXUSE")
        SetIndexMode(result, false, false);
    else if (name == "INDEXNOUPDATE")
        SetIndexMode(result, true, false);
    else if (name == "INDEXNOUSE" || name == "NOINDEX")
        SetIndexMode(result, false, true);
    else if (name == "CONFIGNOSAVE" || name == "NOREGISTRY")
        result.noSaveSettings = true;
    else if (name == "CONFIGCLEAR")
        result.clearStoredSettings = true;
    else if (name == "QUIT")
        result.quit = true;
    else
        return false;
    return true;
}

// A path outside Windows begins with a slash, so there a slash starts a switch
// only when no further slash follows ("/quit", but not "/home/u/PORTS.LST").
bool IsSwitch(std::string_view param)
{
    if (param.front() == '-')
        return true;
    if (param.front() != '/')
        return false;
#ifdef _WIN32
    return true;
#else
    return param.find('/', 1) == std::string_view::npos;
#endif
}

} // namespace

CommandLineResult EvaluateCommandLine(std::span<const std::string> params)
{
    CommandLineResult result;
    for (const std::string& param : params) {
        if (param.empty())
            continue;
        if (!IsSwitch(param)) {
            result.commandLineList = param;
            continue;
        }
        if (!ApplySwitch(result, UpperAscii(std::string_view(param).substr(1)))) {
            result.unknownParameter = true;
            break;
        }
    }
    // A run told to end must end also when an unknown switch stopped the
    // evaluation before its QUIT: nobody is there to close the window.
    for (const std::string& param : params)
        result.quit = result.quit ||
                      (!param.empty() && IsSwitch(param) && UpperAscii(param.substr(1)) == "QUIT");
    return result;
}

} // namespace zelt
