#include "app/program_state.h"
#include "settings/settings.h"
#include "tests/ui/config_fixture.h"
#include "ui/form_config.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace zelt::test {
namespace {

using ConfigDialogTest = ConfigTest;

QString CaptionOf(const QDialog& dialog, const char* name)
{
    if (auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name)))
        return button->text();
    if (auto* box = dialog.findChild<QGroupBox*>(QString::fromLatin1(name)))
        return box->title();
    return QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

TEST_F(ConfigDialogTest, PagesControlsAndCaptionsAsDesigned)
{
    start();
    configure([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Configuration");
        auto& pages = control<QTabWidget>(dialog, "PageControl");
        ASSERT_EQ(pages.count(), 4);
        EXPECT_EQ(pages.tabText(0), "Startup");
        EXPECT_EQ(pages.tabText(1), "Settings");
        EXPECT_EQ(pages.tabText(2), "Layout");
        EXPECT_EQ(pages.tabText(3), "Advanced");
        const std::pair<const char*, const char*> captions[] = {
            {"GroupBoxLocationOfLists", "Location of lists"},
            {"GroupBoxListToLoadOnStartup", "List to load on startup"},
            {"Config_DefStartupNone", "None"},
            {"Config_DefStartupLast", "Last opened list"},
            {"Config_DefStartupCustom", "Custom"},
            {"GroupBoxGeneralSettings", "General settings"},
            {"Config_AskExit", "Confirm program exit"},
            {"Config_ShowPrintDialog", "Display printer dialog box before printing"},
            {"Config_DisplayAllLists", "Display all *.LST files in \"Open List\" menu"},
            {"Config_SingleClickView", "Automatically load selected topic"},
            {"Config_DoubleClickZoom", "Double mouse click (or Enter) = Zoom topic"},
            {"Config_EnableSeeAlsoMenu", "Enable \"See Also\" menu "},
            {"GroupBoxLayoutAndVisualSettings", "Layout and visual settings"},
            {"Config_TopicFormatting", "Topic text formatting"},
            {"Config_ShowCategoryChar", "Display category character in topic list"},
            {"Config_DefFont", "Use default font"},
            {"GroupBoxPrinting", "Printing"},
            {"Config_WYSIWYGPrint", "Use same settings as topic layout (wysiwyg)"},
            {"Config_NOWYSIWYGPrint", "Use special font and no topic formatting"},
            {"GroupBoxIndexfileSettings", "Indexfile settings"},
            {"Config_IndexFileUse", "Use indexfiles, update whenever needed"},
            {"Config_IndexFileDontUseIndexFile", "Use existing indexfiles, don't update"},
            {"Config_IndexFileLoadTopicsDirect", "Don't use indexfiles"},
            {"GroupBoxListParsing", "List parsing"},
            {"Config_OnlyParseLST", "Only try to parse files with extension .LST"},
            {"OkButton", "Ok"},
            {"CancelButton", "Cancel"},
        };
        for (const auto& [name, caption] : captions)
            EXPECT_EQ(CaptionOf(dialog, name), QString::fromUtf8(caption)) << name;
        for (const char* name : {"BrowseButton1", "BrowseButton2"})
            EXPECT_EQ(control<QToolButton>(dialog, name).toolTip(), "Browse");
        EXPECT_EQ(control<QToolButton>(dialog, "Config_FontButton").toolTip(), "Change Font");
        EXPECT_TRUE(control<QToolButton>(dialog, "BrowseButton1").autoRaise());
        EXPECT_FALSE(control<QToolButton>(dialog, "BrowseButton1").icon().isNull());
        auto& okButton = control<QPushButton>(dialog, "OkButton");
        EXPECT_TRUE(okButton.isDefault());
        EXPECT_EQ(okButton.toolTip(), "Save configuration and close");
        EXPECT_EQ(control<QPushButton>(dialog, "CancelButton").toolTip(),
                  "Cancel changes and close");
        EXPECT_GE(dialog.width(), 386);
        EXPECT_GE(dialog.height(), 224);
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    });
    // Shown through execDialog, which runs a dialog modally (message_boxes_test).
    EXPECT_EQ(m_messages.dialogsShown, QStringList{"FormConfig"});
}

