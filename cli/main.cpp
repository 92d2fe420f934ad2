#include "base/program_parameters.h"
#include "cli/command.h"

#include <string_view>
#include <vector>

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[])
{
#ifdef _WIN32
    // The output is the same bytes on every system: no LF becomes CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const std::vector<std::string> parameters = zelt::ProgramParameters(argc, argv);
    const std::vector<std::string_view> args(parameters.begin(), parameters.end());
    return zelt::cli::RunZelt(args, {});
}
