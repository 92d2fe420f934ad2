#include "help/help_context.h"
#include "tests/ui/ui_fixture.h"
#include "ui/command_actions.h"
#include "ui/form_main.h"
#include "ui/help_popup.h"
#include "ui/help_window.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <sys/stat.h>

namespace zelt::test {
namespace {

class HelpWindowTest : public UiTest {
protected:
    std::filesystem::path helpFile() const { return programFolder() / "ZELTVIEW.HLP"; }

    HelpWindow* helpWindow() const
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible())
                return help;
        }
        return nullptr;
    }

    void helpTopics()
    {
        window().updateCommands();
        window().commandActions().command(CommandId::HelpHelpIndex)->trigger();
    }
};

TEST_F(HelpWindowTest, HelpTopicsOpensTheContentsWithWorkingLinksBackAndForward)
{
    std::filesystem::copy_file(ZELT_HELP_FILE, helpFile());
    start();
    helpTopics();
    HelpWindow* help = helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentTopic(), help_context::Contents);
    EXPECT_EQ(help->windowTitle(), "Contents - ZELT Viewer Help");
    EXPECT_TRUE(help->browser()->toPlainText().contains("Configuration dialog"));
    EXPECT_FALSE(help->backAction()->isEnabled());

    Q_EMIT help->browser()->anchorClicked(QUrl(QStringLiteral("1100")));
    EXPECT_EQ(help->currentTopic(), 1100);
    Q_EMIT help->browser()->anchorClicked(QUrl(QStringLiteral("1111")));
    EXPECT_EQ(help->currentTopic(), 1111);
    EXPECT_EQ(help->windowTitle(), "Location of lists - ZELT Viewer Help");
    EXPECT_TRUE(help->browser()->toPlainText().contains("Location of lists"));
    // Links to anything but a topic lead nowhere.
    Q_EMIT help->browser()->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    EXPECT_EQ(help->currentTopic(), 1111);

    help->backAction()->trigger();
    EXPECT_EQ(help->currentTopic(), 1100);
    EXPECT_TRUE(help->forwardAction()->isEnabled());
    help->forwardAction()->trigger();
    EXPECT_EQ(help->currentTopic(), 1111);
    help->contentsAction()->trigger();
    EXPECT_EQ(help->currentTopic(), help_context::Contents);
}

TEST_F(HelpWindowTest, HelpFileDeletedMeanwhileStillGetsTheRequestAndIsReportedMissing)
{
    std::filesystem::copy_file(ZELT_HELP_FILE, helpFile());
    start();
    std::filesystem::remove(helpFile());
    window().updateCommands();
    EXPECT_TRUE(window().commandActions().command(CommandId::HelpHelpIndex)->isVisible());
    helpTopics();
    HelpWindow* help = helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->toPlainText(),
              QStringLiteral("The help file %1 is missing.")
                  .arg(QString::fromStdString(helpFile().string())));
    EXPECT_EQ(help->windowTitle(), "ZELT Viewer Help");
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(HelpWindowTest, PopupStandsAtThePositionAndItsLinksOpenTheHelpWindow)
{
    std::filesystem::copy_file(ZELT_HELP_FILE, helpFile());
    HelpWindowViewer viewer(helpFile());
    viewer.showPopup(1111, QPoint(100, 120));
    QPointer<HelpPopup> popup = viewer.popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->windowType(), Qt::Popup);
    EXPECT_EQ(popup->pos(), QPoint(100, 120));
    EXPECT_TRUE(popup->text()->toPlainText().contains("Location of lists"));

    // A second popup replaces the first; near the edge it moves in.
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    viewer.showPopup(1121, QPoint(room.right() - 5, room.top() + 10));
    QApplication::processEvents();
    // Closed and gone.
    EXPECT_EQ(popup, nullptr);
    popup = viewer.popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->frameGeometry().right(), room.right());
    EXPECT_EQ(popup->y(), room.top() + 10);

    Q_EMIT popup->text()->anchorClicked(QUrl(QStringLiteral("1006")));
    QApplication::processEvents();
    EXPECT_EQ(popup, nullptr);
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_EQ(viewer.window()->currentTopic(), 1006);
}

TEST_F(HelpWindowTest, PagesAndPopupsOfTopicsAndOfFaults)
{
    std::filesystem::copy_file(ZELT_HELP_FILE, helpFile());
    HelpPage page = LoadHelpPage(helpFile(), 1121);
    EXPECT_TRUE(page.found);
    EXPECT_EQ(page.title, "Confirm program exit");
    QTextDocument popup;
    popup.setMarkdown(HelpPopupMarkdown(page));
    EXPECT_TRUE(popup.toPlainText().startsWith("Confirm program exit\n"));
    EXPECT_TRUE(popup.toPlainText().contains("Exit ZELT Viewer ?"));

    page = LoadHelpPage(helpFile(), 4242);
    EXPECT_FALSE(page.found);
    EXPECT_TRUE(page.markdown.endsWith("has no topic 4242."));

    WriteBytes(helpFile(), "ZELTHELP 1\n@topic 1121\n");
    page = LoadHelpPage(helpFile(), 1121);
    EXPECT_FALSE(page.found);
    EXPECT_TRUE(page.markdown.endsWith("is damaged: line 2: topic 1121 has no title."));
}

// Neither an endless device nor a pipe nobody writes to may hold the window.
TEST_F(HelpWindowTest, ImagesOfATopicAreNeverLoaded)
{
    const std::filesystem::path fifo = programFolder() / "picture.png";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    WriteBytes(helpFile(), "ZELTHELP 1\n@topic 1000 Pictures\n![endless](/dev/zero)\n\n![pipe](" +
                               fifo.string() + ")\n\n<img src=\"" + fifo.string() +
                               "\"> <img src=\"/dev/zero\">\n");
    HelpWindowViewer viewer(helpFile());
    viewer.showTopic(1000);
    viewer.showPopup(1000, QPoint(10, 10));
    QApplication::processEvents();
    ASSERT_NE(viewer.popup(), nullptr);
    for (HelpBrowser* browser : {viewer.window()->browser(), viewer.popup()->text()}) {
        browser->grab();
        EXPECT_TRUE(browser->toHtml().contains("/dev/zero"));
    }
}

} // namespace
} // namespace zelt::test
