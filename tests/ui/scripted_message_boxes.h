#pragma once

#include "ui/message_boxes.h"

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
    // Shows the dialog without a modal loop and runs the next scripted step on
    // it; a dialog still open afterwards is cancelled.
    int showModal(QDialog& dialog) override;

    QStringList texts() const;

    std::vector<ShownMessage> shown;
    std::vector<OpenFileRequest> fileRequests;
    std::deque<bool> confirmAnswers;
    std::deque<QString> fileAnswers; // a null string cancels the dialog
    QStringList shownDialogs;        // their object names
    std::deque<std::function<void(QDialog&)>> dialogSteps;
};

} // namespace zelt::test
