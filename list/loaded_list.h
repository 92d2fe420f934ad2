#pragma once

#include "list/file_entry.h"
#include "list/list_kind.h"
#include "list/topic_table.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelt {

// The list file and its index file as they were when the list was opened.
struct ListFiles {
    std::string listFileName;
    std::string indexFileName;
    FileEntry listFileEntry;
    std::optional<FileEntry> indexFileEntry;
    bool parseDividers = true;
    ListKind listKind = ListKind::None;
};

// What the grid and the topic view show of the open list.
struct ListViewState {
    CategoryChar currentCategory = 0;
    std::int32_t selectedTopic = 0;
    std::int32_t currentTopicNumber = -1;
    std::string currentTopicIdentifier;
    std::string currentTopicTitle;
};

// The one open list: its topics and the grid's row map. Topic texts stay in
// the list file; only identifiers, titles and positions live here.
class LoadedList {
public:
    LoadedList();

    ListFiles files;
    ListViewState view;

    // Empties the model; the row map keeps its single start-up entry only
    // before the first list is opened.
    void reset();
    // No list is open: no files, no topics, no category and no topic shown.
    void close() { reset(); }

    // The topic the view shows; its identifier and title are kept so that
    // they stay valid while the grid shows another category.
    void setCurrentTopic(TopicNumber topic);
    void clearCurrentTopic();
    bool hasCurrentTopic() const noexcept { return view.currentTopicNumber >= 0; }

    void beginLoad(std::size_t capacity);
    // Grows the arrays in steps of 1000 topics while a scan counts them.
    void reserveText(std::size_t bytes) { m_topics.reserveText(bytes); }
    void growForScan(std::int32_t topicCount);
    void addTopic(std::string_view identifier, std::string_view title, CategoryChar category,
                  std::int32_t start, std::int32_t length);
    void finishLoad();

    const TopicTable& topics() const noexcept { return m_topics; }
    std::int32_t topicCount() const noexcept { return m_topicCount; }
    const std::bitset<256>& categoriesPresent() const noexcept
    {
        return m_topics.categoriesPresent();
    }

    std::span<const TopicNumber> rowMap() const noexcept
    {
        return std::span(m_rowMap).first(static_cast<std::size_t>(m_viewRowCount));
    }
    std::int32_t viewRowCount() const noexcept { return m_viewRowCount; }
    TopicNumber topicAtRow(std::int32_t row) const noexcept
    {
        return m_rowMap[static_cast<std::size_t>(row)];
    }
    void setRowMap(std::vector<TopicNumber> rows);

    // Heap bytes of the model beyond the identifier and title bytes.
    std::size_t overheadBytes() const noexcept;

private:
    TopicTable m_topics;
    std::vector<TopicNumber> m_rowMap{0};
    std::int32_t m_topicCount = 0;
    std::int32_t m_viewRowCount = 0;
};

} // namespace zelt
