#pragma once

#include "browse/topic_format.h"
#include "browse/topic_references.h"
#include "output/output_style.h"
#include "output/topic_document.h"

#include <QStringList>
#include <QTextEdit>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// CurrentTopic: the read-only view of one topic. Its text is the topic's bytes
// with every line end one paragraph break, so a character position of the
// view is a position of the core's formatting. Links carry the number of
// their reference as href; a click on one reports the reference text. Every
// reference of the text, table numbers included, is followed by Ctrl+click
// and names its target in a tooltip.
class TopicView final : public QTextEdit {
    Q_OBJECT

public:
    explicit TopicView(QWidget* parent);

    // The view font; tab stops every half inch of widget pixels.
    void setViewFont(const QFont& font, double pixelsPerInch);

    // Replaces the text with a topic's shown bytes, all in the plain format
    // but the grey marks of cut lines.
    void setTopicText(std::string_view shown);
    void applyFormat(const std::vector<FormatSpan>& spans);
    void clearTopic();
    // The caret to the start and the beginning of the topic in sight.
    void showStart();

    // The view's text in code page 437, one byte per view position (a line
    // break is LF), made when first asked for after the text changed.
    const std::string& searchText() const;
    // Selects view positions [start, start + length) and brings them into sight.
    void selectRange(int start, int length);

    // The reference of a link, empty outside links.
    QString referenceAt(const QPoint& viewportPos) const;

    // How the references of the text are read: the list's kind and the
    // topic's title, given after the text.
    void setReferenceRules(ListKind kind, std::string title);
    // What a reference leads to, in words, for its tooltip.
    void setReferenceTip(std::function<QString(const TextReference&)> tip);
    // Any reference under the point: see-also or table number, linked or not.
    std::optional<TextReference> textReferenceAt(const QPoint& viewportPos) const;
    // The tooltip over the point; empty outside references.
    QString referenceTipAt(const QPoint& viewportPos) const;
    // The start of a line (0 = the first) at the top of the view, with the caret.
    void showLine(std::size_t line);

    // The topic as shown with its formatting, whole or the characters
    // [start, end).
    TopicDocument topicDocument() const;
    TopicDocument topicDocument(int start, int end) const;
    // The view's font and highlight colour, for written copies of the topic.
    OutputStyle outputStyle() const;
    // Puts the whole topic on the clipboard; the selection stays as it is.
    void copyTopic() const;

Q_SIGNALS:
    void referenceClicked(const QString& reference);
    void referenceCtrlClicked(const zelt::TextReference& reference);

protected:
    bool event(QEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    QStringList m_references;
    std::vector<FormatSpan> m_spans;
    mutable std::optional<std::string> m_viewBytes;
    QString m_pressedReference;
    std::optional<ListKind> m_referenceKind;
    std::string m_referenceTitle;
    // Every reference of the text, found when first asked for.
    mutable std::optional<std::vector<TextReference>> m_textReferences;
    std::optional<TextReference> m_ctrlPressedReference;
    std::function<QString(const TextReference&)> m_referenceTip;
};

} // namespace zelt
