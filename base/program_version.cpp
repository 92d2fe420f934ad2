#include "base/program_version.h"

#include "base/version.h"

#ifdef _WIN32
#include "base/version_resource.h"
#endif

#include <charconv>

namespace zelt {

namespace {

bool ParseDecimal(std::string_view text, int& value)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

} // namespace

ProgramVersion ParseProgramVersion(std::string_view versionText)
{
    ProgramVersion version;
    int* const numbers[] = {&version.major, &version.minor, &version.release, &version.build};
    for (int* number : numbers) {
        if (versionText.empty())
            break;
        const auto dot = versionText.find('.');
        int value = 0;
        if (!ParseDecimal(versionText.substr(0, dot), value))
            break;
        *number = value;
        if (dot == std::string_view::npos)
            break;
        versionText.remove_prefix(dot + 1);
    }
    return version;
}

ProgramVersion ReadProgramVersion()
{
#ifdef _WIN32
    ProgramVersion version =
        ParseProgramVersion(ReadFileVersionText(RunningProgramFile()).value_or(""));
#else
    ProgramVersion version = ParseProgramVersion(build::VersionText);
#endif
#ifdef ZELT_DEBUG_BUILD
    version.debugBuild = true;
#endif
    return version;
}

} // namespace zelt
