#pragma once

#include <string>
#include <vector>

namespace zelt {

// The parameters the program was started with, without the program name, in
// UTF-8. On Windows they come from the wide command line, so every character of
// a file name survives (argv holds them in the ANSI code page); elsewhere they
// are argv's bytes as they stand.
std::vector<std::string> ProgramParameters(int argc, char* argv[]);

} // namespace zelt
