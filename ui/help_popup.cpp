#include "ui/help_popup.h"

#include "help/help_file.h"
#include "ui/qt_text.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace zelt {

HelpPopup::HelpPopup(const QString& html, std::function<void(int context)> openTopic,
                     QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , m_text(new QLabel(this))
    , m_openTopic(std::move(openTopic))
{
    setObjectName(QStringLiteral("HelpPopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);
    m_text->setObjectName(QStringLiteral("HelpPopupText"));
    m_text->setTextFormat(Qt::RichText);
    m_text->setWordWrap(true);
    m_text->setOpenExternalLinks(false);
    m_text->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_text->setForegroundRole(QPalette::ToolTipText);
    m_text->setText(html);
    m_text->setFixedWidth(TextWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addWidget(m_text);
    connect(m_text, &QLabel::linkActivated, this, &HelpPopup::linkActivated);
}

void HelpPopup::showAt(const QPoint& globalTopLeft)
{
    adjustSize();
    // The native window first, so that the position places its frame.
    winId();
    const QSize outer = frameGeometry().size();
    const QScreen* screen = QGuiApplication::screenAt(globalTopLeft);
    const QRect room =
        (screen != nullptr ? screen : QGuiApplication::primaryScreen())->availableGeometry();
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
