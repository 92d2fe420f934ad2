#include "search/topic_text_lists.h"

#include "base/file_io.h"
#include "list/list_menu.h"

#include <algorithm>

namespace zelt {

namespace {

constexpr std::size_t TabWidth = 8;

} // namespace

std::vector<TopicTextList> TopicTextSearchLists(TopicTextScope scope, std::string_view openListFile,
                                                const std::filesystem::path& listsFolder,
                                                bool displayAllLists)
{
    std::vector<TopicTextList> lists;
    if (scope == TopicTextScope::OpenList) {
        if (!openListFile.empty()) {
            const std::filesystem::path file = PathFromBytes(openListFile);
            lists.push_back({file, BytesFromPath(file.filename())});
        }
        return lists;
    }
    for (ListMenuEntry& entry :
         BuildListMenuEntries(ListFilesInFolder(listsFolder), displayAllLists))
        lists.push_back({listsFolder / PathFromBytes(entry.fileName), std::move(entry.caption)});
    return lists;
}

TopicTextRowLine RowLineOf(std::string_view line, std::size_t column, std::size_t length)
{
    std::string widened;
    widened.reserve(line.size());
    std::size_t hitStart = std::string::npos;
    std::size_t hitEnd = std::string::npos;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (i == column)
            hitStart = widened.size();
        if (i == column + length)
            hitEnd = widened.size();
        if (line[i] == '\t')
            widened.append(TabWidth - widened.size() % TabWidth, ' ');
        else
            widened.push_back(line[i]);
    }
    hitStart = std::min(hitStart, widened.size());
    hitEnd = std::max(hitStart, std::min(hitEnd, widened.size()));
    const std::size_t lead = std::min(widened.find_first_not_of(' '), hitStart);
    return {widened.substr(lead), hitStart - lead, hitEnd - hitStart};
}

} // namespace zelt
