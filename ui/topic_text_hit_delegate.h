#pragma once

#include <QStyledItemDelegate>

namespace zelt {

// Draws a results line with its hit in bold.
class TopicTextHitDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace zelt
