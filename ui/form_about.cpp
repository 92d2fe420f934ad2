#include "ui/form_about.h"

#include "app/app_title.h"
#include "ui/qt_text.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace zelt {

namespace {

QLabel* WhiteLabel(QWidget* parent, const char* name, const QString& text, bool bold, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setBold(bold);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

TFormAbout::TFormAbout(const ProgramVersion& version, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont designFont(QStringLiteral("MS Sans Serif"));
    designFont.setPointSize(8);
    setFont(designFont);
    setFixedSize(ClientWidth, ClientHeight);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setFrameShape(QFrame::NoFrame);
    picture->setPixmap(AboutPicture());
    picture->setGeometry(8, 8, 300, 150);

    m_version = WhiteLabel(this, "Version", FromUtf8(VersionLabelText(version)), true, 25, 104);
    m_copyright = WhiteLabel(this, "Copyright", FromUtf8(CopyrightText), false, 25, 120);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Bevel"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(8, 168, 303, 2);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(239, 176, 73, 23);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormAbout::showEvent(QShowEvent* event)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.x() + screen.width() / 2 - width() / 2,
         screen.y() + screen.height() / 2 - height() / 2);
    QDialog::showEvent(event);
}

} // namespace zelt
