#pragma once

#include "ui/message_boxes.h"

#include <cstdio>

namespace zelt {

// The messages of a run that nobody watches (QUIT): every box becomes one
// line on standard error, in the words the box would show, and nothing waits
// for an answer. Questions are answered No and file dialogs cancelled.
class StandardErrorMessages final : public MessageBoxes {
public:
    explicit StandardErrorMessages(std::FILE* stream = stderr)
        : m_stream(stream)
    {}

    void inform(const QString& text) override;
    void warn(const QString& text) override;
    void error(const QString& text) override;
    bool confirm(const QString& text) override;
    std::optional<QString> chooseFileToOpen(const OpenFileRequest& request) override;
    std::optional<QString> chooseFileToSave(const SaveFileRequest& request) override;
    std::optional<PrintRange> showPrintDialog(QPrinter& printer,
                                              const PrintDialogRequest& request) override;
    std::optional<QString> chooseFolder(const FolderRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontChoice& current) override;
    // Cancelled without being shown.
    int execDialog(QDialog& dialog) override;

    // Whether any message was written.
    bool reported() const noexcept { return m_reported; }

private:
    void report(const QString& text);

    std::FILE* m_stream;
    bool m_reported = false;
};

} // namespace zelt
