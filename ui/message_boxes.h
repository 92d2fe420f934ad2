#pragma once

#include "output/print_plan.h"

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QDialog;
class QWidget;

namespace zelt {

enum class MessageIcon { Information, Warning, Error, Question };

struct OpenFileRequest {
    QString title;
    // Filters in the dialog's form, e.g. "List files (*.lst)".
    QStringList filters;
    QString directory;
};

struct SaveFileRequest {
    QString title;
    QStringList filters;
    // The name proposed, without folder.
    QString fileName;
};

struct PrintDialogRequest {
    // Whether the dialog offers to print the selection.
    bool selectionOffered = false;
    PrintRange range = PrintRange::All;
};

struct FolderRequest {
    QString title;
    QString directory;
};

// A font by family name and size in points.
struct FontChoice {
    QString family;
    int points = 8;

    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

// Every message box and modal file dialog of the program goes through here, so
// that tests can read what was shown and answer it.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // An information box with one OK button.
    virtual void inform(const QString& text) = 0;
    // A warning box with one OK button (the numbered messages).
    virtual void warn(const QString& text) = 0;
    // The application's own error report (a stop icon, OK), for failures such
    // as a settings value that cannot be written.
    virtual void error(const QString& text) = 0;
    // A question box titled "Confirm" with Yes and No; true for Yes.
    virtual bool confirm(const QString& text) = 0;
    // The path of an existing file, nothing when cancelled.
    virtual std::optional<QString> chooseFileToOpen(const OpenFileRequest& request) = 0;
    // A file name to write to, after asking before an existing file is
    // replaced; nothing when cancelled.
    virtual std::optional<QString> chooseFileToSave(const SaveFileRequest& request) = 0;
    // The print dialog for the printer, with one copy, no page ranges and no
    // printing to a file; the range chosen, nothing when cancelled.
    virtual std::optional<PrintRange> showPrintDialog(QPrinter& printer,
                                                      const PrintDialogRequest& request) = 0;
    // Shows one of the program's own dialogs modally; its result code.
    virtual int execDialog(QDialog& dialog);
    // The path of an existing folder, nothing when cancelled.
    virtual std::optional<QString> chooseFolder(const FolderRequest& request) = 0;
    // The font dialog of the configuration: sizes 5 to 20 points only.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& current) = 0;
};

inline constexpr char ConfirmTitle[] = "Confirm";
inline constexpr char InformationTitle[] = "Information";
inline constexpr char WarningTitle[] = "Warning";

// The real boxes, modal to the given window (none before it exists).
class QtMessageBoxes final : public MessageBoxes {
public:
    void setParentWindow(QWidget* window) { m_parent = window; }

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

private:
    QWidget* m_parent = nullptr;
};

} // namespace zelt
