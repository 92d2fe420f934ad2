#include "app/program_state.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "tests/ui/config_fixture.h"
#include "ui/main_panel.h"
#include "ui/topic_view.h"
#include "ui/topics_grid.h"
#include "ui/topics_grid_delegate.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>

namespace zelt::test {
namespace {

// What OK makes the main window redo.
class ConfigEffectsTest : public ConfigTest {
protected:
    void SetUp() override
    {
        ConfigTest::SetUp();
        writeList("SMALL.LST", SmallList());
        writeList("GLOSSARY.LST", SmallList());
    }

    void storeFont(const std::string& name, int size)
    {
        StoreValue(ConfigKey(), "CurrentTopic.Font.Name", Text{name});
        StoreValue(ConfigKey(), "CurrentTopic.Font.Size", Dword{static_cast<std::uint32_t>(size)});
    }

    QMenu& listMenu() const { return *window().findChild<QMenu*>("ListMenu"); }
    std::vector<QAction*> listEntries() const
    {
        std::vector<QAction*> entries;
        for (QAction* action : listMenu().actions()) {
            if (action->objectName().startsWith("ListListFile"))
                entries.push_back(action);
        }
        return entries;
    }
    QStringList listCaptions() const
    {
        QStringList captions;
        for (QAction* action : listEntries())
            captions.push_back(action->text());
        return captions;
    }
    void click(const char* name)
    {
        configure([name](QDialog& d) {
            control<QAbstractButton>(d, name).click();
            ok(d);
        });
    }
};

TEST_F(ConfigEffectsTest, CourierNewEightIsTheDefaultFontAndTenIsNot)
{
    storeFont("Courier New", 8);
    start();
    configure([](QDialog& d) {
        EXPECT_TRUE(control<QCheckBox>(d, "Config_DefFont").isChecked());
        EXPECT_FALSE(control<QToolButton>(d, "Config_FontButton").isEnabled());
        control<QCheckBox>(d, "Config_DefFont").click();
        EXPECT_TRUE(control<QToolButton>(d, "Config_FontButton").isEnabled());
        control<QCheckBox>(d, "Config_DefFont").click();
        EXPECT_FALSE(control<QToolButton>(d, "Config_FontButton").isEnabled());
    });
    m_run.reset();

    storeFont("Courier New", 10);
    start();
    configure([](QDialog& d) {
        EXPECT_FALSE(control<QCheckBox>(d, "Config_DefFont").isChecked());
        EXPECT_TRUE(control<QToolButton>(d, "Config_FontButton").isEnabled());
    });
}

TEST_F(ConfigEffectsTest, CheckingDefaultFontSetsCourierNewEightAndReloadsTheTopic)
{
    storeFont("Courier New", 10);
    start({"SMALL.LST"});
    window().loadTopic(2);
    QSignalSpy loaded(&window(), &TFormMain::topicLoaded);
    click("Config_DefFont");
    EXPECT_EQ(window().topicFont(), (TopicFont{"Courier New", 8}));
    EXPECT_EQ(window().topicsGrid().font().pointSize(), 8);
    ASSERT_EQ(loaded.count(), 1);
    EXPECT_EQ(loaded.at(0).at(0).toInt(), 2);
    EXPECT_EQ(window().loadedList().view.currentTopicNumber, 2);

    EXPECT_TRUE(closeWindow());
    const auto size = StoredValueOf(ConfigKey(), "CurrentTopic.Font.Size");
    ASSERT_TRUE(size);
    EXPECT_EQ(std::get<Dword>(*size).value, 8u);
}

TEST_F(ConfigEffectsTest, ChosenFontReachesViewGridAndStore)
{
    start({"SMALL.LST"});
    const TopicFont before = window().topicFont();
    m_messages.fontAnswers = {FontChoice{QStringLiteral("DejaVu Sans Mono"), 12}};
    configure([](QDialog& d) {
        control<QToolButton>(d, "Config_FontButton").click();
        ok(d);
    });
    ASSERT_EQ(m_messages.fontRequests.size(), 1u);
    EXPECT_EQ(m_messages.fontRequests[0].family, QString::fromStdString(before.name));
    EXPECT_EQ(m_messages.fontRequests[0].points, before.size);
    EXPECT_EQ(window().topicFont(), (TopicFont{"DejaVu Sans Mono", 12}));
    EXPECT_EQ(window().topicsGrid().font().family(), "DejaVu Sans Mono");

    // A cancelled font dialog keeps the chosen font.
    configure([](QDialog& d) {
        control<QToolButton>(d, "Config_FontButton").click();
        ok(d);
    });
    EXPECT_EQ(m_messages.fontRequests.back().family, "DejaVu Sans Mono");
    EXPECT_EQ(window().topicFont(), (TopicFont{"DejaVu Sans Mono", 12}));

    EXPECT_TRUE(closeWindow());
    const auto name = StoredValueOf(ConfigKey(), "CurrentTopic.Font.Name");
    ASSERT_TRUE(name);
    EXPECT_EQ(std::get<Text>(*name).value, "DejaVu Sans Mono");
}

TEST_F(ConfigEffectsTest, FontChangeWithoutAShownTopicLoadsNothing)
{
    StoreValue(ConfigKey(), "SingleClickView", Dword{0});
    start({"SMALL.LST"});
    ASSERT_EQ(window().loadedList().view.currentTopicNumber, -1);
    QSignalSpy loaded(&window(), &TFormMain::topicLoaded);
    m_messages.fontAnswers = {FontChoice{QStringLiteral("DejaVu Sans Mono"), 11}};
    configure([](QDialog& d) {
        control<QToolButton>(d, "Config_FontButton").click();
        ok(d);
    });
    EXPECT_EQ(window().topicFont(), (TopicFont{"DejaVu Sans Mono", 11}));
    EXPECT_EQ(loaded.count(), 0);
    EXPECT_FALSE(window().topicView().isVisible());
}

TEST_F(ConfigEffectsTest, CategoryCharacterRepaintsTheGridOnly)
{
    start({"SMALL.LST"});
    ASSERT_EQ(window().loadedList().view.currentTopicNumber, 0);
    const auto entriesBefore = listEntries();
    QSignalSpy loaded(&window(), &TFormMain::topicLoaded);
    click("Config_ShowCategoryChar");
    EXPECT_FALSE(m_run->settings().ShowCategoryChar);
    EXPECT_FALSE(window().mainPanel().gridDelegate()->showCategoryChar());
    EXPECT_EQ(loaded.count(), 0);
    EXPECT_EQ(listEntries(), entriesBefore);
}

TEST_F(ConfigEffectsTest, FormattingAndSeeAlsoReloadTheShownTopic)
{
    start({"SMALL.LST"});
    window().loadTopic(1);
    QSignalSpy loaded(&window(), &TFormMain::topicLoaded);
    const auto entriesBefore = listEntries();
    click("Config_TopicFormatting");
    click("Config_EnableSeeAlsoMenu");
    EXPECT_EQ(loaded.count(), 2);
    EXPECT_EQ(window().loadedList().view.currentTopicNumber, 1);
    EXPECT_EQ(listEntries(), entriesBefore);
    // Plain settings change nothing on screen.
    click("Config_AskExit");
    click("Config_IndexFileLoadTopicsDirect");
    EXPECT_EQ(loaded.count(), 2);
    EXPECT_TRUE(window().listStreamOpen());
    EXPECT_TRUE(m_run->settings().LoadTopicsDirect);
}

TEST_F(ConfigEffectsTest, DisplayAllListsRebuildsTheListMenuAndKeepsTheTick)
{
    StoreValue(ConfigKey(), "DefStartupDir", Text{listsFolder().string()});
    start({listPath("SMALL.LST")});
    window().markList(listPath("SMALL.LST"));
    EXPECT_EQ(listCaptions(), QStringList{"Small.lst"});
    click("Config_DisplayAllLists");
    EXPECT_EQ(listCaptions(), (QStringList{"Glossary.lst", "Small.lst"}));
    EXPECT_TRUE(listEntries().at(1)->isChecked());
}

TEST_F(ConfigEffectsTest, NewListsFolderBecomesCurrentAndFillsTheListMenu)
{
    const auto other = m_temp.path() / "other";
    std::filesystem::create_directories(other);
    WriteBytes(other / "PORTS.LST", SmallList());
    start();
    EXPECT_EQ(listCaptions(), QStringList{"Small.lst"});
    configure([&other](QDialog& d) {
        control<QLineEdit>(d, "Config_DefStartupDir")
            .setText(QString::fromStdString(other.string()));
        ok(d);
    });
    const std::string canonical = std::filesystem::canonical(other).string();
    EXPECT_EQ(m_run->settings().DefStartupDir, canonical);
    EXPECT_EQ(std::filesystem::current_path().string(), canonical);
    EXPECT_EQ(m_run->program().listDirectory, canonical + "/");
    EXPECT_EQ(listCaptions(), QStringList{"Ports.lst"});
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(ConfigEffectsTest, MissingListsFolderIsClearedSilentlyForTheProgramFolder)
{
    WriteBytes(programFolder() / "CMOS.LST", SmallList());
    start();
    m_run->settings().DefStartupDir = listsFolder().string();
    configure([this](QDialog& d) {
        control<QLineEdit>(d, "Config_DefStartupDir")
            .setText(QString::fromStdString((m_temp.path() / "gone").string()));
        ok(d);
    });
    EXPECT_EQ(m_run->settings().DefStartupDir, "");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(programFolder()));
    EXPECT_EQ(listCaptions(), QStringList{"Cmos.lst"});
    EXPECT_TRUE(m_messages.shown.empty());
}

} // namespace
} // namespace zelt::test
