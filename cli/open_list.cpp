#include "cli/open_list.h"

#include "app/error_messages.h"
#include "list/file_entry.h"
#include "list/open_messages.h"

#include <fstream>

namespace zelt::cli {

namespace {

void Report(Streams streams, const std::string& text)
{
    std::fprintf(streams.err, "zelt: %s\n", text.c_str());
}

} // namespace

bool OpenListForCli(LoadedList& list, const LoadRequest& request, Streams streams)
{
    std::error_code error;
    if (!std::filesystem::exists(PathFromBytes(request.listFileName), error)) {
        Report(streams, UnableToFindText(request.listFileName));
        return false;
    }
    LoadObserver quiet;
    const LoadOutcome outcome = LoadListTopics(list, request, quiet);
    if (outcome.error)
        Report(streams, ErrorMessageText(*outcome.error) + " (" + request.listFileName + ")");
    if (!outcome.loaded)
        return false;
    // The viewer reads topic texts from the list file, so it must open too.
    if (!std::ifstream(PathFromBytes(request.listFileName), std::ios::binary)) {
        Report(streams, UnableToOpenText(request.listFileName));
        list.reset();
        return false;
    }
    return true;
}

} // namespace zelt::cli
