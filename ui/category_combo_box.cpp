#include "ui/category_combo_box.h"

#include "browse/category_box.h"
#include "ui/category_char_box.h"
#include "ui/qt_text.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace zelt {

namespace {

// Descriptions come from CATDESC.INI or the built-in table as 8-bit text.
QString EntryText(std::string_view entry)
{
    return QString::fromLatin1(entry.substr(1).data(), static_cast<qsizetype>(entry.size() - 1));
}

} // namespace

CategoryItemDelegate::CategoryItemDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{}

void CategoryItemDelegate::paintEntry(QPainter& painter, const QRect& rect, const QPalette& palette,
                                      CategoryChar category, const QString& text, bool selected,
                                      bool disabled)
{
    const QColor background = palette.color(selected ? QPalette::Highlight : QPalette::Base);
    painter.fillRect(rect, background);
    DrawCategoryCharBox(painter, rect, category, disabled);

    QColor foreground = palette.color(QPalette::Text);
    if (selected)
        foreground = palette.color(QPalette::HighlightedText);
    else if (disabled)
        foreground = DisabledGrey;
    else if (category == AllCategoriesCode)
        foreground = Teal;
    const QRect textRect(QPoint(rect.left() + 15, rect.top()), rect.bottomRight());
    painter.fillRect(textRect, background);
    painter.setPen(foreground);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void CategoryItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const bool disabled = !option.state.testFlag(QStyle::State_Enabled);
    painter->save();
    painter->setFont(option.font);
    paintEntry(*painter, option.rect, option.palette,
               static_cast<CategoryChar>(index.data(CategoryComboBox::CategoryRole).toInt()),
               index.data(Qt::DisplayRole).toString(), selected, disabled);
    painter->restore();
}

QSize CategoryItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(m_itemHeight);
    return size;
}

CategoryComboBox::CategoryComboBox(QWidget* parent)
    : QComboBox(parent)
    , m_delegate(new CategoryItemDelegate(this))
{
    setObjectName(QStringLiteral("CategoryComboBox"));
    setItemDelegate(m_delegate);
    // Styles that drop the list down as a menu would ignore the visible-item count.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setMaxVisibleItems(CategoryBoxDropDownCount);
    setStatusTip(FromUtf8(CategoryBoxHint));
    setAccessibleName(FromUtf8(CategoryBoxHint));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setEnabled(false);
}

void CategoryComboBox::setEntries(const std::vector<std::string>& entries)
{
    clear();
    for (const std::string& entry : entries) {
        if (entry.empty())
            continue;
        const QString text = EntryText(entry);
        addItem(text, static_cast<int>(CategoryOfEntry(entry)));
        setItemData(count() - 1, text.trimmed(), Qt::AccessibleTextRole);
    }
}

CategoryChar CategoryComboBox::categoryAt(int index) const
{
    return static_cast<CategoryChar>(itemData(index, CategoryRole).toInt());
}

void CategoryComboBox::setItemHeight(int height)
{
    m_delegate->setItemHeight(height);
}

void CategoryComboBox::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = {};
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const bool focused = hasFocus() && !view()->isVisible();
    const int height = std::min(field.height(), m_delegate->itemHeight());
    const QRect entry(field.left(), field.top() + (field.height() - height) / 2, field.width(),
                      height);
    CategoryItemDelegate::paintEntry(painter, entry, palette(), categoryAt(currentIndex()),
                                     currentText(), focused, !isEnabled());
}

} // namespace zelt
