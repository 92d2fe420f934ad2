#pragma once

#include <QStyledItemDelegate>

namespace zelt {

class LoadedList;

// Paints every cell of the topics grid itself, from the loaded list: the
// colours of the selected row by the grid's focus, the category character box,
// the dotted outline of the focused row and the separator right of column 0.
class TopicsGridDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    TopicsGridDelegate(const LoadedList& list, QObject* parent);

    void setShowCategoryChar(bool show) { m_showCategoryChar = show; }
    bool showCategoryChar() const noexcept { return m_showCategoryChar; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const LoadedList& m_list;
    bool m_showCategoryChar = true;
};

} // namespace zelt
