#include "ui/form_about.h"
#include "ui/qt_text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace zelt {

namespace {

constexpr int Width = 300;
constexpr int Height = 150;

// Lines of the kind the list is made of, as a faint texture.
constexpr const char* TextureLines[] = {
    "INT 10 - VIDEO - SET VIDEO MODE",   "INT 13 - DISK - RESET DISK SYSTEM",
    "INT 16 - KEYBOARD - GET KEYSTROKE", "INT 21 - DOS 2+ - OPEN EXISTING FILE",
    "INT 2F - MULTIPLEX - INSTALLATION", "PORT 0060 - KEYBOARD DATA",
    "PORT 03F8 - SERIAL PORT 1",         "MEM 0040:0017 - KEYBOARD FLAGS",
    "CMOS 0Fh - SHUTDOWN STATUS",        "MSR 0000001Bh - APIC BASE",
    "INT 33 - MOUSE - RESET DRIVER",     "INT 1A - TIME - GET SYSTEM TIME",
};

void DrawTexture(QPainter& p)
{
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(9);
    p.setFont(mono);
    p.setPen(QColor(255, 255, 255, 26));
    int y = 10;
    int shift = 0;
    for (const char* line : TextureLines) {
        p.drawText(120 - shift, y, QString::fromLatin1(line));
        y += 12;
        shift = (shift + 23) % 60;
    }
}

// A small window of the viewer: grid rows above, a topic below.
void DrawViewerSketch(QPainter& p)
{
    const QRect frame(222, 18, 66, 58);
    p.setPen(QColor(255, 255, 255, 200));
    p.setBrush(QColor(255, 255, 255, 36));
    p.drawRect(frame);
    p.fillRect(frame.x() + 1, frame.y() + 1, frame.width() - 1, 7, QColor(255, 255, 255, 90));
    for (int row = 0; row < 4; ++row) {
        const int y = frame.y() + 12 + row * 6;
        p.fillRect(frame.x() + 4, y, 6, 4, row == 1 ? QColor(0, 200, 190) : QColor(0, 128, 128));
        p.fillRect(frame.x() + 13, y + 1, 18, 2, QColor(255, 255, 255, 150));
        p.fillRect(frame.x() + 35, y + 1, 26 - row * 4, 2, QColor(255, 255, 255, 110));
    }
    p.fillRect(frame.x() + 1, frame.y() + 37, frame.width() - 1, 1, QColor(255, 255, 255, 160));
    for (int line = 0; line < 3; ++line)
        p.fillRect(frame.x() + 4, frame.y() + 42 + line * 5, 54 - line * 9, 2,
                   QColor(255, 255, 255, line == 0 ? 190 : 120));
}

} // namespace

QPixmap AboutPicture()
{
    QPixmap picture(Width, Height);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    QLinearGradient sky(0, 0, Width, Height);
    sky.setColorAt(0.0, QColor(0, 104, 112));
    sky.setColorAt(1.0, QColor(8, 34, 52));
    p.fillRect(picture.rect(), sky);
    DrawTexture(p);
    // The texture fades out behind the title and the labels.
    QLinearGradient calm(0, 0, 215, 0);
    calm.setColorAt(0.0, QColor(4, 40, 56, 200));
    calm.setColorAt(0.75, QColor(4, 40, 56, 120));
    calm.setColorAt(1.0, QColor(4, 40, 56, 0));
    p.fillRect(0, 0, 215, Height, calm);
    DrawViewerSketch(p);

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(26);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(22, 52, QStringLiteral("ZELT Viewer"));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(11);
    p.setFont(subtitle);
    p.setPen(QColor(190, 236, 232));
    p.drawText(24, 72, QStringLiteral("for the PC interrupt list"));

    // A rule in the list's own box-drawing characters.
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(10);
    p.setFont(mono);
    p.setPen(QColor(0, 210, 200));
    p.drawText(22, 86,
               FromCp437("\xC6\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD"
                         "\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xB5"));
    return picture;
}

} // namespace zelt
