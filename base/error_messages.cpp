#include "base/error_messages.h"

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
    default: {
        std::string text = "Undefined error no. ";
        text += std::to_string(number);
        return text;
    }
    }
}

} // namespace zelt
