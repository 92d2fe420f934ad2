#include "help/help_context.h"
#include "ui/config_page_parts.h"
#include "ui/config_pages.h"
#include "ui/dialog_glyphs.h"
#include "ui/message_boxes.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelt {

ConfigLayoutPage::ConfigLayoutPage(MessageBoxes& messages, QWidget* parent)
    : QWidget(parent)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("PageLayout"));
    QGroupBox* visual = MakeGroupBox(this, "GroupBoxLayoutAndVisualSettings",
                                     QStringLiteral("Layout and visual settings"), 0);
    m_topicFormatting =
        MakeCheckBox(visual, "Config_TopicFormatting", QStringLiteral("Topic text formatting"),
                     help_context::TopicFormatting);
    m_showCategoryChar = MakeCheckBox(visual, "Config_ShowCategoryChar",
                                      QStringLiteral("Display category character in topic list"),
                                      help_context::ShowCategoryChar);
    m_defFont = MakeCheckBox(visual, "Config_DefFont", QStringLiteral("Use default font"),
                             help_context::DefaultFont);
    m_fontButton =
        MakeFlatButton(visual, "Config_FontButton", FontGlyph(), QStringLiteral("Change Font"));
    auto* visualGrid = new QGridLayout(visual);
    visualGrid->addWidget(m_topicFormatting, 0, 0, 1, 2);
    visualGrid->addWidget(m_showCategoryChar, 1, 0, 1, 2);
    visualGrid->addWidget(m_defFont, 2, 0);
    visualGrid->addWidget(m_fontButton, 2, 1, Qt::AlignLeft);
    visualGrid->setColumnStretch(1, 1);

    QGroupBox* printing =
        MakeGroupBox(this, "GroupBoxPrinting", QStringLiteral("Printing"), help_context::Printing);
    m_wysiwyg = MakeRadioButton(printing, "Config_WYSIWYGPrint",
                                QStringLiteral("Use same settings as topic layout (wysiwyg)"),
                                help_context::Printing);
    m_noWysiwyg = MakeRadioButton(printing, "Config_NOWYSIWYGPrint",
                                  QStringLiteral("Use special font and no topic formatting"),
                                  help_context::Printing);
    auto* radios = new QVBoxLayout(printing);
    radios->addWidget(m_wysiwyg);
    radios->addWidget(m_noWysiwyg);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(visual);
    layout->addWidget(printing);
    layout->addStretch();

    connect(m_defFont, &QCheckBox::toggled, this,
            [this](bool checked) { m_fontButton->setEnabled(FontButtonEnabled(checked)); });
    connect(m_fontButton, &QToolButton::clicked, this, &ConfigLayoutPage::chooseFont);
}

void ConfigLayoutPage::load(const ConfigControls& controls)
{
    m_topicFormatting->setChecked(controls.topicFormatting);
    m_showCategoryChar->setChecked(controls.showCategoryChar);
    m_chosenFont = controls.chosenFont;
    m_defFont->setChecked(controls.useDefaultFont);
    m_fontButton->setEnabled(FontButtonEnabled(controls.useDefaultFont));
    (controls.wysiwygPrint ? m_wysiwyg : m_noWysiwyg)->setChecked(true);
}

void ConfigLayoutPage::save(ConfigControls& controls) const
{
    controls.topicFormatting = m_topicFormatting->isChecked();
    controls.showCategoryChar = m_showCategoryChar->isChecked();
    controls.useDefaultFont = m_defFont->isChecked();
    controls.chosenFont = m_chosenFont;
    controls.wysiwygPrint = m_wysiwyg->isChecked();
}

void ConfigLayoutPage::chooseFont()
{
    const auto chosen =
        m_messages.chooseFont(FontChoice{FromUtf8(m_chosenFont.name), m_chosenFont.size});
    if (chosen)
        m_chosenFont = TopicFont{ToUtf8(chosen->family), chosen->points};
}

} // namespace zelt
