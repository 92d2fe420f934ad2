#include "settings/settings.h"
#include "tests/ui/dialog_layout_check.h"
#include "tests/ui/ui_fixture.h"
#include "tools/formatter_batch.h"
#include "ui/form_main.h"
#include "ui/form_run_intprintcom.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

constexpr char BatchName[] = "ZELTViewer_Run_Intprint.bat";

// A DOS program that only ends, never run by the tests.
constexpr char TinyComProgram[] = "\xB8\x00\x4C\xCD\x21";

class RunFormatterTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        m_previousPath = qgetenv("PATH");
        // No DOS emulator unless a test puts one there.
        fs::create_directory(m_temp.path() / "bin");
        qputenv("PATH", QByteArray::fromStdString((m_temp.path() / "bin").string()));
    }
    void TearDown() override
    {
        qputenv("PATH", m_previousPath);
        UiTest::TearDown();
    }
    void startWithListsFolder()
    {
        start();
        m_run->settings().DefStartupDir = listsFolder().string();
    }
    QAction& item(const char* name) const { return *window().findChild<QAction*>(name); }
    void openToolsMenu() const { Q_EMIT window().findChild<QMenu*>("OptionsTools")->aboutToShow(); }
    void runFormatter(std::function<void(QDialog&)> script)
    {
        m_messages.dialogScripts.push_back(std::move(script));
        item("OptionsToolsRunIntprintcom").trigger();
    }
    static QListWidget& options(QDialog& dialog)
    {
        return *dialog.findChild<QListWidget*>("CheckListBoxOptions");
    }
    static void check(QDialog& dialog, int index)
    {
        options(dialog).item(index)->setCheckState(Qt::Checked);
    }
    static void setParameter(QDialog& dialog, const QString& text)
    {
        dialog.findChild<QComboBox*>("EditParam")->setEditText(text);
    }
    static void run(QDialog& dialog) { dialog.findChild<QPushButton*>("ButtonRun")->click(); }
    std::string batchPath() const { return (fs::canonical(listsFolder()) / BatchName).string(); }

    QByteArray m_previousPath;
};

TEST_F(RunFormatterTest, SubmenuShowsTheFormatterOnlyWhileItIsInTheListsFolder)
{
    startWithListsFolder();
    auto* separator = window().findChild<QAction*>("OptionsToolsSeperator");
    ASSERT_NE(separator, nullptr);
    openToolsMenu();
    EXPECT_FALSE(item("OptionsToolsRunIntprintcom").isVisible());
    EXPECT_FALSE(separator->isVisible());
    EXPECT_TRUE(item("OptionsToolsExploreListLocation").isVisible());
    EXPECT_TRUE(item("OptionsToolsCombineListSections").isVisible());

    writeList("INTPRINT.COM", TinyComProgram);
    openToolsMenu();
    EXPECT_TRUE(item("OptionsToolsRunIntprintcom").isVisible());
    EXPECT_TRUE(separator->isVisible());

    fs::remove(listsFolder() / "INTPRINT.COM");
    openToolsMenu();
    EXPECT_FALSE(item("OptionsToolsRunIntprintcom").isVisible());
}

