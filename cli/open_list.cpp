#include "cli/open_list.h"

#include "base/error_messages.h"
#include "list/file_entry.h"
#include "list/open_messages.h"

#include <charconv>

namespace zelt::cli {

namespace {

void Report(Streams streams, const std::string& text)
{
    std::fprintf(streams.err, "zelt: %s\n", text.c_str());
}

} // namespace

std::optional<TopicReader> OpenListForCli(LoadedList& list, const LoadRequest& request,
                                          Streams streams)
{
    std::error_code error;
    if (!std::filesystem::exists(PathFromBytes(request.listFileName), error)) {
        Report(streams, UnableToFindText(request.listFileName));
        return std::nullopt;
    }
    LoadObserver quiet;
    const LoadOutcome outcome = LoadListTopics(list, request, quiet);
    if (outcome.error)
        Report(streams, ErrorMessageText(*outcome.error) + " (" + request.listFileName + ")");
    if (!outcome.loaded)
        return std::nullopt;
    // Topic texts are read from the list file, so it must open too.
    auto reader = TopicReader::Open(request.listFileName);
    if (!reader) {
        Report(streams, UnableToOpenText(request.listFileName));
        list.reset();
    }
    return reader;
}

std::optional<TopicReader> OpenListForCli(LoadedList& list, std::string_view listFileName,
                                          Streams streams)
{
    LoadRequest request;
    request.listFileName = listFileName;
    request.onlyParseLst = true;
    return OpenListForCli(list, request, streams);
}

bool WriteOutput(std::string_view text, Streams streams)
{
    if (std::fwrite(text.data(), 1, text.size(), streams.out) == text.size() &&
        std::fflush(streams.out) == 0)
        return true;
    std::fputs("zelt: cannot write the output\n", streams.err);
    return false;
}

void AppendNumber(std::string& out, long long value)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

} // namespace zelt::cli
