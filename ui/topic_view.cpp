#include "ui/topic_view.h"

#include "browse/view_lines.h"
#include "ui/qt_text.h"
#include "ui/topic_mime_data.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace zelt {

namespace {

QColor ColourOf(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

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
    m_spans.clear();
    m_viewBytes.reset();
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
                format.setForeground(ColourOf(LinkGreen));
            format.setAnchor(true);
            format.setAnchorHref(QString::number(m_references.size()));
            m_references.push_back(text.mid(span.start, span.length));
            break;
        case SpanKind::Ref:
            if (span.coloured)
                format.setForeground(ColourOf(ReferenceTeal));
            format.setAnchor(false);
            format.setAnchorHref(QString());
            break;
        }
        cursor.setPosition(span.start);
        cursor.setPosition(span.start + span.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
    m_spans.insert(m_spans.end(), spans.begin(), spans.end());
}

void TopicView::clearTopic()
{
    m_references.clear();
    m_spans.clear();
    m_viewBytes.reset();
    clear();
}

void TopicView::showStart()
{
    setTextCursor(QTextCursor(document()));
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void TopicView::selectRange(int start, int length)
{
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString TopicView::referenceAt(const QPoint& viewportPos) const
{
    bool isNumber = false;
    const qsizetype id = anchorAt(viewportPos).toLongLong(&isNumber);
    if (!isNumber || id < 0 || id >= m_references.size())
        return {};
    return m_references[id];
}

const std::string& TopicView::searchText() const
{
    if (!m_viewBytes) {
        const QString text = document()->toRawText();
        m_viewBytes =
            BytesOfViewText(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                static_cast<std::size_t>(text.size())));
    }
    return *m_viewBytes;
}

TopicDocument TopicView::topicDocument() const
{
    return {searchText(), m_spans};
}

TopicDocument TopicView::topicDocument(int start, int end) const
{
    const auto from = static_cast<std::size_t>(std::max(start, 0));
    const auto to = static_cast<std::size_t>(std::max(end, start));
    return SliceOfDocument(topicDocument(), from, to - from);
}

OutputStyle TopicView::outputStyle() const
{
    const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
    const int pointSize = qRound(font().pointSizeF());
    return {ToUtf8(font().family()), pointSize > 0 ? pointSize : 8,
            Rgb{static_cast<std::uint8_t>(highlight.red()),
                static_cast<std::uint8_t>(highlight.green()),
                static_cast<std::uint8_t>(highlight.blue())}};
}

void TopicView::copyTopic() const
{
    // With no topic there is nothing to copy, and the clipboard keeps what it holds.
    if (document()->isEmpty())
        return;
    QGuiApplication::clipboard()->setMimeData(TopicMimeData(topicDocument(), outputStyle()));
}

bool TopicView::event(QEvent* event)
{
    // Ctrl+A and Ctrl+C belong to the window's Select All and Copy commands,
    // which follow their own rules (Select All toggles), not to the control.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::Copy)) {
            event->ignore();
            return true;
        }
    }
    return QTextEdit::event(event);
}

QMimeData* TopicView::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    return TopicMimeData(topicDocument(cursor.selectionStart(), cursor.selectionEnd()),
                         outputStyle());
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
