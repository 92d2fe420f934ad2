// The real save and print dialogs behind the message-box interface, opened
// and read while they are up (Qt's own dialogs: the tests use no native ones).
#include "tests/ui/ui_fixture.h"
#include "ui/message_boxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTimer>
#include <functional>

namespace zelt::test {
namespace {

// Runs inspect on the modal dialog as soon as it is shown.
template <typename Dialog>
void WhenShown(std::function<void(Dialog&)> inspect)
{
    QTimer::singleShot(0, [inspect] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no dialog was shown";
            return;
        }
        inspect(*dialog);
    });
}

TEST(OutputDialogs, TheSaveDialogAsksBeforeReplacingAndAddsNoExtension)
{
    const TempDir dir;
    QtMessageBoxes boxes;
    WhenShown<QFileDialog>([&dir](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Save topic");
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog.defaultSuffix(), "");
        EXPECT_TRUE(dialog.isSizeGripEnabled());
#ifdef Q_OS_WIN
        EXPECT_EQ(dialog.nameFilters(), QStringList({"Textfiles (*.txt)", "All files (*.*)"}));
#else
        EXPECT_EQ(dialog.nameFilters(), QStringList({"Textfiles (*.txt)", "All files (*)"}));
#endif
        dialog.setDirectory(QString::fromStdString(dir.path().string()));
        dialog.selectFile(QStringLiteral("2109"));
        static_cast<QDialog&>(dialog).accept();
    });
    const auto chosen = boxes.chooseFileToSave(
        {QStringLiteral("Save topic"), {"Textfiles (*.txt)", "All files (*.*)"}, "2109.txt"});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, QString::fromStdString(dir.file("2109"))) << "typed without extension";

    WhenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(boxes.chooseFileToSave({QStringLiteral("Save topic"), {}, "x.txt"}));
}

TEST(OutputDialogs, ThePrintDialogOffersTheSelectionOnlyWhenAsked)
{
    QtMessageBoxes boxes;
    QPrinter printer;
    printer.setCopyCount(1);
    WhenShown<QPrintDialog>([](QPrintDialog& dialog) {
        EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
        EXPECT_EQ(dialog.printRange(), QAbstractPrintDialog::Selection);
#ifndef Q_OS_WIN
        // The user picks "All" on the dialog's own range buttons.
        auto* selection = dialog.findChild<QRadioButton*>(QStringLiteral("printSelection"));
        auto* all = dialog.findChild<QRadioButton*>(QStringLiteral("printAll"));
        auto* pages = dialog.findChild<QRadioButton*>(QStringLiteral("printRange"));
        ASSERT_TRUE(selection && all && pages);
        EXPECT_TRUE(selection->isChecked());
        EXPECT_TRUE(selection->isEnabled());
        EXPECT_FALSE(pages->isEnabled() && pages->isVisibleTo(&dialog)) << "no page ranges";
        all->setChecked(true);
#endif
        dialog.accept();
    });
#ifndef Q_OS_WIN
    EXPECT_EQ(boxes.showPrintDialog(printer, {true, PrintRange::Selection}), PrintRange::All);
#endif
    EXPECT_EQ(printer.copyCount(), 1);

    WhenShown<QPrintDialog>([](QPrintDialog& dialog) {
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
        EXPECT_EQ(dialog.printRange(), QAbstractPrintDialog::AllPages);
        dialog.reject();
    });
    EXPECT_FALSE(boxes.showPrintDialog(printer, {false, PrintRange::All}));
}

} // namespace
} // namespace zelt::test
