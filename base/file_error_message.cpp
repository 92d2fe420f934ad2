#include "base/file_error_message.h"

namespace zelt {

std::string PathToUtf8(const std::filesystem::path& path)
{
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::string FileErrorMessage(const FileError& error)
{
    switch (error.step) {
    case FileError::Step::Open:
    case FileError::Step::Read:
        return "Cannot open file " + PathToUtf8(error.path);
    case FileError::Step::Create:
    case FileError::Step::Write:
    case FileError::Step::Rename:
        break;
    }
    return "Cannot create file " + PathToUtf8(error.path);
}

} // namespace zelt
