#include "ui/standard_error_messages.h"

namespace zelt {

void StandardErrorMessages::report(const QString& text)
{
    m_reported = true;
    const QByteArray line = QStringLiteral("zeltview: %1\n").arg(text).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), m_stream);
    std::fflush(m_stream);
}

void StandardErrorMessages::inform(const QString& text)
{
    report(text);
}

void StandardErrorMessages::warn(const QString& text)
{
    report(text);
}

void StandardErrorMessages::error(const QString& text)
{
    report(text);
}

bool StandardErrorMessages::confirm(const QString& text)
{
    report(text);
    return false;
}

std::optional<QString> StandardErrorMessages::chooseFileToOpen(const OpenFileRequest& request)
{
    Q_UNUSED(request);
    return std::nullopt;
}

} // namespace zelt
