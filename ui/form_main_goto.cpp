#include "base/file_io.h"
#include "ui/form_find.h"
#include "ui/form_main.h"

namespace zelt {

bool TFormMain::showListTopic(const std::filesystem::path& listFile, TopicNumber topic)
{
    const std::string fileName = BytesFromPath(listFile);
    const auto isOpen = [&] {
        return m_list.topicCount() > 0 && IsSameFile(fileName, m_list.files.listFileName);
    };
    if (!isOpen()) {
        openList(fileName);
        if (!isOpen())
            return false;
    }
    if (topic >= static_cast<TopicNumber>(m_list.topicCount()))
        return false;
    m_find->showTopic(topic);
    // The grid may have stood on the topic's row already, showing another one.
    if (m_list.view.currentTopicNumber != static_cast<std::int32_t>(topic))
        loadTopic(static_cast<std::int32_t>(topic));
    return m_list.view.currentTopicNumber == static_cast<std::int32_t>(topic);
}

} // namespace zelt
