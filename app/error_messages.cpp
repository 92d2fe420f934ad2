#include "app/error_messages.h"

namespace zelt {

std::string ErrorMessageText(ErrorNumber number)
{
    switch (number) {
    case ErrorUnableToLoadList:
        return "Unable to load list !";
    case ErrorUnableToCreateIndexFile:
        return "Unable to create indexfile !";
    case ErrorUnableToLoadTopic:
        return "Unable to load topic from list !";
    case ErrorUnknownCommandLineParameter:
        return "Unknown commandline parameter(s) !";
    default:
        return "Undefined error no. " + std::to_string(number);
    }
}

} // namespace zelt