TEST_F(RunFormatterTest, DialogShowsTheOptionsAndTheOpenListsName)
{
    const std::string list = writeList("biblio.lst", SmallList());
    startWithListsFolder();
    window().openList(list);
    bool shown = false;
    runFormatter([&](QDialog& dialog) {
        shown = true;
        EXPECT_EQ(dialog.windowTitle(), "Run Intprint.com");
        EXPECT_GE(dialog.height(), 241);
        EXPECT_LT(dialog.height(), 241 + 10);
        EXPECT_GE(dialog.width(), 297);
        ExpectRoomForItsTexts(dialog);
        QStringList groups;
        for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
            groups.push_back(group->title());
        EXPECT_EQ(groups, QStringList({"Commandline Parameters", "Options"}));
        auto* param = dialog.findChild<QComboBox*>("EditParam");
        EXPECT_TRUE(param->isEditable());
        EXPECT_EQ(param->currentText(), "BIBLIO.LST");
        EXPECT_EQ(param->count(), 0);
        auto* keep = dialog.findChild<QCheckBox*>("CheckBoxKeepPrompt");
        EXPECT_EQ(keep->text(), "Wait for keypress after run");
        EXPECT_TRUE(keep->isChecked());
        EXPECT_EQ(dialog.findChild<QPushButton*>("ButtonRun")->text(), "Run");
        EXPECT_TRUE(dialog.findChild<QPushButton*>("ButtonRun")->isDefault());
        EXPECT_EQ(dialog.findChild<QPushButton*>("ButtonCancel")->text(), "Cancel");
        ASSERT_EQ(options(dialog).count(), 11);
        for (int i = 0; i < 11; ++i) {
            EXPECT_EQ(options(dialog).item(i)->text(),
                      QString::fromLatin1(FormatterOptionTexts()[static_cast<std::size_t>(i)]));
            EXPECT_EQ(options(dialog).item(i)->checkState(), Qt::Unchecked);
        }
        EXPECT_EQ(options(dialog).item(1)->text(), "Include Index: lines in formatted output (-x)");
        dialog.findChild<QPushButton*>("ButtonCancel")->click();
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(window().loadedList().files.listFileName, list) << "Cancel keeps the list open";
    EXPECT_FALSE(fs::exists(listsFolder() / BatchName));
    EXPECT_TRUE(m_launcher.requests.empty());
    EXPECT_EQ(window().findChild<TFormRunIntprintcom*>(), nullptr);

    window().closeList();
    runFormatter([](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QComboBox*>("EditParam")->currentText(), "");
    });
}

TEST_F(RunFormatterTest, RunClosesTheListWritesTheBatchAndHandsItToTheDesktop)
{
    const std::string list = copySample("INTERRUP.LST");
    startWithListsFolder();
    window().openList(list);
    runFormatter([](QDialog& dialog) {
        check(dialog, 7);
        check(dialog, 0);
        run(dialog);
    });

    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(ReadBytes(listsFolder() / BatchName), "@ECHO OFF\r\n"
                                                    "INTPRINT  -k -p INTERRUP.LST\r\n"
                                                    "ECHO -\r\n"
                                                    "PAUSE\r\n"
                                                    "DEL ZELTViewer_Run_Intprint.bat\r\n");
    EXPECT_EQ(window().loadedList().files.listKind, ListKind::None);
    EXPECT_EQ(window().topicsGrid().model()->rowCount(), 0);
    EXPECT_FALSE(window().topicView().isVisible());
    ASSERT_EQ(m_launcher.requests.size(), 1u);
    EXPECT_EQ(m_launcher.requests[0].kind, LaunchRequest::Kind::DesktopOpen);
    EXPECT_EQ(m_launcher.requests[0].target, batchPath());
    EXPECT_EQ(m_launcher.owners[0], &window());
}

TEST_F(RunFormatterTest, DosBoxOnThePathRunsTheBatchInTheListsFolder)
{
    const fs::path dosBox = m_temp.path() / "bin" / "dosbox";
    WriteBytes(dosBox, "#!/bin/sh\n");
    fs::permissions(dosBox, fs::perms::owner_all);
    startWithListsFolder();
    runFormatter([](QDialog& dialog) {
        setParameter(dialog, "BIBLIO.LST");
        dialog.findChild<QCheckBox*>("CheckBoxKeepPrompt")->click();
        run(dialog);
    });

    EXPECT_EQ(ReadBytes(listsFolder() / BatchName), "@ECHO OFF\r\n"
                                                    "INTPRINT  BIBLIO.LST\r\n"
                                                    "DEL ZELTViewer_Run_Intprint.bat\r\n");
    ASSERT_EQ(m_launcher.requests.size(), 1u);
    const LaunchRequest& request = m_launcher.requests[0];
    const std::string folder = fs::canonical(listsFolder()).string();
    EXPECT_EQ(request.kind, LaunchRequest::Kind::Program);
    EXPECT_EQ(request.program, dosBox.string());
    EXPECT_EQ(request.arguments,
              (std::vector<std::string>{"-c", "MOUNT C \"" + folder + "\"", "-c", "C:", "-c",
                                        "CALL ZELTVI~1.BAT", "-c",
                                        "IF EXIST ZELTVI~1.BAT DEL ZELTVI~1.BAT", "-c", "EXIT"}));
    EXPECT_EQ(request.workingFolder, folder);
}

TEST_F(RunFormatterTest, EnterInTheParameterRunsAndEscapeCancels)
{
    startWithListsFolder();
    runFormatter([](QDialog& dialog) {
        QTest::keyClick(dialog.findChild<QComboBox*>("EditParam")->lineEdit(), Qt::Key_Escape);
    });
    EXPECT_FALSE(fs::exists(listsFolder() / BatchName));
    runFormatter([](QDialog& dialog) {
        QLineEdit* edit = dialog.findChild<QComboBox*>("EditParam")->lineEdit();
        QTest::keyClicks(edit, "MEMORY.LST");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(ReadBytes(listsFolder() / BatchName), "@ECHO OFF\r\n"
                                                    "INTPRINT  MEMORY.LST\r\n"
                                                    "ECHO -\r\n"
                                                    "PAUSE\r\n"
                                                    "DEL ZELTViewer_Run_Intprint.bat\r\n");
}

TEST_F(RunFormatterTest, AListsFolderThatIsGoneIsReportedAndNothingIsWritten)
{
    const std::string list = copySample("BIBLIO.LST");
    startWithListsFolder();
    window().openList(list);
    m_run->settings().DefStartupDir = (m_temp.path() / "gone").string();
    runFormatter(run);

    const QString systemText = QString::fromStdString(
        std::make_error_code(std::errc::no_such_file_or_directory).message());
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(m_messages.shown[0].text, systemText);
    EXPECT_EQ(window().loadedList().files.listKind, ListKind::None) << "closed before";
    EXPECT_FALSE(fs::exists(listsFolder() / BatchName));
    EXPECT_TRUE(m_launcher.requests.empty());

    m_run->settings().DefStartupDir.clear();
    runFormatter(run);
    EXPECT_EQ(m_messages.texts(), QStringList({systemText, systemText}));
    EXPECT_TRUE(m_launcher.requests.empty());
}

TEST_F(RunFormatterTest, ABatchFileThatCannotBeWrittenIsReportedAndNothingRuns)
{
    fs::create_directories(listsFolder() / BatchName / "in the way");
    startWithListsFolder();
    runFormatter(run);
    EXPECT_EQ(m_messages.texts(),
              QStringList{QString::fromStdString("Cannot create file " + batchPath())});
    EXPECT_TRUE(m_launcher.requests.empty());
}

TEST_F(RunFormatterTest, ExploreOpensTheListsFolderAndPassesAnEmptyOneOn)
{
    startWithListsFolder();
    item("OptionsToolsExploreListLocation").trigger();
    ASSERT_EQ(m_launcher.requests.size(), 1u);
    EXPECT_EQ(m_launcher.requests[0], ExploreFolderRequest(listsFolder().string()));
    EXPECT_EQ(m_launcher.requests[0].kind, LaunchRequest::Kind::DesktopOpen);
    EXPECT_EQ(m_launcher.owners[0], &window());
    EXPECT_EQ(item("OptionsToolsExploreListLocation").shortcut(), QKeySequence("Ctrl+E"));

    m_run->settings().DefStartupDir.clear();
    item("OptionsToolsExploreListLocation").trigger();
    ASSERT_EQ(m_launcher.requests.size(), 2u);
    EXPECT_EQ(m_launcher.requests[1].target, "");
    EXPECT_TRUE(m_messages.shown.empty());
}

} // namespace
} // namespace zelt::test
