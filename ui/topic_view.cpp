#include "ui/topic_view.h"

#include "browse/view_lines.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace zelt {

namespace {

const QColor LinkGreen(0, 128, 0);
const QColor RefTeal(0, 128, 128);
const QColor CutMarkGrey(128, 128, 128);

} // namespace

TopicView::TopicView(QWidget* parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setFrameShape(QFrame::NoFrame);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The selection stays as visible while another control has the focus.
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
    viewport()->setMouseTracking(true);
}

void TopicView::setViewFont(const QFont& font, double pixelsPerInch)
{
    setFont(font);
    document()->setDefaultFont(font);
    setTabStopDistance(pixelsPerInch / 2.0);
}

void TopicView::setTopicText(std::string_view shown)
{
    m_references.clear();
    const std::vector<LineRange> lines = SplitViewLines(shown);
    document()->setPlainText(QString::fromStdU16String(ViewText(shown, lines)));
    QTextCharFormat markFormat;
    markFormat.setForeground(CutMarkGrey);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const LineRange& line : lines) {
        if (!line.cut())
            continue;
        const auto mark = static_cast<int>(line.position + line.length);
        cursor.setPosition(mark);
        cursor.setPosition(mark + 1, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(markFormat);
    }
    cursor.endEditBlock();
    setTextCursor(QTextCursor(document()));
}

void TopicView::applyFormat(const std::vector<FormatSpan>& spans)
{
    const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
    const QString text = document()->toRawText();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const FormatSpan& span : spans) {
        QTextCharFormat format;
        switch (span.kind) {
        case SpanKind::Title:
            format.setFontWeight(QFont::Bold);
            format.setForeground(highlight);
            break;
        case SpanKind::Label:
            format.setFontUnderline(true);
            format.setForeground(highlight);
            break;
        case SpanKind::Link:
            if (span.coloured)
                format.setForeground(LinkGreen);
            format.setAnchor(true);
            format.setAnchorHref(QString::number(m_references.size()));
            m_references.push_back(text.mid(span.start, span.length));
            break;
        case SpanKind::Ref:
            if (span.coloured)
                format.setForeground(RefTeal);
            format.setAnchor(false);
            format.setAnchorHref(QString());
            break;
        }
        cursor.setPosition(span.start);
        cursor.setPosition(span.start + span.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
}

void TopicView::clearTopic()
{
    m_references.clear();
    clear();
}

void TopicView::showStart()
{
    setTextCursor(QTextCursor(document()));
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

QString TopicView::referenceAt(const QPoint& viewportPos) const
{
    bool isNumber = false;
    const qsizetype id = anchorAt(viewportPos).toLongLong(&isNumber);
    if (!isNumber || id < 0 || id >= m_references.size())
        return {};
    return m_references[id];
}

void TopicView::mousePressEvent(QMouseEvent* event)
{
    m_pressedReference =
        event->button() == Qt::LeftButton ? referenceAt(event->position().toPoint()) : QString();
    QTextEdit::mousePressEvent(event);
}

void TopicView::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    const bool overLink = !referenceAt(event->position().toPoint()).isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

void TopicView::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || m_pressedReference.isEmpty())
        return;
    const QString reference = referenceAt(event->position().toPoint());
    const bool sameLink = reference == m_pressedReference;
    m_pressedReference.clear();
    if (sameLink && !textCursor().hasSelection())
        Q_EMIT referenceClicked(reference);
}

} // namespace zelt
