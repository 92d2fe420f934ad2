#include "ui/font_dialog.h"

#include "app/configuration.h"
#include "ui/qt_text.h"

#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zelt {

QString FontSampleText()
{
    // Each line through the code page on its own: 0Ah there is a character.
    // A small table that lines up only in a fixed-pitch font.
    const char* const lines[] = {
        "\xDA\xC4\xC4\xC4\xC4\xC4\xC2\xC4\xC4\xC4\xC4\xBF \xC9\xCD\xCD\xCD\xCD\xBB "
        "\xB0\xB1\xB2\xDB AaBbYyZz",
        "\xB3INT  \xB3 21h\xB3 \xBA"
        "AH  \xBA \xDB\xB2\xB1\xB0 0123456789",
        "\xC0\xC4\xC4\xC4\xC4\xC4\xC1\xC4\xC4\xC4\xC4\xD9 \xC8\xCD\xCD\xCD\xCD\xBC "
        "\x10\x11\x1E\x1F mov ah,4Ch",
    };
    QStringList sample;
    for (const char* line : lines)
        sample.push_back(FromCp437(line));
    return sample.join(u'\n');
}

FontDialog::FontDialog(const FontChoice& current, QWidget* parent)
    : QDialog(parent)
    , m_givenFamily(current.family)
    , m_family(new QFontComboBox(this))
    , m_size(new QSpinBox(this))
    , m_sample(new QLabel(this))
{
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("Font"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_family->setObjectName(QStringLiteral("FontFamily"));
    m_family->setWritingSystem(QFontDatabase::Latin);
    m_family->setFontFilters(QFontComboBox::AllFonts);
    m_family->setEditable(false);
    m_family->setCurrentFont(QFont(current.family));
    m_shownForGiven = m_family->currentFont().family();

    m_size->setObjectName(QStringLiteral("FontSize"));
    m_size->setRange(MinimumFontSize, MaximumFontSize);
    m_size->setSuffix(QStringLiteral(" pt"));
    m_size->setValue(FontDialogSize(current.points));

    m_sample->setObjectName(QStringLiteral("FontSample"));
    m_sample->setText(FontSampleText());
    m_sample->setTextFormat(Qt::PlainText);
    m_sample->setMinimumSize(360, 90);
    m_sample->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Font:"), m_family);
    form->addRow(QStringLiteral("&Size:"), m_size);
    auto* sampleBox = new QGroupBox(QStringLiteral("Sample"), this);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(m_sample);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(sampleBox);
    layout->addWidget(buttons);

    connect(m_family, &QFontComboBox::currentFontChanged, this, &FontDialog::updateSample);
    connect(m_size, &QSpinBox::valueChanged, this, &FontDialog::updateSample);
    updateSample();
}

FontChoice FontDialog::choice() const
{
    const QString shown = m_family->currentFont().family();
    return FontChoice{shown == m_shownForGiven ? m_givenFamily : shown, m_size->value()};
}

void FontDialog::updateSample()
{
    QFont font(choice().family);
    font.setPointSize(m_size->value());
    m_sample->setFont(font);
}

} // namespace zelt
