#pragma once

#include "browse/topic_format.h"
#include "output/output_style.h"
#include "output/topic_document.h"

#include <QStringList>
#include <QTextEdit>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// CurrentTopic: the read-only view of one topic. Its text is the topic's bytes
// with every line end one paragraph break, so a character position of the
// view is a position of the core's formatting. Links carry the number of
// their reference as href; a click on one reports the reference text.
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

protected:
    bool event(QEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QStringList m_references;
    std::vector<FormatSpan> m_spans;
    mutable std::optional<std::string> m_viewBytes;
    QString m_pressedReference;
};

} // namespace zelt
