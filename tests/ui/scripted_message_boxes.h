#pragma once

#include "ui/message_boxes.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <vector>

namespace zelt::test {

struct ShownMessage {
    MessageIcon icon;
    QString title;
    QString text;
};

// Records every box the program shows and answers from queues; an empty queue
// answers No and Cancel.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    void inform(const QString& text) override;
    void warn(const QString& text) override;
    void error(const QString& text) override;
    bool confirm(const QString& text) override;
    std::optional<QString> chooseFileToOpen(const OpenFileRequest& request) override;
    std::optional<QString> chooseFolder(const FolderRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontChoice& current) override;
    // Shows the dialog, runs the next script on it and closes it with
    // Cancel if the script left it open.
    void showModal(QDialog& dialog) override;

    QStringList texts() const;

    std::vector<ShownMessage> shown;
    std::vector<OpenFileRequest> fileRequests;
    std::deque<bool> confirmAnswers;
    std::deque<QString> fileAnswers; // a null string cancels the dialog
    std::vector<FolderRequest> folderRequests;
    std::deque<QString> folderAnswers; // a null string cancels the dialog
    std::vector<FontChoice> fontRequests;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::vector<QString> modalDialogs; // object names, in the order shown
    std::deque<std::function<void(QDialog&)>> modalScripts;
};

} // namespace zelt::test
