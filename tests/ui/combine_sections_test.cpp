#include "settings/settings.h"
#include "tests/ui/dialog_layout_check.h"
#include "tests/ui/ui_fixture.h"
#include "ui/form_combine_list_sections.h"
#include "ui/form_main.h"
#include "ui/topics_grid.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <functional>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

class CombineSectionsTest : public UiTest {
protected:
    void copySections(std::initializer_list<const char*> names) const
    {
        for (const char* name : names)
            fs::copy_file(fs::path(ZELT_SAMPLES_DIR) / "sections" / name, listsFolder() / name);
    }
    void startWithListsFolder()
    {
        start();
        m_run->settings().DefStartupDir = listsFolder().string();
    }
    // Chooses Combine List Sections; the script works the dialog.
    void combine(std::function<void(QDialog&)> script)
    {
        m_messages.dialogScripts.push_back(std::move(script));
        window().findChild<QAction*>("OptionsToolsCombineListSections")->trigger();
    }
    void combineWithOk()
    {
        combine([](QDialog& dialog) { button(dialog, "ButtonOk").click(); });
    }

    static QCheckBox& box(QDialog& dialog, const char* name)
    {
        return *dialog.findChild<QCheckBox*>(name);
    }
    static QPushButton& button(QDialog& dialog, const char* name)
    {
        return *dialog.findChild<QPushButton*>(name);
    }
    QStringList listMenuCaptions() const
    {
        QStringList captions;
        for (QAction* action : window().findChild<QMenu*>("ListMenu")->actions()) {
            if (action->objectName().startsWith("ListListFile"))
                captions.push_back(action->text());
        }
        return captions;
    }
    std::string bytesOf(std::string_view name) const { return ReadBytes(listsFolder() / name); }
    static std::string sample(std::string_view name)
    {
        return ReadBytes(fs::path(ZELT_SAMPLES_DIR) / name);
    }
    std::string inLists(std::string_view name) const
    {
        return (fs::canonical(listsFolder()) / name).string();
    }
};