TEST_F(ConfigDialogTest, EveryShowIsCentredOnTheStartupPageWithOkFocused)
{
    start();
    for (int show = 0; show < 2; ++show) {
        configure([show](QDialog& dialog) {
            auto& pages = control<QTabWidget>(dialog, "PageControl");
            EXPECT_EQ(pages.currentIndex(), 0) << show;
            EXPECT_EQ(dialog.focusWidget(), &control<QPushButton>(dialog, "OkButton")) << show;
            // Before the first show the frame is not known yet: centred by
            // the client size then, by the outer size afterwards.
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            const QSize outer = dialog.frameGeometry().size();
            const int slackX = (outer.width() - dialog.width()) / 2 + 1;
            const int slackY = (outer.height() - dialog.height()) / 2 + 1;
            EXPECT_NEAR(dialog.x(), (screen.width() - outer.width()) / 2, slackX);
            EXPECT_NEAR(dialog.y(), (screen.height() - outer.height()) / 2, slackY);
            pages.setCurrentIndex(2);
        });
    }
}

TEST_F(ConfigDialogTest, ControlsShowTheSettings)
{
    start();
    Settings& s = m_run->settings();
    s.DefStartupDir = listsFolder().string();
    s.AskExit = true;
    s.ShowPrintDialog = false;
    s.DisplayAllLists = true;
    s.SingleClickView = false;
    s.DoubleClickZoom = true;
    s.EnabledSeeAlsoMenu = false;
    s.TopicFormatting = false;
    s.ShowCategoryChar = false;
    s.WYSIWYGPrint = true;
    s.DontUseIndexFile = true;
    s.OnlyParseLST = false;
    configure([this](QDialog& d) {
        EXPECT_EQ(control<QLineEdit>(d, "Config_DefStartupDir").text(),
                  QString::fromStdString(listsFolder().string()));
        EXPECT_TRUE(control<QRadioButton>(d, "Config_DefStartupNone").isChecked());
        EXPECT_FALSE(control<QLineEdit>(d, "Config_DefStartupList").isEnabled());
        EXPECT_FALSE(control<QToolButton>(d, "BrowseButton2").isEnabled());
        EXPECT_TRUE(control<QCheckBox>(d, "Config_AskExit").isChecked());
        EXPECT_FALSE(control<QCheckBox>(d, "Config_ShowPrintDialog").isChecked());
        EXPECT_TRUE(control<QCheckBox>(d, "Config_DisplayAllLists").isChecked());
        EXPECT_FALSE(control<QCheckBox>(d, "Config_SingleClickView").isChecked());
        EXPECT_TRUE(control<QCheckBox>(d, "Config_DoubleClickZoom").isChecked());
        EXPECT_FALSE(control<QCheckBox>(d, "Config_EnableSeeAlsoMenu").isChecked());
        EXPECT_FALSE(control<QCheckBox>(d, "Config_TopicFormatting").isChecked());
        EXPECT_FALSE(control<QCheckBox>(d, "Config_ShowCategoryChar").isChecked());
        EXPECT_TRUE(control<QRadioButton>(d, "Config_WYSIWYGPrint").isChecked());
        EXPECT_TRUE(control<QRadioButton>(d, "Config_IndexFileDontUseIndexFile").isChecked());
        EXPECT_FALSE(control<QCheckBox>(d, "Config_OnlyParseLST").isChecked());
        // The window's own font is no default font.
        EXPECT_FALSE(control<QCheckBox>(d, "Config_DefFont").isChecked());
        EXPECT_TRUE(control<QToolButton>(d, "Config_FontButton").isEnabled());
    });
}

