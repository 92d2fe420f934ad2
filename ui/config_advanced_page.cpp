#include "help/help_context.h"
#include "ui/config_page_parts.h"
#include "ui/config_pages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelt {

ConfigAdvancedPage::ConfigAdvancedPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PageAdvanced"));
    QGroupBox* index = MakeGroupBox(this, "GroupBoxIndexfileSettings",
                                    QStringLiteral("Indexfile settings"), help_context::IndexFiles);
    m_useAndUpdate = MakeRadioButton(index, "Config_IndexFileUse",
                                     QStringLiteral("Use indexfiles, update whenever needed"),
                                     help_context::IndexFiles);
    m_useExisting = MakeRadioButton(index, "Config_IndexFileDontUseIndexFile",
                                    QStringLiteral("Use existing indexfiles, don't update"),
                                    help_context::IndexFiles);
    m_dontUse = MakeRadioButton(index, "Config_IndexFileLoadTopicsDirect",
                                QStringLiteral("Don't use indexfiles"), help_context::IndexFiles);
    auto* radios = new QVBoxLayout(index);
    for (QRadioButton* radio : {m_useAndUpdate, m_useExisting, m_dontUse})
        radios->addWidget(radio);

    QGroupBox* parsing =
        MakeGroupBox(this, "GroupBoxListParsing", QStringLiteral("List parsing"), 0);
    m_onlyParseLst = MakeCheckBox(parsing, "Config_OnlyParseLST",
                                  QStringLiteral("Only try to parse files with extension .LST"),
                                  help_context::OnlyParseLst);
    auto* parsingLayout = new QVBoxLayout(parsing);
    parsingLayout->addWidget(m_onlyParseLst);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(index);
    layout->addWidget(parsing);
    layout->addStretch();
}

void ConfigAdvancedPage::load(const ConfigControls& controls)
{
    switch (controls.indexFiles) {
    case IndexFileChoice::UseAndUpdate:
        m_useAndUpdate->setChecked(true);
        break;
    case IndexFileChoice::UseExistingDontUpdate:
        m_useExisting->setChecked(true);
        break;
    case IndexFileChoice::DontUse:
        m_dontUse->setChecked(true);
        break;
    }
    m_onlyParseLst->setChecked(controls.onlyParseLst);
}

void ConfigAdvancedPage::save(ConfigControls& controls) const
{
    controls.indexFiles = m_dontUse->isChecked()       ? IndexFileChoice::DontUse
                          : m_useExisting->isChecked() ? IndexFileChoice::UseExistingDontUpdate
                                                       : IndexFileChoice::UseAndUpdate;
    controls.onlyParseLst = m_onlyParseLst->isChecked();
}

} // namespace zelt
