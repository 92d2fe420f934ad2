#include "ui/help_popup.h"

#include "help/help_file.h"
#include "ui/help_browser.h"
#include "ui/qt_text.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

namespace zelt {

namespace {

constexpr QMargins TextMargins(10, 8, 10, 8);

} // namespace

HelpPopup::HelpPopup(const QString& markdown, std::function<void(int context)> openTopic,
                     QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , m_text(new HelpBrowser(this))
    , m_openTopic(std::move(openTopic))
{
    setObjectName(QStringLiteral("HelpPopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);
    m_text->setObjectName(QStringLiteral("HelpPopupText"));
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QPalette colours = m_text->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
    m_text->setPalette(colours);
    m_text->document()->setDocumentMargin(0);
    m_text->showMarkdown(markdown);
    m_text->setFixedWidth(TextWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TextMargins);
    layout->addWidget(m_text);
    connect(m_text, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { linkActivated(link.toString()); });
}

void HelpPopup::showAt(const QPoint& globalTopLeft)
{
    const QScreen* screen = QGuiApplication::screenAt(globalTopLeft);
    const QRect room =
        (screen != nullptr ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    m_text->document()->setTextWidth(TextWidth);
    const int textHeight = static_cast<int>(std::ceil(m_text->document()->size().height()));
    const int roomForText =
        room.height() - TextMargins.top() - TextMargins.bottom() - 2 * frameWidth();
    m_text->setFixedHeight(std::max(1, std::min(textHeight, roomForText)));
    adjustSize();
    // The native window first, so that the position places its frame.
    winId();
    const QSize outer = frameGeometry().size();
    QPoint place = globalTopLeft;
    place.setX(std::max(room.left(), std::min(place.x(), room.right() + 1 - outer.width())));
    place.setY(std::max(room.top(), std::min(place.y(), room.bottom() + 1 - outer.height())));
    move(place);
    show();
}

void HelpPopup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

void HelpPopup::linkActivated(const QString& link)
{
    const auto context = TopicLinkTarget(ToUtf8(link));
    close();
    if (context)
        m_openTopic(*context);
}

} // namespace zelt
