#include "list/open_messages.h"

#include "base/ascii_text.h"

namespace zelt {

std::string UnableToFindText(std::string_view listFileName)
{
    return "Unable to find \"" + std::string(FileNameOf(listFileName)) + "\" !";
}

std::string UnableToOpenText(std::string_view listFileName)
{
    return "Unable to open \"" + std::string(listFileName) + "\" !";
}

} // namespace zelt
