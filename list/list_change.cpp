#include "list/list_change.h"

#include "list/file_entry.h"

namespace zelt {

bool ListFileChanged(const ListFiles& files)
{
    if (files.listFileName.empty())
        return false;
    const auto now = ReadFileEntry(PathFromBytes(files.listFileName));
    return now && (now->size != files.listFileEntry.size ||
                   now->writeTime != files.listFileEntry.writeTime);
}

std::optional<TopicNumber> FindTopicAgain(const TopicTable& topics, std::string_view identifier,
                                          std::string_view title, TopicNumber oldNumber)
{
    std::optional<TopicNumber> found;
    const auto distance = [oldNumber](TopicNumber n) {
        return n > oldNumber ? n - oldNumber : oldNumber - n;
    };
    for (TopicNumber n = 0; n < topics.size(); ++n) {
        if (topics.identifier(n) == identifier && topics.title(n) == title &&
            (!found || distance(n) < distance(*found)))
            found = n;
    }
    return found;
}

} // namespace zelt
