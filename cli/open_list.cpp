#include "cli/open_list.h"

#include "cli/escaped_cell.h"
#include "list/open_list.h"

#include <charconv>

namespace zelt::cli {

std::optional<TopicReader> OpenListForCli(LoadedList& list, const LoadRequest& request,
                                          Streams streams)
{
    LoadObserver quiet;
    OpenListResult result = OpenList(list, request, quiet);
    for (const OpenListMessage& message : result.messages) {
        // A numbered message does not name the list, so the report adds it.
        if (message.number)
            std::fprintf(streams.err, "zelt: %s (%s)\n", EscapedName(message.text).c_str(),
                         EscapedName(request.listFileName).c_str());
        else
            std::fprintf(streams.err, "zelt: %s\n", EscapedName(message.text).c_str());
    }
    return std::move(result.stream);
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

bool WriteWhenFull(std::string& out, Streams streams)
{
    if (out.size() < OutputPiece)
        return true;
    const bool written = WriteOutput(out, streams);
    out.clear();
    return written;
}

void AppendNumber(std::string& out, long long value)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

} // namespace zelt::cli
