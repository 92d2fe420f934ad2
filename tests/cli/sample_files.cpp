#include "sample_files.h"

#include "list/list_loader.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zelt::test {

std::vector<std::filesystem::path> SampleLists()
{
    std::vector<std::filesystem::path> lists;
    for (const auto& entry : std::filesystem::directory_iterator(SamplesDir)) {
        if (entry.path().extension() == ".LST")
            lists.push_back(entry.path());
    }
    std::sort(lists.begin(), lists.end());
    return lists;
}

std::vector<std::string_view> CrLfLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find("\r\n");
        lines.push_back(bytes.substr(0, end));
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 2);
    }
    return lines;
}

LoadedList LoadTopics(const std::filesystem::path& path)
{
    LoadedList list;
    LoadRequest request;
    request.listFileName = path.string();
    request.indexMode.loadTopicsDirect = true;
    LoadObserver quiet;
    EXPECT_TRUE(LoadListTopics(list, request, quiet).loaded) << path;
    return list;
}

std::vector<std::string_view> TopicLines(std::string_view bytes, const LoadedList& list,
                                         TopicNumber n)
{
    const TopicRef topic = list.topics().topic(n);
    const auto start = std::min(static_cast<std::size_t>(topic.start), bytes.size());
    return CrLfLines(bytes.substr(start, static_cast<std::size_t>(topic.length)));
}

} // namespace zelt::test
