#include "base/program_parameters.h"

#ifdef _WIN32
#include "base/windows_headers.h"
#include "base/windows_text.h"
// Needs the types of windows.h.
#include <shellapi.h>
#endif

namespace zelt {

std::vector<std::string> ProgramParameters(int argc, char* argv[])
{
    std::vector<std::string> parameters;
#ifdef _WIN32
    (void)argc;
    (void)argv;
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; arguments != nullptr && i < count; ++i)
        parameters.push_back(Utf8FromWide(arguments[i]));
    LocalFree(arguments);
#else
    for (int i = 1; i < argc; ++i)
        parameters.emplace_back(argv[i]);
#endif
    return parameters;
}

} // namespace zelt
