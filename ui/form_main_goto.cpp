#include "app/program_state.h"
#include "base/code_page_437.h"
#include "base/file_io.h"
#include "base/folder_lookup.h"
#include "list/list_cache.h"
#include "search/reference_resolver.h"
#include "settings/settings.h"
#include "ui/command_updater.h"
#include "ui/form_find.h"
#include "ui/form_go_to.h"
#include "ui/form_main.h"
#include "ui/main_panel.h"
#include "ui/message_boxes.h"
#include "ui/qt_text.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"

#include <QScopedValueRollback>

namespace zelt {

namespace {

// Without an open list, references are read as in the lists folder's interrupt list.
constexpr std::string_view FolderReadingList = "INTERRUP.LST";

std::filesystem::path WholePath(const std::filesystem::path& path)
{
    std::error_code error;
    auto whole = std::filesystem::absolute(path, error);
    return error ? path : whole;
}

} // namespace

bool TFormMain::showListTopic(const std::filesystem::path& listFile, TopicNumber topic)
{
    const std::string fileName = BytesFromPath(listFile);
    const auto isOpen = [&] {
        return m_list.topicCount() > 0 && IsSameFile(fileName, m_list.files.listFileName);
    };
    if (!isOpen()) {
        {
            const QScopedValueRollback pause(m_recordTopics, false);
            openList(fileName);
        }
        if (!isOpen())
            return false;
        markList(fileName);
    }
    if (topic >= static_cast<TopicNumber>(m_list.topicCount()))
        return false;
    m_find->showTopic(topic);
    // The grid may have stood on the topic's row already, showing another one.
    if (m_list.view.currentTopicNumber != static_cast<std::int32_t>(topic))
        loadTopic(static_cast<std::int32_t>(topic));
    recordShownTopic();
    return m_list.view.currentTopicNumber == static_cast<std::int32_t>(topic);
}

ReadingPlace TFormMain::readingPlace() const
{
    if (m_list.topicCount() > 0)
        return {WholePath(PathFromBytes(m_list.files.listFileName)), m_list.files.listKind,
                m_list.view.currentTopicIdentifier};
    const std::filesystem::path folder = WholePath(PathFromBytes(
        m_program.listDirectory.empty() ? m_settings.DefStartupDir : m_program.listDirectory));
    const auto list = FindFileInFolder(folder, FolderReadingList);
    return {list.value_or(folder / FolderReadingList), ListKindOf(FolderReadingList), {}};
}

ResolvedReference TFormMain::resolveReference(std::string_view reference)
{
    m_otherLists->setLoadSettings(m_settings.OnlyParseLST, IndexMode{m_settings.DontUseIndexFile,
                                                                     m_settings.LoadTopicsDirect});
    return m_resolver->resolve(reference, readingPlace(),
                               m_list.topicCount() > 0 ? &m_list.topics() : nullptr);
}

bool TFormMain::goToReference(std::string_view reference)
{
    const ResolvedReference resolved = resolveReference(reference);
    if (!resolved.found()) {
        m_messages.inform(FromCp437(ReferenceFailureText(reference, resolved)));
        return false;
    }
    const std::filesystem::path listFile =
        resolved.listFile.empty() ? readingPlace().listFile : resolved.listFile;
    if (!showListTopic(listFile, *resolved.topic))
        return false;
    if (resolved.tableLine)
        m_panel->topicView()->showLine(*resolved.tableLine);
    if (m_settings.SingleClickView)
        m_panel->grid()->setFocus();
    m_updater->markDirty();
    return true;
}

void TFormMain::showGoTo()
{
    if (m_messages.execDialog(*m_goTo) != QDialog::Accepted)
        return;
    const std::string typed = ToUtf8(m_goTo->reference().trimmed());
    // A character the code page lacks is in no reference.
    const auto bytes = Utf8ToCp437Exact(typed);
    if (!bytes) {
        m_messages.inform(FromUtf8(ReferenceFailureText(typed, ResolvedReference{})));
        return;
    }
    goToReference(NormaliseTypedReference(*bytes));
}

QString TFormMain::referenceTip(const TextReference& reference)
{
    const ResolvedReference resolved = resolveReference(reference.text);
    if (!resolved.found())
        return FromCp437(ReferenceFailureText(reference.text, resolved));
    const TopicTable* topics = nullptr;
    if (resolved.sameList && m_list.topicCount() > 0) {
        topics = &m_list.topics();
    } else if (const LoadedList* other = m_otherLists->topics(resolved.listFile)) {
        topics = &other->topics();
    }
    return topics != nullptr ? FromCp437(ReferenceTargetText(resolved, *topics)) : QString();
}

} // namespace zelt
