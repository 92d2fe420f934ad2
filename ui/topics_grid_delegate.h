#pragma once

#include <QStyledItemDelegate>

namespace zelt {

// Draws the grid's cells without the style's per-cell focus frame; with the
// category characters on, column 0 starts with the teal character box.
class TopicsGridDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TopicsGridDelegate(QObject* parent);

    void setShowCategoryChar(bool show) { m_showCategoryChar = show; }
    bool showCategoryChar() const noexcept { return m_showCategoryChar; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    bool m_showCategoryChar = true;
};

} // namespace zelt
