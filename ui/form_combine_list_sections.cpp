#include "ui/form_combine_list_sections.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace zelt {

namespace {

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TFormCombineListSections::TFormCombineListSections(SectionsPresent present, QWidget* parent)
    : ToolDialog("FormCombineListSections", QStringLiteral("Combine list sections"), parent)
{
    auto* group = new QGroupBox(QStringLiteral("Combine"), this);
    place(*group, 8, 8, 169, 65);
    m_checkBoxIL = MakeCheckBox(group, "CheckBoxIL", "Sections of Interrup.lst");
    place(*m_checkBoxIL, 10, 16, 151, 17);
    m_checkBoxPL = MakeCheckBox(group, "CheckBoxPL", "Sections of Ports.lst");
    place(*m_checkBoxPL, 10, 38, 151, 17);
    m_buttonOk = MakeButton(this, "ButtonOk", "Ok");
    place(*m_buttonOk, 192, 13, 75, 23);
    m_buttonOk->setDefault(true);
    auto* buttonCancel = MakeButton(this, "ButtonCancel", "Cancel");
    place(*buttonCancel, 192, 46, 75, 23);
    m_checkBoxDelete = MakeCheckBox(this, "CheckBoxDelete", "Delete sections after combining");
    place(*m_checkBoxDelete, 10, 80, 175, 17);
    finishLayout(277, 105);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    // A list can be chosen only when its first section is there.
    m_checkBoxIL->setEnabled(present.interrup);
    m_checkBoxIL->setChecked(present.interrup);
    m_checkBoxPL->setEnabled(present.ports);
    m_checkBoxPL->setChecked(present.ports);
    m_buttonOk->setEnabled(present.interrup || present.ports);
    m_checkBoxDelete->setEnabled(m_buttonOk->isEnabled());

    connect(m_checkBoxIL, &QCheckBox::clicked, this, &TFormCombineListSections::checkBoxListClick);
    connect(m_checkBoxPL, &QCheckBox::clicked, this, &TFormCombineListSections::checkBoxListClick);
    connect(m_buttonOk, &QPushButton::clicked, this, &TFormCombineListSections::buttonOkClick);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

CombineChoice TFormCombineListSections::choice() const
{
    return CombineChoice{m_checkBoxPL->isChecked(), m_checkBoxIL->isChecked(),
                         m_checkBoxDelete->isChecked()};
}

// The delete box keeps the state it got when the dialog was shown.
void TFormCombineListSections::checkBoxListClick()
{
    m_buttonOk->setEnabled(m_checkBoxIL->isChecked() || m_checkBoxPL->isChecked());
}

void TFormCombineListSections::buttonOkClick()
{
    accept();
}

} // namespace zelt
