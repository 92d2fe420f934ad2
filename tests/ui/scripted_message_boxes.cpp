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

int ScriptedMessageBoxes::showModal(QDialog& dialog)
{
    shownDialogs.push_back(dialog.objectName());
    dialog.show();
    if (!dialogSteps.empty()) {
        const auto step = std::move(dialogSteps.front());
        dialogSteps.pop_front();
        step(dialog);
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
