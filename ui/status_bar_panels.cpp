#include "ui/status_bar_panels.h"

#include "ui/qt_text.h"
#include "ui/screen_scale.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>
#include <cmath>

namespace zelt {

StatusBarPanels::StatusBarPanels(QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(true);
    for (int panel = 0; panel < PanelCount; ++panel) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setAccessibleName(QStringLiteral("Status panel %1").arg(panel + 1));
        const bool last = panel == PanelCount - 1;
        if (last)
            label->setMinimumWidth(0);
        addWidget(label, last ? 1 : 0);
        m_panels[static_cast<std::size_t>(panel)] = label;
    }

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 100);
    m_progress->hide();
    layOutPanels();
}

QString StatusBarPanels::panelText(int panel) const
{
    return m_panels.at(static_cast<std::size_t>(panel))->text();
}

void StatusBarPanels::setPanelText(int panel, const QString& text)
{
    QLabel* label = m_panels.at(static_cast<std::size_t>(panel));
    if (label->text() == text)
        return;
    label->setText(text);
    if (isVisible())
        label->repaint();
    Q_EMIT panelTextChanged(panel, text);
}

int StatusBarPanels::panelWidth(int panel) const
{
    return m_widths.at(static_cast<std::size_t>(panel));
}

void StatusBarPanels::scalePanelWidths(const ScreenScale& scale)
{
    for (std::size_t panel = 0; panel < m_resolutionWidths.size(); ++panel)
        m_resolutionWidths[panel] = scale.scaled(DesignWidths[panel]);
    m_designAverageCharWidth = DesignFontAverageCharWidth * scale.widgetRatio();
    layOutPanels();
}

void StatusBarPanels::fitToTopicCount(std::int32_t topicCount)
{
    if (topicCount == m_topicCount)
        return;
    m_topicCount = topicCount;
    layOutPanels();
}

void StatusBarPanels::layOutPanels()
{
    if (m_panels.back() == nullptr)
        return;
    const QFontMetricsF metrics(font());
    QChar widestDigit = u'0';
    for (QChar digit = u'1'; digit <= u'9'; digit = QChar(digit.unicode() + 1)) {
        if (metrics.horizontalAdvance(digit) > metrics.horizontalAdvance(widestDigit))
            widestDigit = digit;
    }
    const auto texts =
        WidestStatusPanelTexts(m_topicCount, static_cast<char>(widestDigit.unicode()));
    // The text starts after the frame and the indent; set here, so it is known.
    const int indent = static_cast<int>(std::lround(metrics.horizontalAdvance(u'x') / 2));
    StatusTextWidths needed{};
    for (std::size_t panel = 0; panel < needed.size(); ++panel) {
        QLabel* label = m_panels[panel];
        label->setIndent(indent);
        if (!texts[panel].empty())
            needed[panel] =
                static_cast<int>(std::ceil(metrics.horizontalAdvance(FromUtf8(texts[panel])))) +
                2 * label->frameWidth() + 2 * label->margin() + indent;
    }
    m_panels.back()->setIndent(indent);
    m_widths =
        FitStatusPanels(ScaleStatusPanelsForFont(m_resolutionWidths, metrics.averageCharWidth(),
                                                 m_designAverageCharWidth),
                        needed);
    for (std::size_t panel = 0; panel + 1 < m_panels.size(); ++panel)
        m_panels[panel]->setFixedWidth(m_widths[panel]);
    placeProgressBar();
}

void StatusBarPanels::showProgress(bool visible)
{
    if (visible) {
        placeProgressBar();
        m_progress->raise();
    }
    m_progress->setVisible(visible);
    if (visible)
        m_progress->repaint();
}

void StatusBarPanels::setProgress(int value)
{
    m_progress->setValue(value);
    if (m_progress->isVisible())
        m_progress->repaint();
}

void StatusBarPanels::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    placeProgressBar();
}

void StatusBarPanels::changeEvent(QEvent* event)
{
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layOutPanels();
}

void StatusBarPanels::placeProgressBar()
{
    if (m_progress == nullptr)
        return;
    const int width = m_widths[0] + m_widths[1] + m_widths[2];
    m_progress->setGeometry(0, 2, width, std::max(0, height() - 2));
    m_progress->raise();
}

} // namespace zelt
