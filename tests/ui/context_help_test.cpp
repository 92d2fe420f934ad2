#include "help/help_context.h"
#include "tests/ui/config_fixture.h"
#include "tests/ui/recording_help_viewer.h"
#include "ui/context_help.h"
#include "ui/form_config.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace zelt::test {
namespace {

class ContextHelpTest : public ConfigTest {
protected:
    void startWithHelpFile(bool helpFile)
    {
        if (helpFile)
            std::filesystem::copy_file(ZELT_HELP_FILE, programFolder() / "ZELTVIEW.HLP");
        start();
        window().setHelpViewer(m_help);
    }

    // F1 on a control of the dialog: the popup it asked for, if any.
    std::optional<int> pressF1(QDialog& dialog, const char* name, int page)
    {
        control<QTabWidget>(dialog, "PageControl").setCurrentIndex(page);
        QWidget& target = control<QWidget>(dialog, name);
        target.setFocus();
        const std::size_t before = m_help.popups.size();
        QTest::keyClick(&target, Qt::Key_F1);
        if (m_help.popups.size() == before)
            return std::nullopt;
        EXPECT_EQ(m_help.popups.back().position, target.mapToGlobal(QPoint(0, 0))) << name;
        return m_help.popups.back().context;
    }

    RecordingHelpViewer m_help;
};

TEST_F(ContextHelpTest, F1AsksForTheControlsTopicOrTheEnclosingOne)
{
    startWithHelpFile(true);
    configure([this](QDialog& d) {
        EXPECT_EQ(pressF1(d, "Config_DefStartupDir", 0), 1111);
        EXPECT_EQ(pressF1(d, "Config_DefStartupCustom", 0), 1112);
        EXPECT_EQ(pressF1(d, "Config_AskExit", 1), 1121);
        EXPECT_EQ(pressF1(d, "Config_EnableSeeAlsoMenu", 1), 1126);
        EXPECT_EQ(pressF1(d, "Config_DefFont", 2), 1133);
        EXPECT_EQ(pressF1(d, "Config_NOWYSIWYGPrint", 2), 1134);
        EXPECT_EQ(pressF1(d, "Config_IndexFileLoadTopicsDirect", 3), 1141);
        EXPECT_EQ(pressF1(d, "Config_OnlyParseLST", 3), 1142);
        EXPECT_EQ(pressF1(d, "OkButton", 0), 1101);
        EXPECT_EQ(pressF1(d, "CancelButton", 0), 1102);
        // The font button and its box have no number: nothing happens.
        EXPECT_EQ(pressF1(d, "Config_FontButton", 2), std::nullopt);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_TRUE(m_help.topics.empty());
}

TEST_F(ContextHelpTest, WhatsThisClickShowsTheSamePopups)
{
    startWithHelpFile(true);
    configure([this](QDialog& d) {
        EXPECT_TRUE(d.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
        auto& whatsThis = control<QToolButton>(d, "WhatsThisButton");
        EXPECT_EQ(whatsThis.text(), "?");
        control<QTabWidget>(d, "PageControl").setCurrentIndex(3);
        QWidget& radio = control<QRadioButton>(d, "Config_IndexFileUse");
        QHelpEvent query(QEvent::QueryWhatsThis, QPoint(2, 2), radio.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&radio, &query);
        EXPECT_TRUE(query.isAccepted());
        QHelpEvent click(QEvent::WhatsThis, QPoint(2, 2), radio.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&radio, &click);
        ASSERT_EQ(m_help.popups.size(), 1u);
        EXPECT_EQ(m_help.popups[0].context, 1141);
        EXPECT_EQ(m_help.popups[0].position, radio.mapToGlobal(QPoint(0, 0)));

        QWidget& font = control<QToolButton>(d, "Config_FontButton");
        QHelpEvent queryFont(QEvent::QueryWhatsThis, QPoint(1, 1), font.mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(&font, &queryFont);
        EXPECT_FALSE(queryFont.isAccepted());
    });
}

TEST_F(ContextHelpTest, HelpTopicsAsksForTheContents)
{
    startWithHelpFile(true);
    window().updateCommands();
    QAction* helpTopics = window().commandActions().command(CommandId::HelpHelpIndex);
    EXPECT_EQ(helpTopics->shortcut(), QKeySequence(Qt::Key_F1));
    helpTopics->trigger();
    EXPECT_EQ(m_help.topics, std::vector<int>{help_context::Contents});
}

TEST_F(ContextHelpTest, WithoutTheHelpFileEverythingIsSilentlyAbsent)
{
    startWithHelpFile(false);
    window().updateCommands();
    QAction* helpTopics = window().commandActions().command(CommandId::HelpHelpIndex);
    EXPECT_FALSE(helpTopics->isVisible());
    EXPECT_FALSE(helpTopics->isEnabled());
    EXPECT_FALSE(window().findChild<QAction*>("HelpMenuSeparator1")->isVisible());
    configure([this](QDialog& d) {
        EXPECT_FALSE(d.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
        EXPECT_EQ(d.findChild<QToolButton*>("WhatsThisButton"), nullptr);
        EXPECT_EQ(pressF1(d, "Config_DefStartupDir", 0), std::nullopt);
        EXPECT_EQ(pressF1(d, "OkButton", 0), std::nullopt);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_TRUE(m_help.topics.empty());
    EXPECT_TRUE(m_help.popups.empty());
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST(HelpContextOfControls, NumbersRunOutwardToTheWindow)
{
    QWidget window;
    QWidget box(&window);
    QWidget inner(&box);
    QLineEdit field(&inner);
    EXPECT_EQ(HelpContextAt(field), std::nullopt);
    SetHelpContext(window, 7);
    EXPECT_EQ(HelpContextAt(field), 7);
    SetHelpContext(box, 1111);
    EXPECT_EQ(HelpContextAt(field), 1111);
    SetHelpContext(field, 1121);
    EXPECT_EQ(HelpContextAt(field), 1121);
    EXPECT_EQ(OwnHelpContext(inner), 0);
}

} // namespace
} // namespace zelt::test