TEST_F(CombineSectionsTest, DialogOffersTheListsWhoseFirstSectionIsThere)
{
    copySections({"INTERRUP.A", "INTERRUP.B", "INTERRUP.C", "PORTS.A"});
    startWithListsFolder();
    fs::current_path(m_temp.path());
    bool shown = false;
    combine([&](QDialog& dialog) {
        shown = true;
        EXPECT_EQ(fs::current_path(), fs::canonical(listsFolder()))
            << "the lists folder is made current";
        EXPECT_EQ(dialog.windowTitle(), "Combine list sections");
        EXPECT_GE(dialog.height(), 105) << "taller only where the font needs it";
        EXPECT_LT(dialog.height(), 105 + 10);
        EXPECT_GE(dialog.width(), 277) << "wider only where the font needs it";
        ExpectRoomForItsTexts(dialog);
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint);
        EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Combine");
        EXPECT_EQ(box(dialog, "CheckBoxIL").text(), "Sections of Interrup.lst");
        EXPECT_EQ(box(dialog, "CheckBoxPL").text(), "Sections of Ports.lst");
        EXPECT_EQ(box(dialog, "CheckBoxDelete").text(), "Delete sections after combining");
        EXPECT_EQ(button(dialog, "ButtonOk").text(), "Ok");
        EXPECT_TRUE(button(dialog, "ButtonOk").isDefault());
        EXPECT_EQ(button(dialog, "ButtonCancel").text(), "Cancel");
        for (const char* name : {"CheckBoxIL", "CheckBoxPL"}) {
            EXPECT_TRUE(box(dialog, name).isEnabled()) << name;
            EXPECT_TRUE(box(dialog, name).isChecked()) << name;
        }
        EXPECT_TRUE(box(dialog, "CheckBoxDelete").isEnabled());
        EXPECT_FALSE(box(dialog, "CheckBoxDelete").isChecked());

        box(dialog, "CheckBoxIL").click();
        EXPECT_TRUE(button(dialog, "ButtonOk").isEnabled());
        box(dialog, "CheckBoxPL").click();
        EXPECT_FALSE(button(dialog, "ButtonOk").isEnabled()) << "nothing left to combine";
        EXPECT_TRUE(box(dialog, "CheckBoxDelete").isEnabled());
        box(dialog, "CheckBoxPL").click();
        EXPECT_TRUE(button(dialog, "ButtonOk").isEnabled());
        button(dialog, "ButtonCancel").click();
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(m_messages.dialogsShown, QStringList{"FormCombineListSections"});
    EXPECT_FALSE(fs::exists(listsFolder() / "INTERRUP.LST")) << "Cancel combines nothing";
    EXPECT_FALSE(fs::exists(listsFolder() / "PORTS.LST"));
    EXPECT_EQ(window().findChild<TFormCombineListSections*>(), nullptr) << "made for one use";
}

TEST_F(CombineSectionsTest, SectionsBecomeListsTheMenuShowsAndTheViewerOpens)
{
    copySections({"INTERRUP.A", "INTERRUP.B", "INTERRUP.C", "PORTS.A"});
    startWithListsFolder();
    EXPECT_TRUE(listMenuCaptions().isEmpty());
    combineWithOk();

    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(bytesOf("INTERRUP.LST"), sample("INTERRUP.LST"));
    EXPECT_EQ(bytesOf("PORTS.LST"), sample("PORTS.LST"));
    EXPECT_EQ(bytesOf("INTERRUP.C"), sample("sections/INTERRUP.C")) << "the sections stay";
    EXPECT_EQ(listMenuCaptions(), QStringList({"Interrup.lst", "Ports.lst"}));

    window().findChild<QAction*>("ListListFile0")->trigger();
    EXPECT_EQ(window().loadedList().files.listKind, ListKind::Interrup);
    EXPECT_GT(window().loadedList().topicCount(), 100u);
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(CombineSectionsTest, DeleteOptionRemovesTheSections)
{
    copySections({"INTERRUP.A", "INTERRUP.B", "INTERRUP.C", "PORTS.A"});
    startWithListsFolder();
    combine([](QDialog& dialog) {
        box(dialog, "CheckBoxDelete").click();
        button(dialog, "ButtonOk").click();
    });
    EXPECT_EQ(bytesOf("INTERRUP.LST"), sample("INTERRUP.LST"));
    EXPECT_EQ(bytesOf("PORTS.LST"), sample("PORTS.LST"));
    for (const char* name : {"INTERRUP.A", "INTERRUP.B", "INTERRUP.C", "PORTS.A"})
        EXPECT_FALSE(fs::exists(listsFolder() / name)) << name;
}

TEST_F(CombineSectionsTest, OnlyThePortSectionLeavesTheInterruptListAlone)
{
    copySections({"PORTS.A"});
    writeList("INTERRUP.LST", "the interrupt list as it was");
    writeList("PORTS.LST", "an older port list");
    startWithListsFolder();
    combine([](QDialog& dialog) {
        EXPECT_FALSE(box(dialog, "CheckBoxIL").isEnabled());
        EXPECT_FALSE(box(dialog, "CheckBoxIL").isChecked());
        EXPECT_TRUE(box(dialog, "CheckBoxPL").isEnabled());
        EXPECT_TRUE(box(dialog, "CheckBoxPL").isChecked());
        button(dialog, "ButtonOk").click();
    });
    EXPECT_EQ(bytesOf("PORTS.LST"), sample("PORTS.LST")) << "replaced without a question";
    EXPECT_EQ(bytesOf("INTERRUP.LST"), "the interrupt list as it was");
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(CombineSectionsTest, WithoutFirstSectionsOnlyCancelIsLeft)
{
    copySections({"INTERRUP.B"});
    startWithListsFolder();
    combine([](QDialog& dialog) {
        for (const char* name : {"CheckBoxIL", "CheckBoxPL", "CheckBoxDelete"}) {
            EXPECT_FALSE(box(dialog, name).isEnabled()) << name;
            EXPECT_FALSE(box(dialog, name).isChecked()) << name;
        }
        EXPECT_FALSE(button(dialog, "ButtonOk").isEnabled());
        EXPECT_TRUE(button(dialog, "ButtonCancel").isEnabled());
    });
    EXPECT_FALSE(fs::exists(listsFolder() / "INTERRUP.LST"));
}

TEST_F(CombineSectionsTest, TheOpenListIsClosedOnlyWhenItIsRewritten)
{
    copySections({"INTERRUP.A", "INTERRUP.B", "INTERRUP.C", "PORTS.A"});
    const std::string memory = copySample("MEMORY.LST");
    const std::string interrup = writeList("INTERRUP.LST", SmallList());
    startWithListsFolder();

    window().openList(memory);
    combineWithOk();
    EXPECT_EQ(window().loadedList().files.listFileName, memory);
    EXPECT_GT(window().topicsGrid().model()->rowCount(), 0);

    window().openList(interrup);
    combine([](QDialog& dialog) {
        box(dialog, "CheckBoxIL").click();
        button(dialog, "ButtonOk").click();
    });
    EXPECT_EQ(window().loadedList().files.listFileName, interrup) << "only PORTS was rewritten";

    combineWithOk();
    EXPECT_EQ(window().loadedList().files.listKind, ListKind::None);
    EXPECT_EQ(window().topicsGrid().model()->rowCount(), 0);
    EXPECT_FALSE(window().listStreamOpen());
    EXPECT_EQ(window().windowTitle(), "ZELT Viewer");
    EXPECT_EQ(bytesOf("INTERRUP.LST"), sample("INTERRUP.LST"));
}

TEST_F(CombineSectionsTest, ASectionThatCannotBeReadKeepsEveryFile)
{
    copySections({"INTERRUP.A", "PORTS.A"});
    // A write-only kernel setting: a section that nobody may read, root included.
    fs::create_symlink("/proc/sys/vm/drop_caches", listsFolder() / "INTERRUP.B");
    writeList("INTERRUP.LST", "the interrupt list as it was");
    startWithListsFolder();
    combine([](QDialog& dialog) {
        box(dialog, "CheckBoxDelete").click();
        button(dialog, "ButtonOk").click();
    });

    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(m_messages.shown[0].text,
              QString::fromStdString("Cannot open file " + inLists("INTERRUP.B")));
    EXPECT_EQ(bytesOf("INTERRUP.LST"), "the interrupt list as it was");
    EXPECT_EQ(bytesOf("INTERRUP.A"), sample("sections/INTERRUP.A"));
    EXPECT_EQ(bytesOf("PORTS.LST"), sample("PORTS.LST")) << "PORTS comes first";
    EXPECT_EQ(listMenuCaptions(), QStringList({"Interrup.lst", "Ports.lst"}));
}

TEST_F(CombineSectionsTest, ATargetThatCannotBeReplacedKeepsTheSections)
{
    copySections({"INTERRUP.A", "INTERRUP.B", "INTERRUP.C"});
    fs::create_directories(listsFolder() / "INTERRUP.LST" / "in the way");
    startWithListsFolder();
    combine([](QDialog& dialog) {
        box(dialog, "CheckBoxDelete").click();
        button(dialog, "ButtonOk").click();
    });

    EXPECT_EQ(m_messages.texts(),
              QStringList{QString::fromStdString("Cannot create file " + inLists("INTERRUP.LST"))});
    for (const char* name : {"INTERRUP.A", "INTERRUP.B", "INTERRUP.C"})
        EXPECT_EQ(bytesOf(name), sample(std::string("sections/") + name)) << name;
    EXPECT_TRUE(fs::exists(listsFolder() / "INTERRUP.LST" / "in the way"));
}

TEST_F(CombineSectionsTest, AReadOnlyListIsNotReplaced)
{
    copySections({"PORTS.A"});
    const std::string ports = writeList("PORTS.LST", "the port list, read-only");
    fs::permissions(ports,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    startWithListsFolder();
    combine([](QDialog& dialog) {
        box(dialog, "CheckBoxDelete").click();
        button(dialog, "ButtonOk").click();
    });
    EXPECT_EQ(m_messages.texts(),
              QStringList{QString::fromStdString("Cannot create file " + inLists("PORTS.LST"))});
    EXPECT_EQ(bytesOf("PORTS.LST"), "the port list, read-only");
    EXPECT_EQ(bytesOf("PORTS.A"), sample("sections/PORTS.A"));
}

TEST_F(CombineSectionsTest, ALowerCaseDistributionCombinesIntoItsListAndOffersTheFormatter)
{
    writeList("ports.a", "first ");
    writeList("ports.b", "second");
    writeList("ports.lst", "an older port list");
    writeList("intprint.com", "\xB8\x00\x4C\xCD\x21");
    startWithListsFolder();
    Q_EMIT window().findChild<QMenu*>("OptionsTools")->aboutToShow();
    EXPECT_TRUE(window().findChild<QAction*>("OptionsToolsRunIntprintcom")->isVisible());

    combine([](QDialog& dialog) {
        EXPECT_FALSE(box(dialog, "CheckBoxIL").isEnabled());
        EXPECT_TRUE(box(dialog, "CheckBoxPL").isChecked());
        button(dialog, "ButtonOk").click();
    });
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(bytesOf("ports.lst"), "first second");
    EXPECT_FALSE(fs::exists(listsFolder() / "PORTS.LST")) << "the list is replaced, not joined";
    EXPECT_EQ(listMenuCaptions(), QStringList{"Ports.lst"});
}

} // namespace
} // namespace zelt::test
