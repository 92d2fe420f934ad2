#include "ui/topic_view.h"

#include "browse/view_lines.h"
#include "ui/qt_text.h"
#include "ui/topic_mime_data.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>
#include <utility>

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
    m_textReferences.reset();
    m_referenceKind.reset();
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
    m_textReferences.reset();
    m_referenceKind.reset();
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

void TopicView::setReferenceRules(ListKind kind, std::string title)
{
    m_referenceKind = kind;
    m_referenceTitle = std::move(title);
    m_textReferences.reset();
}

void TopicView::setReferenceTip(std::function<QString(const TextReference&)> tip)
{
    m_referenceTip = std::move(tip);
}

std::optional<TextReference> TopicView::textReferenceAt(const QPoint& viewportPos) const
{
    if (!m_referenceKind)
        return std::nullopt;
    const QPoint at(viewportPos.x() + horizontalScrollBar()->value(),
                    viewportPos.y() + verticalScrollBar()->value());
    const int hit = document()->documentLayout()->hitTest(at, Qt::ExactHit);
    if (hit < 0)
        return std::nullopt;
    if (!m_textReferences)
        m_textReferences = TopicReferences(searchText(), m_referenceTitle, *m_referenceKind);
    const auto position = static_cast<std::size_t>(hit);
    for (const TextReference& reference : *m_textReferences) {
        if (reference.position > position)
            break;
        if (position < reference.position + reference.length)
            return reference;
    }
    return std::nullopt;
}

QString TopicView::referenceTipAt(const QPoint& viewportPos) const
{
    if (!m_referenceTip)
        return {};
    const auto reference = textReferenceAt(viewportPos);
    return reference ? m_referenceTip(*reference) : QString();
}

void TopicView::showLine(std::size_t line)
{
    const QTextBlock block = document()->findBlockByNumber(static_cast<int>(line));
    if (!block.isValid())
        return;
    setTextCursor(QTextCursor(block));
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(
        static_cast<int>(document()->documentLayout()->blockBoundingRect(block).top()));
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
    const QPoint at = event->position().toPoint();
    m_ctrlPressedReference.reset();
    if (event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ControlModifier)) {
        // Ctrl+click follows the reference; the caret and selection stay.
        m_ctrlPressedReference = textReferenceAt(at);
        if (m_ctrlPressedReference) {
            m_pressedReference.clear();
            event->accept();
            return;
        }
    }
    m_pressedReference = event->button() == Qt::LeftButton ? referenceAt(at) : QString();
    QTextEdit::mousePressEvent(event);
}

void TopicView::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    const bool overLink =
        !referenceAt(at).isEmpty() ||
        (event->modifiers().testFlag(Qt::ControlModifier) && textReferenceAt(at).has_value());
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

void TopicView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_ctrlPressedReference && event->button() == Qt::LeftButton) {
        const TextReference pressed = *std::exchange(m_ctrlPressedReference, std::nullopt);
        const auto released = textReferenceAt(event->position().toPoint());
        event->accept();
        if (released && released->position == pressed.position)
            Q_EMIT referenceCtrlClicked(pressed);
        return;
    }
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || m_pressedReference.isEmpty())
        return;
    const QString reference = referenceAt(event->position().toPoint());
    const bool sameLink = reference == m_pressedReference;
    m_pressedReference.clear();
    if (sameLink && !textCursor().hasSelection())
        Q_EMIT referenceClicked(reference);
}

bool TopicView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = referenceTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport());
        return true;
    }
    return QTextEdit::viewportEvent(event);
}

} // namespace zelt
