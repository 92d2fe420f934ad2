#include "ui/status_bar_panels.h"

#include "ui/screen_scale.h"

#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>

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
        else
            label->setFixedWidth(m_widths[static_cast<std::size_t>(panel)]);
        addWidget(label, last ? 1 : 0);
        m_panels[static_cast<std::size_t>(panel)] = label;
    }

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 100);
    m_progress->hide();
    placeProgressBar();
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
    for (int panel = 0; panel < PanelCount; ++panel) {
        auto& width = m_widths[static_cast<std::size_t>(panel)];
        width = scale.scaled(width);
        if (panel < PanelCount - 1)
            m_panels[static_cast<std::size_t>(panel)]->setFixedWidth(width);
    }
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

void StatusBarPanels::placeProgressBar()
{
    if (m_progress == nullptr)
        return;
    const int width = m_widths[0] + m_widths[1] + m_widths[2];
    m_progress->setGeometry(0, 2, width, std::max(0, height() - 2));
    m_progress->raise();
}

} // namespace zelt
