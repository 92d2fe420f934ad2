#include "ui/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <functional>

namespace zelt {

namespace {

constexpr int Size = 16;
const QColor Ink(40, 40, 40);
const QColor Paper(250, 250, 250);
const QColor Accent(0, 128, 128);
const QColor Folder(222, 178, 64);

QPixmap Paint(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Ink);
    draw(painter);
    return pixmap;
}

void Page(QPainter& p, int x, int y, int w, int h)
{
    p.setBrush(Paper);
    p.drawRect(x, y, w, h);
    p.setPen(QColor(150, 150, 150));
    for (int line = y + 3; line < y + h - 1; line += 2)
        p.drawLine(x + 2, line, x + w - 2, line);
    p.setPen(Ink);
}

void Lens(QPainter& p, int x, int y)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(QColor(200, 230, 240));
    p.drawEllipse(QRectF(x, y, 8, 8));
    p.setPen(QPen(Ink, 2.0));
    p.drawLine(QPointF(x + 7.5, y + 7.5), QPointF(x + 11.5, y + 11.5));
    p.setPen(Ink);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void Arrow(QPainter& p, bool up)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Accent);
    p.setPen(Qt::NoPen);
    const QPolygonF shape =
        up ? QPolygonF{{8, 2}, {14, 9}, {10, 9}, {10, 14}, {6, 14}, {6, 9}, {2, 9}}
           : QPolygonF{{8, 14}, {14, 7}, {10, 7}, {10, 2}, {6, 2}, {6, 7}, {2, 7}};
    p.drawPolygon(shape);
}

void DrawGlyph(QPainter& p, int index)
{
    switch (index) {
    case 0: // an open folder
        p.setBrush(Folder.darker(115));
        p.drawRect(1, 3, 12, 10);
        p.setBrush(Folder);
        p.drawPolygon(QPolygon{{3, 6}, {15, 6}, {13, 13}, {1, 13}});
        break;
    case 1: // a diskette
        p.setBrush(QColor(60, 90, 160));
        p.drawRect(1, 1, 13, 13);
        p.setBrush(Paper);
        p.drawRect(4, 1, 7, 5);
        p.fillRect(4, 9, 8, 5, QColor(200, 200, 200));
        break;
    case 2: // a printer
        Page(p, 4, 1, 7, 6);
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(1, 6, 13, 6);
        p.setBrush(Paper);
        p.drawRect(4, 10, 7, 4);
        p.fillRect(11, 8, 2, 1, Accent);
        break;
    case 3: // two pages
        Page(p, 1, 1, 8, 10);
        Page(p, 6, 4, 8, 10);
        break;
    case 4: { // a page with a dashed selection frame
        Page(p, 2, 1, 11, 13);
        QPen dashed(Accent);
        dashed.setStyle(Qt::DashLine);
        p.setPen(dashed);
        p.setBrush(Qt::NoBrush);
        p.drawRect(4, 3, 7, 9);
        break;
    }
    case 5: // a lens
        Lens(p, 2, 2);
        break;
    case 6: // a lens and a repeat arrow
        Lens(p, 1, 1);
        p.setPen(QPen(Accent, 2.0));
        p.drawLine(10, 14, 14, 14);
        p.drawLine(14, 14, 14, 10);
        break;
    case 7: // a lens with a plus
        Lens(p, 2, 2);
        p.setPen(Accent);
        p.drawLine(4, 6, 8, 6);
        p.drawLine(6, 4, 6, 8);
        break;
    case 8: { // a gear
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(QColor(130, 130, 140));
        QPainterPath gear;
        for (int tooth = 0; tooth < 8; ++tooth) {
            QTransform turn;
            turn.translate(8, 8);
            turn.rotate(tooth * 45.0);
            gear.addPolygon(turn.map(QPolygonF(QRectF(-1.5, -7.5, 3, 4))));
        }
        gear.addEllipse(QPointF(8, 8), 5, 5);
        p.drawPath(gear.simplified());
        p.setBrush(Paper);
        p.drawEllipse(QPointF(8, 8), 2, 2);
        break;
    }
    case 9:
        Arrow(p, true);
        break;
    case 10:
        Arrow(p, false);
        break;
    default:
        break;
    }
}

} // namespace

QIcon CommandGlyph(int index)
{
    if (index < 0 || index >= GlyphCount)
        return {};
    return QIcon(Paint([index](QPainter& p) { DrawGlyph(p, index); }));
}

QIcon AllCategoriesGlyph()
{
    return QIcon(Paint([](QPainter& p) {
        p.fillRect(1, 1, 14, 14, Accent);
        p.fillRect(4, 4, 8, 8, Qt::white);
    }));
}

QIcon ProgramIcon()
{
    return QIcon(Paint([](QPainter& p) {
        Page(p, 1, 0, 13, 15);
        p.fillRect(3, 2, 4, 11, Accent);
        p.fillRect(4, 5, 2, 2, Paper);
    }));
}

} // namespace zelt
