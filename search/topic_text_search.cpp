#include "search/topic_text_search.h"

namespace zelt {

TopicTextResult SearchTopicTexts(std::string_view, const TopicTable&, const SearchPattern&,
                                 std::size_t)
{
    return {};
}

std::optional<TopicTextResult> SearchTopicTextsInFile(const std::filesystem::path&,
                                                      const TopicTable&, const SearchPattern&,
                                                      std::size_t)
{
    return TopicTextResult{};
}

std::string TopicTextCountText(std::size_t lineCount, std::size_t)
{
    return lineCount == 0 ? "Not found" : "";
}

} // namespace zelt
