#include "ui/topic_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

namespace zelt {

namespace {

// Tab stops every half inch, as on screen.
constexpr double TabStopInches = 0.5;

} // namespace

bool PrintDocument(QTextDocument& document, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    document.documentLayout()->setPaintDevice(&printer);
    document.setDocumentMargin(0);
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(printer.logicalDpiX() * TabStopInches);
    document.setDefaultTextOption(option);
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    document.setPageSize(page);

    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !printer.newPage())
            return false;
        const QRectF area(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -area.top());
        painter.setClipRect(area);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = area;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace zelt
