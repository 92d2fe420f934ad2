#pragma once

#include "list/topic_table.h"
#include "search/topic_text_lists.h"

#include <QAbstractTableModel>
#include <cstdint>
#include <string>
#include <vector>

namespace zelt {

// One hit line as the results list keeps it.
struct TopicTextRow {
    std::uint32_t list = 0; // index into the lists searched
    TopicNumber topic = 0;
    std::uint32_t line = 0;
    std::uint32_t column = 0;
    std::string identifier;
    TopicTextRowLine shown;
};

// The rows of a topic text search: list, topic identifier and line.
class TopicTextResultsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { ListColumn, TopicColumn, LineColumn, ColumnCount };
    // The hit in the line column's text: a QPoint of start and length.
    static constexpr int HitRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setResults(std::vector<TopicTextList> lists, std::vector<TopicTextRow> rows);
    void clear() { setResults({}, {}); }

    const TopicTextRow& row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }
    const TopicTextList& listOf(const TopicTextRow& row) const { return m_lists[row.list]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<TopicTextList> m_lists;
    std::vector<TopicTextRow> m_rows;
};

} // namespace zelt
