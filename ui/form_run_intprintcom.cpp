#include "ui/form_run_intprintcom.h"

#include "base/code_page_437.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace zelt {

namespace {

constexpr int OptionItemHeight = 13;

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TFormRunIntprintcom::TFormRunIntprintcom(const QString& parameter, QWidget* parent)
    : ToolDialog("FormRunIntprintcom", QStringLiteral("Run Intprint.com"), parent)
{
    auto* buttonRun = MakeButton(this, "ButtonRun", "Run");
    place(*buttonRun, 213, 13, 75, 23);
    buttonRun->setDefault(true);
    auto* buttonCancel = MakeButton(this, "ButtonCancel", "Cancel");
    place(*buttonCancel, 213, 46, 75, 23);

    auto* parameterGroup = new QGroupBox(QStringLiteral("Commandline Parameters"), this);
    place(*parameterGroup, 8, 8, 193, 50);
    m_editParam = new QComboBox(parameterGroup);
    m_editParam->setObjectName(QStringLiteral("EditParam"));
    m_editParam->setEditable(true);
    m_editParam->setInsertPolicy(QComboBox::NoInsert);
    place(*m_editParam, 10, 18, 173);
    m_editParam->setEditText(parameter);

    m_checkBoxKeepPrompt = new QCheckBox(QStringLiteral("Wait for keypress after run"), this);
    m_checkBoxKeepPrompt->setObjectName(QStringLiteral("CheckBoxKeepPrompt"));
    place(*m_checkBoxKeepPrompt, 8, 66, 153, 17);
    m_checkBoxKeepPrompt->setChecked(true);

    auto* optionsGroup = new QGroupBox(QStringLiteral("Options"), this);
    place(*optionsGroup, 8, 88, 281, 145);
    m_checkListBoxOptions = new QListWidget(optionsGroup);
    m_checkListBoxOptions->setObjectName(QStringLiteral("CheckListBoxOptions"));
    place(*m_checkListBoxOptions, 8, 16, 265, 121);
    for (const std::string_view text : FormatterOptionTexts()) {
        auto* item = new QListWidgetItem(FromUtf8(text), m_checkListBoxOptions);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setSizeHint(QSize(0, scaled(OptionItemHeight)));
    }
    finishLayout(297, 241);

    // Each half is truncated on its own.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);

    connect(buttonRun, &QPushButton::clicked, this, &TFormRunIntprintcom::buttonRunClick);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

FormatterRun TFormRunIntprintcom::formatterRun() const
{
    FormatterRun run;
    for (std::size_t i = 0; i < FormatterOptionCount; ++i) {
        const QListWidgetItem* item = m_checkListBoxOptions->item(static_cast<int>(i));
        run.options[i] = item->checkState() == Qt::Checked;
    }
    // The formatter is a DOS program: its command line is in the DOS code page.
    run.parameter = Utf8ToCp437(ToUtf8(m_editParam->currentText()));
    run.keepPrompt = m_checkBoxKeepPrompt->isChecked();
    return run;
}

void TFormRunIntprintcom::buttonRunClick()
{
    accept();
}

} // namespace zelt
