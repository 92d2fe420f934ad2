#include "help/help_context.h"
#include "ui/config_page_parts.h"
#include "ui/config_pages.h"
#include "ui/dialog_glyphs.h"
#include "ui/message_boxes.h"
#include "ui/open_list_request.h"
#include "ui/qt_text.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelt {

ConfigStartupPage::ConfigStartupPage(MessageBoxes& messages, QWidget* parent)
    : QWidget(parent)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("PageStartup"));
    QGroupBox* location =
        MakeGroupBox(this, "GroupBoxLocationOfLists", QStringLiteral("Location of lists"),
                     help_context::LocationOfLists);
    m_defStartupDir = new QLineEdit(location);
    m_defStartupDir->setObjectName(QStringLiteral("Config_DefStartupDir"));
    m_browseFolder =
        MakeFlatButton(location, "BrowseButton1", BrowseGlyph(), QStringLiteral("Browse"));
    auto* locationRow = new QHBoxLayout(location);
    locationRow->addWidget(m_defStartupDir);
    locationRow->addWidget(m_browseFolder);

    QGroupBox* startup =
        MakeGroupBox(this, "GroupBoxListToLoadOnStartup", QStringLiteral("List to load on startup"),
                     help_context::ListToLoadOnStartup);
    m_none = MakeRadioButton(startup, "Config_DefStartupNone", QStringLiteral("None"), 0);
    m_last =
        MakeRadioButton(startup, "Config_DefStartupLast", QStringLiteral("Last opened list"), 0);
    m_custom = MakeRadioButton(startup, "Config_DefStartupCustom", QStringLiteral("Custom"), 0);
    m_defStartupList = new QLineEdit(startup);
    m_defStartupList->setObjectName(QStringLiteral("Config_DefStartupList"));
    m_browseList =
        MakeFlatButton(startup, "BrowseButton2", BrowseGlyph(), QStringLiteral("Browse"));
    auto* startupGrid = new QGridLayout(startup);
    startupGrid->addWidget(m_none, 0, 0, 1, 2);
    startupGrid->addWidget(m_last, 1, 0, 1, 2);
    startupGrid->addWidget(m_custom, 2, 0, 1, 2);
    startupGrid->addWidget(m_defStartupList, 3, 0);
    startupGrid->addWidget(m_browseList, 3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(location);
    layout->addWidget(startup);
    layout->addStretch();

    for (QRadioButton* radio : {m_none, m_last, m_custom})
        connect(radio, &QRadioButton::toggled, this, &ConfigStartupPage::updateEnabling);
    connect(m_browseFolder, &QToolButton::clicked, this, &ConfigStartupPage::browseFolder);
    connect(m_browseList, &QToolButton::clicked, this, &ConfigStartupPage::browseList);
}

void ConfigStartupPage::load(const ConfigControls& controls)
{
    m_defStartupDir->setText(FromUtf8(controls.defStartupDir));
    m_defStartupList->setText(FromUtf8(controls.defStartupList));
    switch (controls.startup) {
    case StartupChoice::None:
        m_none->setChecked(true);
        break;
    case StartupChoice::LastOpenedList:
        m_last->setChecked(true);
        break;
    case StartupChoice::Custom:
        m_custom->setChecked(true);
        break;
    }
    updateEnabling();
}

void ConfigStartupPage::save(ConfigControls& controls) const
{
    controls.defStartupDir = ToUtf8(m_defStartupDir->text());
    controls.startup = startupChoice();
    controls.defStartupList = ToUtf8(m_defStartupList->text());
}

StartupChoice ConfigStartupPage::startupChoice() const
{
    if (m_last->isChecked())
        return StartupChoice::LastOpenedList;
    if (m_custom->isChecked())
        return StartupChoice::Custom;
    return StartupChoice::None;
}

void ConfigStartupPage::updateEnabling()
{
    const bool enabled = StartupListEnabled(startupChoice());
    m_defStartupList->setEnabled(enabled);
    m_browseList->setEnabled(enabled);
}

void ConfigStartupPage::browseFolder()
{
    QWidget* dialog = window();
    dialog->setEnabled(false);
    const QString typed = m_defStartupDir->text();
    const auto chosen = m_messages.chooseFolder(
        FolderRequest{QStringLiteral("Select default list location..."),
                      QDir(typed).exists() && !typed.isEmpty() ? typed : QDir::currentPath()});
    dialog->setEnabled(true);
    if (chosen)
        m_defStartupDir->setText(QDir::toNativeSeparators(*chosen));
}

void ConfigStartupPage::browseList()
{
    if (const auto chosen = m_messages.chooseFileToOpen(OpenListRequest()))
        m_defStartupList->setText(QDir::toNativeSeparators(*chosen));
}

} // namespace zelt
