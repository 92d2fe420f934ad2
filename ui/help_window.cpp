#include "ui/help_window.h"

#include "app/app_title.h"
#include "base/file_io.h"
#include "help/help_context.h"
#include "help/help_file.h"
#include "ui/help_popup.h"
#include "ui/qt_text.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>

namespace zelt {

namespace {

QString WindowTitleFor(const HelpPage& page)
{
    const QString help = FromUtf8(AppTitle) + QStringLiteral(" Help");
    return page.found ? page.title + QStringLiteral(" - ") + help : help;
}

} // namespace

HelpPage LoadHelpPage(const std::filesystem::path& helpFile, int context)
{
    const std::string shownPath = BytesFromPath(helpFile);
    const HelpLoad load = LoadHelpFile(helpFile);
    HelpPage page;
    if (!load.file) {
        page.markdown = FromUtf8(HelpProblemText(load, shownPath));
        return page;
    }
    const HelpTopic* topic = load.file->find(context);
    if (topic == nullptr) {
        page.markdown = FromUtf8(MissingTopicText(context, shownPath));
        return page;
    }
    page.title = FromUtf8(topic->title);
    page.markdown = FromUtf8(topic->body);
    page.found = true;
    return page;
}

QString HelpPopupMarkdown(const HelpPage& page)
{
    return page.found ? QStringLiteral("**%1**\n\n%2").arg(page.title, page.markdown)
                      : page.markdown;
}

HelpWindow::HelpWindow(std::filesystem::path helpFile, QWidget* parent)
    : QMainWindow(parent)
    , m_helpFile(std::move(helpFile))
    , m_browser(new HelpBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    m_browser->setObjectName(QStringLiteral("HelpText"));
    m_browser->document()->setDocumentMargin(12);
    setCentralWidget(m_browser);

    QToolBar* bar = addToolBar(QStringLiteral("Help"));
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_contents = bar->addAction(QStringLiteral("&Contents"));
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_back = bar->addAction(QStringLiteral("&Back"));
    m_back->setObjectName(QStringLiteral("HelpBack"));
    m_back->setShortcut(QKeySequence::Back);
    m_forward = bar->addAction(QStringLiteral("&Forward"));
    m_forward->setObjectName(QStringLiteral("HelpForward"));
    m_forward->setShortcut(QKeySequence::Forward);
    connect(m_contents, &QAction::triggered, this, [this] { showTopic(help_context::Contents); });
    connect(m_back, &QAction::triggered, this, [this] {
        if (const auto context = m_history.back())
            display(*context);
    });
    connect(m_forward, &QAction::triggered, this, [this] {
        if (const auto context = m_history.forward())
            display(*context);
    });
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::linkClicked);

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(640, screen.width()), std::min(560, screen.height()));
    updateActions();
}

void HelpWindow::showTopic(int context)
{
    m_history.visit(context);
    display(context);
}

void HelpWindow::display(int context)
{
    const HelpPage page = LoadHelpPage(m_helpFile, context);
    const QString markdown =
        page.found ? QStringLiteral("# %1\n\n%2").arg(page.title, page.markdown) : page.markdown;
    m_browser->showMarkdown(markdown);
    setWindowTitle(WindowTitleFor(page));
    updateActions();
}

void HelpWindow::linkClicked(const QUrl& link)
{
    if (const auto context = TopicLinkTarget(ToUtf8(link.toString())))
        showTopic(*context);
}

void HelpWindow::updateActions()
{
    m_back->setEnabled(m_history.canGoBack());
    m_forward->setEnabled(m_history.canGoForward());
}

HelpWindowViewer::HelpWindowViewer(std::filesystem::path helpFile)
    : m_helpFile(std::move(helpFile))
{}

HelpWindowViewer::~HelpWindowViewer()
{
    if (m_popup != nullptr)
        m_popup->close();
}

void HelpWindowViewer::showTopic(int context)
{
    if (m_window == nullptr)
        m_window = std::make_unique<HelpWindow>(m_helpFile);
    m_window->showTopic(context);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void HelpWindowViewer::showPopup(int context, const QPoint& globalPosition)
{
    if (m_popup != nullptr)
        m_popup->close();
    // Owned by the window asking, and gone when closed.
    QWidget* owner = QApplication::activeModalWidget();
    m_popup = new HelpPopup(
        HelpPopupMarkdown(LoadHelpPage(m_helpFile, context)),
        [this](int topic) { showTopic(topic); },
        owner != nullptr ? owner : QApplication::activeWindow());
    m_popup->showAt(globalPosition);
}

} // namespace zelt
