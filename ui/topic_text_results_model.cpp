#include "ui/topic_text_results_model.h"

#include "ui/qt_text.h"

#include <QPoint>

namespace zelt {

void TopicTextResultsModel::setResults(std::vector<TopicTextList> lists,
                                       std::vector<TopicTextRow> rows)
{
    beginResetModel();
    m_lists = std::move(lists);
    m_rows = std::move(rows);
    endResetModel();
}

int TopicTextResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TopicTextResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TopicTextResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TopicTextRow& hit = row(index.row());
    if (role == HitRole && index.column() == LineColumn)
        return QPoint(static_cast<int>(hit.shown.hitStart), static_cast<int>(hit.shown.hitLength));
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case ListColumn:
        return FromUtf8(listOf(hit).caption);
    case TopicColumn:
        return FromCp437(hit.identifier);
    case LineColumn:
        return FromCp437(hit.shown.text);
    default:
        return {};
    }
}

QVariant TopicTextResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ListColumn:
        return QStringLiteral("List");
    case TopicColumn:
        return QStringLiteral("Topic");
    case LineColumn:
        return QStringLiteral("Line");
    default:
        return {};
    }
}

} // namespace zelt