TEST_F(ConfigDialogTest, LastOpenedListWinsAndLeavesTheListFieldEmptyAndDisabled)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    start();
    m_run->settings().ReloadLastOpenList = true;
    m_run->settings().DefStartupList = list;
    configure([](QDialog& d) {
        EXPECT_TRUE(control<QRadioButton>(d, "Config_DefStartupLast").isChecked());
        auto& field = control<QLineEdit>(d, "Config_DefStartupList");
        EXPECT_EQ(field.text(), "");
        EXPECT_FALSE(field.isEnabled());
        control<QRadioButton>(d, "Config_DefStartupCustom").click();
        EXPECT_TRUE(field.isEnabled());
        EXPECT_TRUE(control<QToolButton>(d, "BrowseButton2").isEnabled());
        field.setText(QStringLiteral("typed"));
        control<QRadioButton>(d, "Config_DefStartupNone").click();
        EXPECT_FALSE(field.isEnabled());
        EXPECT_EQ(field.text(), "typed");
    });
}

TEST_F(ConfigDialogTest, CustomListThatExistsIsKeptAndAMissingOneLeavesNone)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    start();
    const auto chooseCustom = [this](const std::string& name) {
        configure([name](QDialog& d) {
            control<QRadioButton>(d, "Config_DefStartupCustom").click();
            control<QLineEdit>(d, "Config_DefStartupList").setText(QString::fromStdString(name));
            ok(d);
        });
    };
    chooseCustom(list);
    EXPECT_EQ(m_run->settings().DefStartupList, list);
    EXPECT_FALSE(m_run->settings().ReloadLastOpenList);
    configure([&list](QDialog& d) {
        EXPECT_TRUE(control<QRadioButton>(d, "Config_DefStartupCustom").isChecked());
        EXPECT_EQ(control<QLineEdit>(d, "Config_DefStartupList").text(),
                  QString::fromStdString(list));
    });

    chooseCustom(listPath("GONE.LST"));
    EXPECT_EQ(m_run->settings().DefStartupList, "");
    EXPECT_TRUE(m_messages.shown.empty());
    configure([](QDialog& d) {
        EXPECT_TRUE(control<QRadioButton>(d, "Config_DefStartupNone").isChecked());
        EXPECT_EQ(control<QLineEdit>(d, "Config_DefStartupList").text(), "");
    });
}

TEST_F(ConfigDialogTest, BrowseButtonsFillTheFieldsOnlyWhenConfirmed)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    std::filesystem::create_directories(m_temp.path() / "other");
    start();
    const QString other = QString::fromStdString((m_temp.path() / "other").string());
    m_messages.folderAnswers = {other, QString()};
    m_messages.fileAnswers = {QString::fromStdString(list), QString()};
    configure([&](QDialog& d) {
        auto& folder = control<QLineEdit>(d, "Config_DefStartupDir");
        control<QToolButton>(d, "BrowseButton1").click();
        EXPECT_EQ(folder.text(), other);
        EXPECT_TRUE(d.isEnabled());
        control<QToolButton>(d, "BrowseButton1").click();
        EXPECT_EQ(folder.text(), other);
        EXPECT_TRUE(d.isEnabled());

        control<QRadioButton>(d, "Config_DefStartupCustom").click();
        auto& field = control<QLineEdit>(d, "Config_DefStartupList");
        control<QToolButton>(d, "BrowseButton2").click();
        EXPECT_EQ(field.text(), QString::fromStdString(list));
        control<QToolButton>(d, "BrowseButton2").click();
        EXPECT_EQ(field.text(), QString::fromStdString(list));
    });
    ASSERT_EQ(m_messages.folderRequests.size(), 2u);
    EXPECT_EQ(m_messages.folderRequests[0].title, "Select default list location...");
    ASSERT_EQ(m_messages.fileRequests.size(), 2u);
    EXPECT_EQ(m_messages.fileRequests[0].title, "Open list");
    EXPECT_EQ(m_messages.fileRequests[0].filters,
              (QStringList{"List files (*.lst)", "Any file (*.*)"}));
    // Cancel: the browsed values went nowhere.
    EXPECT_EQ(m_run->settings().DefStartupDir, "");
    EXPECT_EQ(m_run->settings().DefStartupList, "");
}

