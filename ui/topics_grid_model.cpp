#include "ui/topics_grid_model.h"

#include "list/loaded_list.h"
#include "ui/qt_text.h"

namespace zelt {

TopicsGridModel::TopicsGridModel(const LoadedList& list, QObject* parent)
    : QAbstractTableModel(parent)
    , m_list(list)
{}

int TopicsGridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || m_list.topicCount() < 1)
        return 0;
    return m_list.viewRowCount();
}

int TopicsGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant TopicsGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TopicNumber topic = m_list.topicAtRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return FromCp437(index.column() == 0 ? m_list.topics().identifier(topic)
                                             : m_list.topics().title(topic));
    case CategoryRole:
        return static_cast<int>(m_list.topics().category(topic));
    case TopicNumberRole:
        return static_cast<qulonglong>(topic);
    default:
        return {};
    }
}

QVariant TopicsGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? QStringLiteral("Topic") : QStringLiteral("Title");
}

void TopicsGridModel::changeRows(const std::function<void()>& change)
{
    beginResetModel();
    change();
    endResetModel();
}

} // namespace zelt
