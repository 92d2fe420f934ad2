#include "ui/topics_grid_delegate.h"

#include "ui/category_char_box.h"
#include "ui/topics_grid_model.h"

#include <QApplication>
#include <QPainter>

namespace zelt {

TopicsGridDelegate::TopicsGridDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{}

void TopicsGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    cell.state &= ~QStyle::State_HasFocus;
    const QWidget* widget = cell.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();

    constexpr int IdentifierIndent = 18;
    constexpr int TextIndent = 2;
    const bool withBox = index.column() == 0 && m_showCategoryChar;
    cell.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

    painter->save();
    painter->setClipRect(option.rect);
    if (withBox) {
        const auto category =
            static_cast<CategoryChar>(index.data(TopicsGridModel::CategoryRole).toInt());
        DrawCategoryCharBox(*painter, option.rect, category, false);
    }
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const bool active = option.state.testFlag(QStyle::State_Active);
    const QPalette::ColorGroup group = active ? QPalette::Active : QPalette::Inactive;
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    const QRect text = option.rect.adjusted(withBox ? IdentifierIndent : TextIndent, 0, 0, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

} // namespace zelt
