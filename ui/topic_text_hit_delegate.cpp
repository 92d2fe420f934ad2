#include "ui/topic_text_hit_delegate.h"

#include "ui/topic_text_results_model.h"

#include <QApplication>
#include <QPainter>

namespace zelt {

void TopicTextHitDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    const QVariant hit = index.data(TopicTextResultsModel::HitRole);
    if (!hit.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget)
                           .adjusted(2, 0, -2, 0);
    const QPoint range = hit.toPoint();
    const QString parts[] = {text.left(range.x()), text.mid(range.x(), range.y()),
                             text.mid(range.x() + range.y())};
    QFont bold = item.font;
    bold.setBold(true);
    painter->save();
    painter->setClipRect(area);
    painter->setPen(item.palette.color(
        item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    int x = area.left();
    for (int i = 0; i < 3 && x < area.right(); ++i) {
        painter->setFont(i == 1 ? bold : item.font);
        const QRect rest(x, area.top(), area.right() - x + 1, area.height());
        painter->drawText(rest, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, parts[i]);
        x += painter->fontMetrics().horizontalAdvance(parts[i]);
    }
    painter->restore();
}

} // namespace zelt
