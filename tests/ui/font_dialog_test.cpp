#include "ui/font_dialog.h"

#include <QFontComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace zelt::test {
namespace {

TEST(FontDialog, SizesFromFiveToTwentyPoints)
{
    FontDialog dialog(FontChoice{QStringLiteral("DejaVu Sans Mono"), 10}, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Font");
    EXPECT_EQ(dialog.sizeBox()->minimum(), 5);
    EXPECT_EQ(dialog.sizeBox()->maximum(), 20);
    EXPECT_EQ(dialog.choice(), (FontChoice{QStringLiteral("DejaVu Sans Mono"), 10}));
    dialog.sizeBox()->setValue(40);
    EXPECT_EQ(dialog.choice().points, 20);
    dialog.sizeBox()->setValue(2);
    EXPECT_EQ(dialog.choice().points, 5);
    EXPECT_EQ(FontDialog(FontChoice{QStringLiteral("DejaVu Sans"), 36}, nullptr).choice().points,
              20);
}

TEST(FontDialog, OffersInstalledFixedAndProportionalFontsOfTheLatinScript)
{
    FontDialog dialog(FontChoice{QStringLiteral("DejaVu Sans"), 8}, nullptr);
    QFontComboBox& families = *dialog.familyBox();
    EXPECT_EQ(families.writingSystem(), QFontDatabase::Latin);
    EXPECT_EQ(families.fontFilters(), QFontComboBox::AllFonts);
    EXPECT_FALSE(families.isEditable());
    QStringList offered;
    for (int i = 0; i < families.count(); ++i)
        offered.push_back(families.itemText(i));
    EXPECT_TRUE(offered.contains("DejaVu Sans Mono"));
    EXPECT_TRUE(offered.contains("DejaVu Sans"));
    for (const QString& family : offered)
        EXPECT_TRUE(QFontDatabase::families().contains(family)) << family.toStdString();
}

TEST(FontDialog, KeepsASubstitutedNameUnlessAnotherFontIsPicked)
{
    FontDialog dialog(FontChoice{QStringLiteral("Courier New"), 8}, nullptr);
    EXPECT_EQ(dialog.choice().family, "Courier New");
    dialog.familyBox()->setCurrentFont(QFont(QStringLiteral("DejaVu Sans")));
    EXPECT_EQ(dialog.choice().family, "DejaVu Sans");
    EXPECT_EQ(dialog.sample()->font().family(), "DejaVu Sans");
}

TEST(FontDialog, SampleShowsTheListsBoxDrawingCharacters)
{
    const QString sample = FontSampleText();
    for (const char16_t c : {u'\u250C', u'\u2500', u'\u2554', u'\u2550', u'\u2591', u'\u2588'})
        EXPECT_TRUE(sample.contains(QChar(c))) << int(c);
    // Three lines, their ends not drawn as the code page's 0Ah character.
    EXPECT_EQ(sample.count(u'\n'), 2);
    EXPECT_FALSE(sample.contains(QChar(u'\u25D9')));
    FontDialog dialog(FontChoice{QStringLiteral("DejaVu Sans Mono"), 14}, nullptr);
    EXPECT_EQ(dialog.sample()->text(), sample);
    EXPECT_EQ(dialog.sample()->font().pointSize(), 14);
    dialog.sizeBox()->setValue(6);
    EXPECT_EQ(dialog.sample()->font().pointSize(), 6);
}

} // namespace
} // namespace zelt::test
