#pragma once

#include "list/topic_table.h"

#include <QComboBox>
#include <QStyledItemDelegate>
#include <string>
#include <vector>

namespace zelt {

// Draws a category entry: the teal character box, then the description.
class CategoryItemDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit CategoryItemDelegate(QObject* parent);

    void setItemHeight(int height) { m_itemHeight = height; }
    int itemHeight() const noexcept { return m_itemHeight; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static void paintEntry(QPainter& painter, const QRect& rect, const QPalette& palette,
                           CategoryChar category, const QString& text, bool selected,
                           bool disabled);

private:
    int m_itemHeight = 15;
};

// The category box of the upper tool bar: one entry per category present.
class CategoryComboBox final : public QComboBox {
    Q_OBJECT

public:
    static constexpr int CategoryRole = Qt::UserRole;

    explicit CategoryComboBox(QWidget* parent);

    // Entries as the core builds them: the category byte, a blank, the description.
    void setEntries(const std::vector<std::string>& entries);
    CategoryChar categoryAt(int index) const;
    void setItemHeight(int height);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CategoryItemDelegate* m_delegate = nullptr;
};

} // namespace zelt
