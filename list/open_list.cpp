#include "list/open_list.h"

#include "list/file_entry.h"
#include "list/open_messages.h"

namespace zelt {

std::optional<OpenListMessage> MissingListMessage(std::string_view listFileName)
{
    if (!listFileName.empty()) {
        std::error_code error;
        const auto status = std::filesystem::status(PathFromBytes(listFileName), error);
        if (!error && std::filesystem::exists(status) && !std::filesystem::is_directory(status))
            return std::nullopt;
    }
    return OpenListMessage{std::nullopt, UnableToFindText(listFileName)};
}

OpenListResult OpenList(LoadedList& list, const LoadRequest& request, LoadObserver& observer)
{
    OpenListResult result;
    if (auto missing = MissingListMessage(request.listFileName)) {
        result.messages.push_back(std::move(*missing));
        return result;
    }
    const LoadOutcome outcome = LoadListTopics(list, request, observer);
    if (outcome.error)
        result.messages.push_back({outcome.error, ErrorMessageText(*outcome.error)});
    if (!outcome.loaded) {
        list.close();
        return result;
    }
    result.stream = TopicReader::Open(request.listFileName);
    if (!result.stream) {
        result.messages.push_back({std::nullopt, UnableToOpenText(request.listFileName)});
        list.close();
        return result;
    }
    result.source = outcome.source;
    list.clearCurrentTopic();
    return result;
}

std::vector<FileIdentity> OpenListFiles(const ListFiles& files, const TopicReader& stream)
{
    std::vector<FileIdentity> kept;
    for (const auto identity : {stream.identity(), IdentityOf(PathFromBytes(files.listFileName))}) {
        if (identity)
            kept.push_back(*identity);
    }
    return kept;
}

} // namespace zelt
