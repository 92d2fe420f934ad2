#include "ui/form_config.h"

#include "app/program_state.h"
#include "base/file_io.h"
#include "help/help_context.h"
#include "ui/config_pages.h"
#include "ui/context_help.h"
#include "ui/help_viewer.h"
#include "ui/message_boxes.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace zelt {

namespace {

constexpr int PageControlWidth = 283;
constexpr int PageControlHeight = 208;
constexpr int Margin = 8;

// Windows draws the "?" of the title bar; elsewhere most window managers do
// not, so the dialog carries a button of its own for the same mode.
constexpr bool TitleBarDrawsHelpButton =
#ifdef Q_OS_WIN
    true;
#else
    false;
#endif

} // namespace

TFormConfig::TFormConfig(ConfigDialogServices services, QWidget* parent)
    : QDialog(parent)
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("FormConfig"));
    setWindowTitle(QStringLiteral("Configuration"));
    QFont designFont(QStringLiteral("MS Sans Serif"));
    designFont.setPointSize(8);
    setFont(designFont);
    setWindowFlag(Qt::WindowContextHelpButtonHint, m_services.help.available());

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl"));
    m_pages->setMinimumSize(PageControlWidth, PageControlHeight);
    m_startup = new ConfigStartupPage(m_services.messages, m_pages);
    m_settingsPage = new ConfigSettingsPage(m_pages);
    m_layout = new ConfigLayoutPage(m_services.messages, m_pages);
    m_advanced = new ConfigAdvancedPage(m_pages);
    m_pages->addTab(m_startup, QStringLiteral("Startup"));
    m_pages->addTab(m_settingsPage, QStringLiteral("Settings"));
    m_pages->addTab(m_layout, QStringLiteral("Layout"));
    m_pages->addTab(m_advanced, QStringLiteral("Advanced"));
    buildButtons();

    // Laid out for the design font; a wider stand-in font may need more room.
    layout()->activate();
    setFixedSize(sizeHint().expandedTo(QSize(ClientWidth, ClientHeight)));
    m_contextHelp = new ContextHelp(*this, m_services.help);
}

TFormConfig::~TFormConfig() = default;

void TFormConfig::buildButtons()
{
    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_ok->setObjectName(QStringLiteral("OkButton"));
    m_ok->setDefault(true);
    m_ok->setToolTip(QStringLiteral("Save configuration and close"));
    m_ok->setStatusTip(m_ok->toolTip());
    SetHelpContext(*m_ok, help_context::OkButton);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    m_cancel->setToolTip(QStringLiteral("Cancel changes and close"));
    m_cancel->setStatusTip(m_cancel->toolTip());
    SetHelpContext(*m_cancel, help_context::CancelButton);
    connect(m_ok, &QPushButton::clicked, this, &TFormConfig::okButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addSpacing(20);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    if (m_services.help.available() && !TitleBarDrawsHelpButton) {
        m_whatsThis = new QToolButton(this);
        m_whatsThis->setObjectName(QStringLiteral("WhatsThisButton"));
        m_whatsThis->setText(QStringLiteral("?"));
        m_whatsThis->setToolTip(QStringLiteral("What's This?"));
        m_whatsThis->setAutoRaise(true);
        connect(m_whatsThis, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
        buttons->addWidget(m_whatsThis, 0, Qt::AlignRight);
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
}

void TFormConfig::centre()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = frameGeometry().size().expandedTo(size());
    move(screen.x() + (screen.width() - outer.width()) / 2,
         screen.y() + (screen.height() - outer.height()) / 2);
}

void TFormConfig::execute()
{
    centre();
    m_pages->setCurrentIndex(0);
    const ConfigControls controls = LoadConfigControls(m_services.settings, m_services.viewFont());
    m_startup->load(controls);
    m_settingsPage->load(controls);
    m_layout->load(controls);
    m_advanced->load(controls);
    m_ok->setFocus();
    m_services.messages.execDialog(*this);
}

void TFormConfig::okButtonClick()
{
    ConfigControls controls;
    m_startup->save(controls);
    m_settingsPage->save(controls);
    m_layout->save(controls);
    m_advanced->save(controls);
    LocalConfigFileSystem files;
    const ConfigApplied applied = ApplyConfigControls(
        controls, m_services.settings, m_services.viewFont(), m_services.topicShown(),
        BytesFromPath(m_services.programFolder), files);
    m_services.settings = applied.settings;
    m_services.program.listDirectory = applied.listDirectory;
    m_services.applied(applied);
    accept();
}

} // namespace zelt
