#pragma once

#include "tests/ui/ui_fixture.h"
#include "ui/category_combo_box.h"
#include "ui/command_actions.h"
#include "ui/form_find.h"
#include "ui/form_main.h"
#include "ui/status_bar_panels.h"
#include "ui/topics_grid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace zelt::test {

// Drives the Find dialog as the user does: each step runs while the dialog
// is shown by Find... or by Search Again with an empty text.
class FindDialogTest : public UiTest {
protected:
    TFormFind& dialog() const { return window().findDialog(); }
    TopicsGrid& grid() const { return window().topicsGrid(); }

    static QComboBox& textEdit(QDialog& d) { return *d.findChild<QComboBox*>("FindTextEdit"); }
    static QCheckBox& matchCase(QDialog& d) { return *d.findChild<QCheckBox*>("FindMatchCase"); }
    static QCheckBox& wholeWords(QDialog& d) { return *d.findChild<QCheckBox*>("FindWholeWords"); }
    static QPushButton& findButton(QDialog& d) { return *d.findChild<QPushButton*>("FindButton"); }
    static QPushButton& closeButton(QDialog& d)
    {
        return *d.findChild<QPushButton*>("CloseButton");
    }
    static QList<QRadioButton*> scopes(QDialog& d)
    {
        return d.findChild<QGroupBox*>("SearchInRadio")->findChildren<QRadioButton*>();
    }

    void command(CommandId id) const
    {
        window().updateCommands();
        window().commandActions().command(id)->trigger();
    }
    void searchAgain() const { command(CommandId::SearchSearchAgain); }

    // Find... with a step run on the open dialog.
    void showFind(std::function<void(QDialog&)> step)
    {
        m_messages.dialogScripts.push_back(std::move(step));
        command(CommandId::SearchFind);
    }

    // Find... with the text, scope and options given, then the Find button.
    void find(const QString& text, int scope, bool caseSensitive = false, bool words = false)
    {
        showFind([=](QDialog& d) {
            textEdit(d).setEditText(text);
            scopes(d).at(scope)->setChecked(true);
            matchCase(d).setChecked(caseSensitive);
            wholeWords(d).setChecked(words);
            findButton(d).click();
        });
    }

    void selectCategory(CategoryChar category) const
    {
        CategoryComboBox& box = window().categoryBox();
        for (int i = 0; i < box.count(); ++i) {
            if (box.categoryAt(i) == category) {
                box.setCurrentIndex(i);
                Q_EMIT box.activated(i);
                return;
            }
        }
        ADD_FAILURE() << "no category " << category;
    }

    QStringList notFoundMessages() const
    {
        QStringList texts;
        for (const ShownMessage& message : m_messages.shown) {
            EXPECT_EQ(message.icon, MessageIcon::Information);
            texts.push_back(message.text);
        }
        return texts;
    }

    // Every text written into the last status panel from now on.
    void recordStatusPanel()
    {
        QObject::connect(&window().statusPanels(), &StatusBarPanels::panelTextChanged,
                         [this](int panel, const QString& text) {
                             if (panel == 3)
                                 statusTexts.push_back(text);
                         });
    }

    QStringList statusTexts;
};

inline QString NotFound(const QString& text)
{
    return QStringLiteral("Search string '%1' not found !\n"
                          "(Select 'Search Again' to restart search from top)")
        .arg(text);
}

} // namespace zelt::test
