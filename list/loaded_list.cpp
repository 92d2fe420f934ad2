#include "list/loaded_list.h"

namespace zelt {

namespace {
constexpr std::size_t GrowthStep = 1000;
}

LoadedList::LoadedList() = default;

void LoadedList::reset()
{
    files = {};
    view = {};
    m_topics.clear();
    m_rowMap = {};
    m_topicCount = 0;
    m_viewRowCount = 0;
}

void LoadedList::setCurrentTopic(TopicNumber topic)
{
    view.currentTopicIdentifier = m_topics.identifier(topic);
    view.currentTopicTitle = m_topics.title(topic);
    view.currentTopicNumber = static_cast<std::int32_t>(topic);
}

void LoadedList::clearCurrentTopic()
{
    view.currentTopicNumber = -1;
    view.currentTopicIdentifier.clear();
    view.currentTopicTitle.clear();
}

void LoadedList::beginLoad(std::size_t capacity)
{
    m_topics.clear();
    m_rowMap = {};
    m_topicCount = 0;
    m_viewRowCount = 0;
    m_topics.reserve(capacity);
    m_rowMap.reserve(capacity);
}

void LoadedList::growForScan(std::int32_t topicCount)
{
    const auto count = static_cast<std::size_t>(topicCount);
    if (count % GrowthStep != 0)
        return;
    const std::size_t capacity = (count / GrowthStep + 1) * GrowthStep;
    m_topics.reserve(capacity);
    m_rowMap.reserve(capacity);
}

void LoadedList::addTopic(std::string_view identifier, std::string_view title,
                          CategoryChar category, std::int32_t start, std::int32_t length)
{
    m_rowMap.push_back(static_cast<TopicNumber>(m_topics.size()));
    m_topics.append(identifier, title, category, start, length);
}

void LoadedList::finishLoad()
{
    m_topics.shrinkToFit();
    m_rowMap.shrink_to_fit();
    m_topicCount = static_cast<std::int32_t>(m_topics.size());
    m_viewRowCount = m_topicCount;
}

void LoadedList::setRowMap(std::vector<TopicNumber> rows)
{
    m_rowMap = std::move(rows);
    m_viewRowCount = static_cast<std::int32_t>(m_rowMap.size());
}

std::size_t LoadedList::overheadBytes() const noexcept
{
    return m_topics.overheadBytes() + m_rowMap.capacity() * sizeof(TopicNumber);
}

} // namespace zelt
