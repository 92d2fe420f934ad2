#include "ui/category_char_box.h"

#include "browse/category_box.h"
#include "base/code_page_437.h"

#include <QPainter>

namespace zelt {

QFont OemGlyphFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(8);
    return font;
}

void DrawCategoryCharBox(QPainter& painter, const QRect& cell, CategoryChar category, bool disabled)
{
    const int left = cell.left();
    const int top = cell.top();
    const int bottom = cell.bottom() + 1;
    painter.fillRect(QRect(QPoint(left + 1, top + 1), QPoint(left + 14, bottom - 2)),
                     disabled ? DisabledGrey : Teal);
    if (category == AllCategoriesCode) {
        painter.fillRect(QRect(QPoint(left + 4, top + 4), QPoint(left + 11, bottom - 5)),
                         Qt::white);
        return;
    }
    painter.save();
    painter.setFont(OemGlyphFont());
    painter.setPen(Qt::white);
    const QChar glyph(static_cast<char16_t>(Cp437ToUnicode(category)));
    painter.drawText(QRect(QPoint(left + 1, top + 1), QPoint(left + 14, bottom - 2)),
                     Qt::AlignCenter, QString(glyph));
    painter.restore();
}

} // namespace zelt
