#include "ui/form_go_to.h"

#include "ui/qt_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace zelt {

TFormGoTo::TFormGoTo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FormGoTo"));
    setWindowTitle(QStringLiteral("Go To"));
    setModal(true);
    QFont designFont(QStringLiteral("MS Sans Serif"));
    designFont.setPointSize(8);
    setFont(designFont);
    setFixedSize(ClientWidth, ClientHeight);

    auto* label = new QLabel(QStringLiteral("&Reference:"), this);
    label->setGeometry(10, 10, 217, 15);
    m_reference = new QComboBox(this);
    m_reference->setObjectName(QStringLiteral("GoToReferenceEdit"));
    m_reference->setEditable(true);
    // As in the Find dialog: the history is kept by OK alone, and what is
    // typed stays what is gone to.
    m_reference->setInsertPolicy(QComboBox::NoInsert);
    m_reference->setCompleter(nullptr);
    m_reference->setGeometry(10, 28, 217, m_reference->sizeHint().height());
    label->setBuddy(m_reference);
    auto* example = new QLabel(QStringLiteral("As the lists write it, such as INT 21/AH=4Ch, "
                                              "PORT 0060h or #01340"),
                               this);
    example->setWordWrap(true);
    example->setGeometry(10, 56, 217, 30);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("GoToOkButton"));
    m_okButton->setGeometry(239, 14, 75, 23);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &TFormGoTo::okClick);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("GoToCancelButton"));
    m_cancelButton->setGeometry(239, 48, 75, 23);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFormGoTo::reference() const
{
    return m_reference->currentText();
}

void TFormGoTo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_reference->setFocus();
    m_reference->lineEdit()->selectAll();
}

void TFormGoTo::okClick()
{
    const QString text = reference().trimmed();
    if (text.isEmpty())
        return;
    const FindHistory::Change change = m_history.add(ToUtf8(text));
    if (change.inserted)
        m_reference->insertItem(0, text);
    if (change.droppedLast)
        m_reference->removeItem(static_cast<int>(FindHistory::MaxEntries));
    m_reference->setEditText(text);
    accept();
}

} // namespace zelt
