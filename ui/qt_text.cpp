#include "ui/qt_text.h"

#include "base/code_page_437.h"

namespace zelt {

QString FromCp437(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        const char32_t character = Cp437ToUnicode(static_cast<unsigned char>(byte));
        // Every glyph of the code page lies in the basic plane.
        text.append(QChar(static_cast<char16_t>(character)));
    }
    return text;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToUtf8(const QString& text)
{
    return text.toStdString();
}

} // namespace zelt
