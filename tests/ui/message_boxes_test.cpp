#include "ui/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace zelt::test {
namespace {

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::TextFormat format = Qt::AutoText;
};

// Reads the box that the call opens, then presses one of its buttons.
template <typename Call>
ShownBox ShowAndAnswer(Call call, QMessageBox::StandardButton answer = QMessageBox::Ok)
{
    ShownBox shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        shown.title = box->windowTitle();
        shown.text = box->text();
        shown.icon = box->icon();
        shown.format = box->textFormat();
        for (QAbstractButton* button : box->buttons())
            shown.buttons.append(button->text().remove(QLatin1Char('&')));
        shown.buttons.sort();
        box->button(answer)->click();
    });
    call();
    return shown;
}

TEST(QtMessageBoxes, ShowTheProgramsTitlesIconsAndButtons)
{
    QtMessageBoxes boxes;
    const ShownBox information = ShowAndAnswer([&] { boxes.inform("Unable to find \"A.LST\" !"); });
    EXPECT_EQ(information.title, "Information");
    EXPECT_EQ(information.text, "Unable to find \"A.LST\" !");
    EXPECT_EQ(information.icon, QMessageBox::Information);
    EXPECT_EQ(information.buttons, QStringList{"OK"});

    const ShownBox warning = ShowAndAnswer([&] { boxes.warn("Unable to load list !"); });
    EXPECT_EQ(warning.title, "Warning");
    EXPECT_EQ(warning.text, "Unable to load list !");
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_EQ(warning.buttons, QStringList{"OK"});

    const ShownBox error = ShowAndAnswer([&] { boxes.error("Failed to set data for 'AskExit'"); });
    EXPECT_EQ(error.title, "ZELT Viewer");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.buttons, QStringList{"OK"});
}

TEST(QtMessageBoxes, ConfirmAsksYesOrNo)
{
    QtMessageBoxes boxes;
    bool answer = false;
    const ShownBox yes =
        ShowAndAnswer([&] { answer = boxes.confirm("Exit program?"); }, QMessageBox::Yes);
    EXPECT_TRUE(answer);
    EXPECT_EQ(yes.title, "Confirm");
    EXPECT_EQ(yes.text, "Exit program?");
    EXPECT_EQ(yes.icon, QMessageBox::Question);
    EXPECT_EQ(yes.buttons, (QStringList{"No", "Yes"}));

    ShowAndAnswer([&] { answer = boxes.confirm("Exit program?"); }, QMessageBox::No);
    EXPECT_FALSE(answer);
}

TEST(QtMessageBoxes, ShowTextsAsTypedNeverAsMarkup)
{
    QtMessageBoxes boxes;
    const QString text = "Search string '<b>zz' not found !";
    const std::pair<std::function<void()>, QMessageBox::StandardButton> calls[] = {
        {[&] { boxes.inform(text); }, QMessageBox::Ok},
        {[&] { boxes.warn(text); }, QMessageBox::Ok},
        {[&] { boxes.error(text); }, QMessageBox::Ok},
        {[&] { boxes.confirm(text); }, QMessageBox::No},
    };
    for (const auto& [call, answer] : calls) {
        const ShownBox shown = ShowAndAnswer(call, answer);
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.format, Qt::PlainText);
    }
}

TEST(QtMessageBoxes, ExecDialogRunsTheDialogModally)
{
    QDialog dialog;
    QWidget* modal = nullptr;
    // Bound to the dialog: a dialog shown without a modal loop takes it along.
    QTimer::singleShot(0, &dialog, [&] {
        modal = QApplication::activeModalWidget();
        dialog.accept();
    });
    QtMessageBoxes boxes;
    EXPECT_EQ(boxes.execDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(modal, &dialog);
}

} // namespace
} // namespace zelt::test
