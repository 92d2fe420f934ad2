#include "base/program_version.h"

#include "base/code_page_437.h"
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

// The release letter is a character of the Windows code page 1252.
char32_t Windows1252ToUnicode(unsigned char byte) noexcept
{
    static constexpr char16_t High[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    if (byte >= 0x80 && byte < 0xA0)
        return High[byte - 0x80];
    return byte;
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

std::string VersionLabelText(const ProgramVersion& version)
{
    std::string text =
        "Version: " + std::to_string(version.major) + "." + std::to_string(version.minor);
    if (version.release == 0) {
        text += "\u00DF" + std::to_string(version.build);
    } else if (version.release > 1) {
        // The release letters run from "a"; a release past the last letter
        // of the byte range has none.
        const int code = version.release + 95;
        if (code <= 0xFF)
            AppendUtf8(text, Windows1252ToUnicode(static_cast<unsigned char>(code)));
    }
    if (version.debugBuild)
        text += "  (Debug Build)";
    return text;
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
