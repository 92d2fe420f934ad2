#include "help/help_context.h"
#include "ui/config_page_parts.h"
#include "ui/config_pages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace zelt {

ConfigSettingsPage::ConfigSettingsPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PageSettings"));
    QGroupBox* general =
        MakeGroupBox(this, "GroupBoxGeneralSettings", QStringLiteral("General settings"), 0);
    m_askExit = MakeCheckBox(general, "Config_AskExit", QStringLiteral("Confirm program exit"),
                             help_context::AskExit);
    m_showPrintDialog = MakeCheckBox(general, "Config_ShowPrintDialog",
                                     QStringLiteral("Display printer dialog box before printing"),
                                     help_context::ShowPrintDialog);
    m_displayAllLists =
        MakeCheckBox(general, "Config_DisplayAllLists",
                     QStringLiteral("Display all *.LST files in \"Open List\" menu"),
                     help_context::DisplayAllLists);
    m_singleClickView = MakeCheckBox(general, "Config_SingleClickView",
                                     QStringLiteral("Automatically load selected topic"),
                                     help_context::SingleClickView);
    m_doubleClickZoom = MakeCheckBox(general, "Config_DoubleClickZoom",
                                     QStringLiteral("Double mouse click (or Enter) = Zoom topic"),
                                     help_context::DoubleClickZoom);
    m_enableSeeAlsoMenu =
        MakeCheckBox(general, "Config_EnableSeeAlsoMenu",
                     QStringLiteral("Enable \"See Also\" menu "), help_context::EnableSeeAlsoMenu);
    auto* boxes = new QVBoxLayout(general);
    for (QCheckBox* box : {m_askExit, m_showPrintDialog, m_displayAllLists, m_singleClickView,
                           m_doubleClickZoom, m_enableSeeAlsoMenu})
        boxes->addWidget(box);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(general);
    layout->addStretch();
}

void ConfigSettingsPage::load(const ConfigControls& controls)
{
    m_askExit->setChecked(controls.askExit);
    m_showPrintDialog->setChecked(controls.showPrintDialog);
    m_displayAllLists->setChecked(controls.displayAllLists);
    m_singleClickView->setChecked(controls.singleClickView);
    m_doubleClickZoom->setChecked(controls.doubleClickZoom);
    m_enableSeeAlsoMenu->setChecked(controls.enableSeeAlsoMenu);
}

void ConfigSettingsPage::save(ConfigControls& controls) const
{
    controls.askExit = m_askExit->isChecked();
    controls.showPrintDialog = m_showPrintDialog->isChecked();
    controls.displayAllLists = m_displayAllLists->isChecked();
    controls.singleClickView = m_singleClickView->isChecked();
    controls.doubleClickZoom = m_doubleClickZoom->isChecked();
    controls.enableSeeAlsoMenu = m_enableSeeAlsoMenu->isChecked();
}

} // namespace zelt
