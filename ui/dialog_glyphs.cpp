#include "ui/dialog_glyphs.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace zelt {

namespace {

constexpr int Size = 16;
const QColor Ink(40, 40, 40);
const QColor Folder(222, 178, 64);
const QColor Accent(0, 128, 128);

template <typename Draw>
QIcon Paint(Draw draw)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Ink);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

// A closed folder with three dots: "pick one".
QIcon BrowseGlyph()
{
    return Paint([](QPainter& p) {
        p.setBrush(Folder);
        p.drawPolygon(QPolygon{{1, 3}, {6, 3}, {7, 5}, {14, 5}, {14, 12}, {1, 12}});
        p.fillRect(4, 14, 2, 2, Ink);
        p.fillRect(8, 14, 2, 2, Ink);
        p.fillRect(12, 14, 2, 2, Ink);
    });
}

// A large and a small letter A.
QIcon FontGlyph()
{
    return Paint([](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(Ink, 1.6));
        p.drawLine(QPointF(1.5, 14.5), QPointF(5.5, 1.5));
        p.drawLine(QPointF(5.5, 1.5), QPointF(9.5, 14.5));
        p.drawLine(QPointF(3.2, 9.5), QPointF(7.8, 9.5));
        p.setPen(QPen(Accent, 1.3));
        p.drawLine(QPointF(9.5, 14.5), QPointF(12, 7.5));
        p.drawLine(QPointF(12, 7.5), QPointF(14.5, 14.5));
        p.drawLine(QPointF(10.6, 12), QPointF(13.4, 12));
    });
}

} // namespace zelt
