#pragma once

#include "list/topic_table.h"
#include "search/topic_text_lists.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace zelt {

class LoadedList;

// What the Search Topic Texts panel asks of the main window.
class TopicTextSearchHost {
public:
    virtual std::vector<TopicTextList> topicTextLists(TopicTextScope scope) const = 0;
    // The topics of a list to search: the open list's own, else as opening
    // the list would load them; nothing when it cannot be loaded.
    virtual const LoadedList* topicTextTopics(const std::filesystem::path& listFile) = 0;
    // Shows the topic, its list opened first when it is another one, and
    // selects the hit in the topic view.
    virtual void showTopicTextHit(const std::filesystem::path& listFile, TopicNumber topic,
                                  std::uint32_t line, std::uint32_t column, std::size_t length) = 0;

protected:
    ~TopicTextSearchHost() = default;
};

} // namespace zelt
