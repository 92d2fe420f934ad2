#include "base/program_version.h"
#include "tests/ui/ui_fixture.h"
#include "ui/command_actions.h"
#include "ui/form_about.h"
#include "ui/form_main.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace zelt::test {
namespace {

using AboutBoxTest = UiTest;

TEST_F(AboutBoxTest, ShowsVersionAndCopyrightOnThePictureAndClosesWithOk)
{
    start();
    bool shown = false;
    m_messages.dialogScripts.push_back([&shown](QDialog& dialog) {
        shown = true;
        EXPECT_EQ(dialog.objectName(), "FormAbout");
        EXPECT_EQ(dialog.windowTitle(), "About");
        EXPECT_EQ(dialog.size(), QSize(320, 207));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(dialog.pos(), QPoint(screen.width() / 2 - 160, screen.height() / 2 - 207 / 2));

        auto* picture = dialog.findChild<QLabel*>("Picture");
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->geometry(), QRect(8, 8, 300, 150));
        EXPECT_EQ(picture->pixmap().size(), QSize(300, 150));

        auto* version = dialog.findChild<QLabel*>("Version");
        auto* copyright = dialog.findChild<QLabel*>("Copyright");
        ASSERT_NE(version, nullptr);
        ASSERT_NE(copyright, nullptr);
        EXPECT_EQ(version->text(), QString::fromStdString(VersionLabelText(ReadProgramVersion())));
        EXPECT_TRUE(version->text().startsWith("Version: "));
        EXPECT_EQ(version->pos(), QPoint(25, 104));
        EXPECT_TRUE(version->font().bold());
        EXPECT_EQ(copyright->pos(), QPoint(25, 120));
        EXPECT_FALSE(copyright->font().bold());
        EXPECT_TRUE(copyright->text().startsWith(QString::fromUtf8("Copyright \u00A9")));
        EXPECT_EQ(version->palette().color(QPalette::WindowText), QColor(Qt::white));
        // Both lines stand on the picture.
        EXPECT_TRUE(picture->geometry().contains(copyright->geometry()));

        auto* rule = dialog.findChild<QFrame*>("Bevel");
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(rule->geometry().topLeft(), QPoint(8, 168));
        EXPECT_EQ(rule->width(), 303);
        auto* ok = dialog.findChild<QPushButton*>("OkButton");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_EQ(ok->geometry(), QRect(239, 176, 73, 23));
        ok->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    window().commandActions().command(CommandId::HelpAbout)->trigger();
    EXPECT_TRUE(shown);
    // Made for one showing.
    EXPECT_TRUE(window().findChildren<TFormAbout*>().isEmpty());
}

} // namespace
} // namespace zelt::test
