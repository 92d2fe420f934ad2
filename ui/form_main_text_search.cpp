#include "app/program_state.h"
#include "base/file_io.h"
#include "list/list_cache.h"
#include "settings/settings.h"
#include "ui/form_main.h"
#include "ui/main_panel.h"
#include "ui/topic_view.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace zelt {

std::vector<TopicTextList> TFormMain::topicTextLists(TopicTextScope scope) const
{
    const std::string openList = m_list.topicCount() > 0 ? m_list.files.listFileName : "";
    return TopicTextSearchLists(scope, openList, PathFromBytes(m_program.listDirectory),
                                m_settings.DisplayAllLists);
}

const LoadedList* TFormMain::topicTextTopics(const std::filesystem::path& listFile)
{
    if (m_list.topicCount() > 0 && IsSameFile(BytesFromPath(listFile), m_list.files.listFileName))
        return &m_list;
    const IndexMode indexMode{m_settings.DontUseIndexFile, m_settings.LoadTopicsDirect};
    m_otherLists->setLoadSettings(m_settings.OnlyParseLST, indexMode);
    return m_otherLists->topics(listFile);
}

void TFormMain::showTopicTextHit(const std::filesystem::path& listFile, TopicNumber topic,
                                 std::uint32_t line, std::uint32_t column, std::size_t length)
{
    if (!showListTopic(listFile, topic))
        return;
    // Line n of the topic is block n - 1 of the view; a cut line is shorter.
    TopicView& view = *m_panel->topicView();
    const QTextBlock block = view.document()->findBlockByNumber(static_cast<int>(line) - 1);
    if (!block.isValid())
        return;
    const auto lineLength = static_cast<std::size_t>(std::max(0, block.length() - 1));
    const std::size_t start = std::min<std::size_t>(column, lineLength);
    view.selectRange(block.position() + static_cast<int>(start),
                     static_cast<int>(std::min(length, lineLength - start)));
}

} // namespace zelt
