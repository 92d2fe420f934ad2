#include "tests/ui/scripted_message_boxes.h"

#include <QDialog>

namespace zelt::test {

void ScriptedMessageBoxes::inform(const QString& text)
{
    shown.push_back({MessageIcon::Information, QString::fromLatin1(InformationTitle), text});
}

void ScriptedMessageBoxes::warn(const QString& text)
{
    shown.push_back({MessageIcon::Warning, QString::fromLatin1(WarningTitle), text});
}

void ScriptedMessageBoxes::error(const QString& text)
{
    shown.push_back({MessageIcon::Error, QStringLiteral("ZELT Viewer"), text});
}

bool ScriptedMessageBoxes::confirm(const QString& text)
{
    shown.push_back({MessageIcon::Question, QString::fromLatin1(ConfirmTitle), text});
    if (confirmAnswers.empty())
        return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedMessageBoxes::chooseFileToOpen(const OpenFileRequest& request)
{
    fileRequests.push_back(request);
    if (fileAnswers.empty())
        return std::nullopt;
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer.isNull())
        return std::nullopt;
    return answer;
}

std::optional<QString> ScriptedMessageBoxes::chooseFileToSave(const SaveFileRequest& request)
{
    saveRequests.push_back(request);
    if (saveAnswers.empty())
        return std::nullopt;
    const QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    if (answer.isNull())
        return std::nullopt;
    return answer;
}

std::optional<QString> ScriptedMessageBoxes::chooseFolder(const FolderRequest& request)
{
    folderRequests.push_back(request);
    if (folderAnswers.empty())
        return std::nullopt;
    const QString answer = folderAnswers.front();
    folderAnswers.pop_front();
    if (answer.isNull())
        return std::nullopt;
    return answer;
}

std::optional<PrintRange> ScriptedMessageBoxes::showPrintDialog(QPrinter&,
                                                                const PrintDialogRequest& request)
{
    printRequests.push_back(request);
    if (printAnswers.empty())
        return std::nullopt;
    const auto answer = printAnswers.front();
    printAnswers.pop_front();
    return answer;
}

std::optional<FontChoice> ScriptedMessageBoxes::chooseFont(const FontChoice& current)
{
    fontRequests.push_back(current);
    if (fontAnswers.empty())
        return std::nullopt;
    const auto answer = fontAnswers.front();
    fontAnswers.pop_front();
    return answer;
}

int ScriptedMessageBoxes::execDialog(QDialog& dialog)
{
    dialogsShown.push_back(dialog.objectName());
    dialog.show();
    if (!dialogScripts.empty()) {
        const auto script = std::move(dialogScripts.front());
        dialogScripts.pop_front();
        script(dialog);
    }
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList result;
    for (const ShownMessage& message : shown)
        result.push_back(message.text);
    return result;
}

} // namespace zelt::test