TEST_F(ConfigDialogTest, OkStoresEveryControlAndTheNextRunStartsWithIt)
{
    start();
    configure([](QDialog& d) {
        control<QRadioButton>(d, "Config_DefStartupLast").click();
        for (const char* name :
             {"Config_AskExit", "Config_ShowPrintDialog", "Config_DisplayAllLists",
              "Config_SingleClickView", "Config_DoubleClickZoom", "Config_EnableSeeAlsoMenu",
              "Config_TopicFormatting", "Config_ShowCategoryChar", "Config_OnlyParseLST"})
            control<QCheckBox>(d, name).click();
        control<QRadioButton>(d, "Config_WYSIWYGPrint").click();
        control<QRadioButton>(d, "Config_IndexFileLoadTopicsDirect").click();
        ok(d);
    });
    EXPECT_TRUE(m_messages.dialogScripts.empty());
    Settings expected;
    expected.ReloadLastOpenList = true;
    expected.AskExit = true;
    expected.ShowPrintDialog = false;
    expected.DisplayAllLists = true;
    expected.SingleClickView = false;
    expected.DoubleClickZoom = true;
    expected.EnabledSeeAlsoMenu = false;
    expected.TopicFormatting = false;
    expected.ShowCategoryChar = false;
    expected.OnlyParseLST = false;
    expected.WYSIWYGPrint = true;
    expected.LoadTopicsDirect = true;
    // No lists folder was named: the program's folder is the current one.
    EXPECT_EQ(m_run->settings(), expected);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(programFolder()));

    m_messages.confirmAnswers = {true};
    EXPECT_TRUE(closeWindow());
    m_run.reset();
    start();
    EXPECT_EQ(m_run->settings(), expected);
    configure([](QDialog& d) {
        EXPECT_TRUE(control<QRadioButton>(d, "Config_DefStartupLast").isChecked());
        EXPECT_TRUE(control<QRadioButton>(d, "Config_IndexFileLoadTopicsDirect").isChecked());
        EXPECT_TRUE(control<QCheckBox>(d, "Config_AskExit").isChecked());
    });
}

TEST_F(ConfigDialogTest, CancelEscapeAndCloseLeaveNoTrace)
{
    writeList("SMALL.LST", SmallList());
    start({"SMALL.LST"});
    m_run->settings().DefStartupDir = listsFolder().string();
    const Settings before = m_run->settings();
    const TopicFont fontBefore = window().topicFont();
    const std::string folderBefore = m_run->program().listDirectory;
    std::filesystem::create_directories(m_temp.path() / "other");
    m_messages.fontAnswers = {FontChoice{QStringLiteral("DejaVu Sans Mono"), 14}};
    const auto changeEverything = [this](QDialog& d) {
        control<QLineEdit>(d, "Config_DefStartupDir")
            .setText(QString::fromStdString((m_temp.path() / "other").string()));
        control<QRadioButton>(d, "Config_DefStartupCustom").click();
        control<QLineEdit>(d, "Config_DefStartupList").setText(QStringLiteral("SMALL.LST"));
        for (const char* name :
             {"Config_AskExit", "Config_ShowPrintDialog", "Config_DisplayAllLists",
              "Config_SingleClickView", "Config_DoubleClickZoom", "Config_EnableSeeAlsoMenu",
              "Config_TopicFormatting", "Config_ShowCategoryChar", "Config_OnlyParseLST"})
            control<QCheckBox>(d, name).click();
        control<QToolButton>(d, "Config_FontButton").click();
        control<QRadioButton>(d, "Config_WYSIWYGPrint").click();
        control<QRadioButton>(d, "Config_IndexFileDontUseIndexFile").click();
    };
    const std::function<void(QDialog&)> closings[] = {
        [](QDialog& d) { control<QPushButton>(d, "CancelButton").click(); },
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](QDialog& d) { d.close(); },
    };
    for (const auto& closing : closings) {
        configure([&](QDialog& d) {
            changeEverything(d);
            closing(d);
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(m_run->settings(), before);
        EXPECT_EQ(window().topicFont(), fontBefore);
        EXPECT_EQ(m_run->program().listDirectory, folderBefore);
        EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(listsFolder()));
    }
    configure([](QDialog& d) {
        EXPECT_FALSE(control<QCheckBox>(d, "Config_AskExit").isChecked());
        EXPECT_TRUE(control<QRadioButton>(d, "Config_DefStartupNone").isChecked());
    });
}

} // namespace
} // namespace zelt::test
