#include "ui/topics_grid_delegate.h"

#include "base/code_page_437.h"
#include "browse/grid_geometry.h"
#include "browse/view_lines.h"
#include "list/loaded_list.h"
#include "ui/category_char_box.h"
#include "ui/qt_text.h"

#include <QAbstractScrollArea>
#include <QPainter>

namespace zelt {

namespace {

struct CellColours {
    QColor background;
    QColor text;
};

Rgb ToRgb(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

QColor ToQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

// Pixel rectangles keep their right and bottom edges outside, as the geometry
// of the grid is given.
QRect ToQRect(const PixelRect& rect)
{
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

QColor SystemColour(const QPalette& palette, QPalette::ColorRole role)
{
    return palette.color(QPalette::Active, role);
}

CellColours ColoursOf(const QPalette& palette, bool selected, bool focused, bool rowsShown)
{
    if (!selected)
        return {SystemColour(palette, QPalette::Base), SystemColour(palette, QPalette::Text)};
    if (!rowsShown)
        return {SystemColour(palette, QPalette::Base), SystemColour(palette, QPalette::Base)};
    if (focused)
        return {SystemColour(palette, QPalette::Highlight),
                SystemColour(palette, QPalette::HighlightedText)};
    return {SystemColour(palette, QPalette::Button), SystemColour(palette, QPalette::Text)};
}

void DrawTextAt(QPainter& painter, PixelPoint origin, const QString& text)
{
    painter.drawText(QPoint(origin.x, origin.y + painter.fontMetrics().ascent()), text);
}

void DrawCategoryBox(QPainter& painter, const PixelRect& cell, CategoryChar category)
{
    painter.fillRect(ToQRect(CategoryBoxRect(cell)), ToQColor(CategoryBoxColour));
    painter.setFont(OemGlyphFont());
    painter.setPen(ToQColor(CategoryCharColour));
    DrawTextAt(painter, CategoryCharOrigin(cell),
               QString(QChar(static_cast<char16_t>(Cp437ToUnicode(category)))));
}

// The dotted outline of the focused row, one pixel at a time: odd
// coordinates in one colour, even ones in the other.
void DrawRowOutline(QPainter& painter, const PixelRect& cell, int edgeX, const QPalette& palette)
{
    const Rgb highlight = ToRgb(SystemColour(palette, QPalette::Highlight));
    const Rgb window = ToRgb(SystemColour(palette, QPalette::Base));
    QPolygon odd;
    QPolygon even;
    for (int x = cell.left; x <= cell.right; ++x) {
        QPolygon& dots = x % 2 != 0 ? odd : even;
        dots << QPoint(x, cell.top) << QPoint(x, cell.bottom - 1);
    }
    for (int y = cell.top; y <= cell.bottom - 1; ++y)
        (y % 2 != 0 ? odd : even) << QPoint(edgeX, y);
    painter.setPen(ToQColor(OutlineDotColour(1, highlight, window)));
    painter.drawPoints(odd);
    painter.setPen(ToQColor(OutlineDotColour(0, highlight, window)));
    painter.drawPoints(even);
}

} // namespace

TopicsGridDelegate::TopicsGridDelegate(const LoadedList& list, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_list(list)
{}

void TopicsGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    const auto* grid = qobject_cast<const QAbstractScrollArea*>(option.widget);
    const QPalette& palette = option.palette;
    const int column = index.column();
    const QRect& rect = option.rect;
    // The section's last pixel is the column's separator line.
    PixelRect cell{rect.left(), rect.top(), rect.left() + rect.width() - 1,
                   rect.top() + rect.height()};

    painter->save();
    // A row beyond the view can be asked for only while the rows change.
    if (m_list.topicCount() < 1 || index.row() >= m_list.viewRowCount()) {
        painter->fillRect(ToQRect(cell), SystemColour(palette, QPalette::Base));
    } else {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const bool focused = grid != nullptr && grid->hasFocus();
        const CellColours colours =
            ColoursOf(palette, selected, focused, m_list.viewRowCount() > 0);
        const TopicNumber topic = m_list.topicAtRow(index.row());
        if (column == 1)
            cell = WidenedTitleCell(cell);

        painter->save();
        painter->setClipRect(ToQRect(cell));
        painter->fillRect(ToQRect(cell), colours.background);
        QFont font = option.font;
        font.setBold(index.row() == 0 && m_list.topics().identifier(topic) == ListInfoIdentifier);
        painter->setFont(font);
        painter->setPen(colours.text);
        if (column == 0) {
            DrawTextAt(*painter, IdentifierTextOrigin(cell, m_showCategoryChar),
                       FromCp437(m_list.topics().identifier(topic)));
            if (m_showCategoryChar)
                DrawCategoryBox(*painter, cell, m_list.topics().category(topic));
        } else {
            // No cell is that many characters wide; a title of a damaged list
            // may be megabytes long.
            const std::string_view title =
                m_list.topics().title(topic).substr(0, MaxViewLineLength);
            DrawTextAt(*painter, TitleTextOrigin(cell), FromCp437(title));
        }
        painter->restore();

        if (selected && focused) {
            const int edgeX =
                column == 0 ? cell.left
                            : OutlineRightEdge(cell, grid->width(), grid->viewport()->width());
            DrawRowOutline(*painter, cell, edgeX, palette);
        }
    }
    const bool separatorShown = column == 0 && m_list.viewRowCount() >= 1;
    painter->setPen(
        QPen(SystemColour(palette, separatorShown ? QPalette::Button : QPalette::Base), 0));
    painter->drawLine(cell.right, 0, cell.right, cell.bottom - 1);
    painter->restore();
}

} // namespace zelt
