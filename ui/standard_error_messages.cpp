#include "ui/standard_error_messages.h"

#include <QDialog>

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

std::optional<QString> StandardErrorMessages::chooseFileToSave(const SaveFileRequest&)
{
    return std::nullopt;
}

std::optional<PrintRange> StandardErrorMessages::showPrintDialog(QPrinter&,
                                                                 const PrintDialogRequest&)
{
    return std::nullopt;
}

std::optional<QString> StandardErrorMessages::chooseFolder(const FolderRequest&)
{
    return std::nullopt;
}

std::optional<FontChoice> StandardErrorMessages::chooseFont(const FontChoice&)
{
    return std::nullopt;
}

int StandardErrorMessages::execDialog(QDialog&)
{
    return QDialog::Rejected;
}

} // namespace zelt
