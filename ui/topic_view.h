#pragma once

#include "browse/topic_format.h"

#include <QStringList>
#include <QTextEdit>
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

    // The reference of a link, empty outside links.
    QString referenceAt(const QPoint& viewportPos) const;

Q_SIGNALS:
    void referenceClicked(const QString& reference);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QStringList m_references;
    QString m_pressedReference;
};

} // namespace zelt
