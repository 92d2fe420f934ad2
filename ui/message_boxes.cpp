#include "ui/message_boxes.h"

#include "app/app_title.h"
#include "ui/font_dialog.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace zelt {

int MessageBoxes::execDialog(QDialog& dialog)
{
    return dialog.exec();
}

namespace {

// Never as markup: a searched "<b>zz" is shown as typed.
QMessageBox::StandardButton ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                    const QString& text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::Ok)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// "*.*" is any file on Windows; elsewhere it asks for a dot in the name, so
// there the pattern behind the same caption is "*".
QStringList PlatformNameFilters(QStringList filters)
{
#ifndef Q_OS_WIN
    for (QString& filter : filters) {
        if (filter.endsWith(QLatin1String("(*.*)")))
            filter.replace(filter.size() - 5, 5, QStringLiteral("(*)"));
    }
#endif
    return filters;
}

} // namespace

void QtMessageBoxes::inform(const QString& text)
{
    ShowBox(m_parent, QMessageBox::Information, QString::fromLatin1(InformationTitle), text);
}

void QtMessageBoxes::warn(const QString& text)
{
    ShowBox(m_parent, QMessageBox::Warning, QString::fromLatin1(WarningTitle), text);
}

void QtMessageBoxes::error(const QString& text)
{
    ShowBox(m_parent, QMessageBox::Critical, FromUtf8(AppTitle), text);
}

bool QtMessageBoxes::confirm(const QString& text)
{
    return ShowBox(m_parent, QMessageBox::Question, QString::fromLatin1(ConfirmTitle), text,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<QString> QtMessageBoxes::chooseFileToOpen(const OpenFileRequest& request)
{
    QFileDialog dialog(m_parent, request.title, request.directory);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(PlatformNameFilters(request.filters));
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtMessageBoxes::chooseFileToSave(const SaveFileRequest& request)
{
    QFileDialog dialog(m_parent, request.title);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilters(PlatformNameFilters(request.filters));
    // A name typed without extension is used as typed.
    dialog.setDefaultSuffix(QString());
    dialog.selectFile(request.fileName);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<PrintRange> QtMessageBoxes::showPrintDialog(QPrinter& printer,
                                                          const PrintDialogRequest& request)
{
    QPrintDialog dialog(&printer, m_parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, request.selectionOffered);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setPrintRange(request.range == PrintRange::Selection ? QAbstractPrintDialog::Selection
                                                                : QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.printRange() == QAbstractPrintDialog::Selection ? PrintRange::Selection
                                                                  : PrintRange::All;
}

std::optional<QString> QtMessageBoxes::chooseFolder(const FolderRequest& request)
{
    const QString folder = QFileDialog::getExistingDirectory(
        m_parent, request.title, request.directory, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<FontChoice> QtMessageBoxes::chooseFont(const FontChoice& current)
{
    // Over the dialog that asks, not behind it.
    QWidget* parent = QApplication::activeModalWidget();
    FontDialog dialog(current, parent != nullptr ? parent : m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace zelt
