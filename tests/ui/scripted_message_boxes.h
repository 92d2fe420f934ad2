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
    std::optional<QString> chooseFileToSave(const SaveFileRequest& request) override;
    std::optional<PrintRange> showPrintDialog(QPrinter& printer,
                                              const PrintDialogRequest& request) override;
    // Shows the dialog and lets the next script work it; without one, or
    // when the script leaves it open, the dialog is cancelled.
    int execDialog(QDialog& dialog) override;
    std::optional<QString> chooseFolder(const FolderRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontChoice& current) override;

    QStringList texts() const;

    std::vector<ShownMessage> shown;
    std::vector<OpenFileRequest> fileRequests;
    std::deque<bool> confirmAnswers;
    std::deque<QString> fileAnswers; // a null string cancels the dialog
    std::vector<SaveFileRequest> saveRequests;
    std::deque<QString> saveAnswers; // a null string cancels the dialog
    std::vector<PrintDialogRequest> printRequests;
    std::deque<std::optional<PrintRange>> printAnswers; // nothing cancels the dialog
    std::deque<std::function<void(QDialog&)>> dialogScripts;
    QStringList dialogsShown; // their object names
    std::vector<FolderRequest> folderRequests;
    std::deque<QString> folderAnswers; // a null string cancels the dialog
    std::vector<FontChoice> fontRequests;
    std::deque<std::optional<FontChoice>> fontAnswers;
};

} // namespace zelt::test
