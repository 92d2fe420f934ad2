#pragma once

#include <QAbstractTableModel>
#include <functional>

namespace zelt {

class LoadedList;

// The topics grid's rows, read on demand from the loaded list through its row
// map; nothing is copied per row.
class TopicsGridModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int CategoryRole = Qt::UserRole;
    static constexpr int TopicNumberRole = Qt::UserRole + 1;

    explicit TopicsGridModel(const LoadedList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Runs a change of the list's rows as one model reset.
    void changeRows(const std::function<void()>& change);

private:
    const LoadedList& m_list;
};

} // namespace zelt
