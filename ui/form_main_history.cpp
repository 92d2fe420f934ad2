#include "base/file_io.h"
#include "ui/command_updater.h"
#include "ui/form_main.h"

#include <QScopedValueRollback>

namespace zelt {

void TFormMain::recordShownTopic()
{
    if (!m_recordTopics || !m_list.hasCurrentTopic())
        return;
    std::error_code error;
    std::filesystem::path listFile = PathFromBytes(m_list.files.listFileName);
    // The current folder follows the lists folder, so the name is kept whole.
    if (auto whole = std::filesystem::absolute(listFile, error); !error)
        listFile = std::move(whole);
    const FileEntry& entry = m_list.files.listFileEntry;
    m_history.record({std::move(listFile), static_cast<TopicNumber>(m_list.view.currentTopicNumber),
                      entry.size, entry.writeTime});
}

void TFormMain::goBack()
{
    stepInHistory(m_history.back(ListUnchangedOnDisk));
}

void TFormMain::goForward()
{
    stepInHistory(m_history.forward(ListUnchangedOnDisk));
}

void TFormMain::stepInHistory(const std::optional<HistoryEntry>& entry)
{
    if (entry) {
        const QScopedValueRollback pause(m_recordTopics, false);
        showListTopic(entry->listFile, entry->topic);
    }
    m_updater->markDirty();
}

} // namespace zelt
