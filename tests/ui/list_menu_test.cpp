#include "list/file_entry.h"
#include "tests/ui/ui_fixture.h"
#include "ui/category_combo_box.h"
#include "ui/command_actions.h"
#include "ui/form_main.h"
#include "ui/main_panel.h"
#include "ui/status_bar_panels.h"
#include "ui/topics_grid.h"

#include <QAction>
#include <QMenu>
#include <QTableView>
#include <QTest>

namespace zelt::test {
namespace {

class ListMenuTest : public UiTest {
protected:
    QMenu& listMenu() const { return *window().findChild<QMenu*>("ListMenu"); }
    QAction* entry(int k) const
    {
        return window().findChild<QAction*>(QStringLiteral("ListListFile%1").arg(k));
    }
    QAction& listOther() const { return *window().findChild<QAction*>("ListOther"); }
    QAction& separator() const { return *window().findChild<QAction*>("ListMenuSeparator1"); }

    QStringList listEntryCaptions() const
    {
        QStringList captions;
        for (QAction* action : listMenu().actions()) {
            if (action->objectName().startsWith("ListListFile"))
                captions.push_back(action->text());
        }
        return captions;
    }
    QStringList tickedEntries() const
    {
        QStringList ticked;
        for (QAction* action : listMenu().actions()) {
            if (action->isChecked())
                ticked.push_back(action->objectName());
        }
        return ticked;
    }
};

TEST_F(ListMenuTest, MenuListsTheFolderWithShortcutsAndTheBoldDefault)
{
    copySample("PORTS.LST");
    copySample("INTERRUP.LST");
    copySample("TABLES.LST");
    copySample("GLOSSARY.LST");
    start();

    EXPECT_EQ(listEntryCaptions(), QStringList({"Interrup.lst", "Ports.lst", "Tables.lst"}));
    EXPECT_TRUE(entry(0)->font().bold());
    EXPECT_EQ(entry(0)->shortcut(), QKeySequence("Shift+I"));
    EXPECT_EQ(entry(0)->statusTip(), "Open Interrup.lst");
    EXPECT_FALSE(entry(1)->font().bold());
    EXPECT_EQ(entry(1)->shortcut(), QKeySequence("Shift+P"));
    EXPECT_TRUE(entry(2)->shortcut().isEmpty());
    EXPECT_TRUE(separator().isVisible());
    EXPECT_EQ(listOther().text(), "&Other...");
    EXPECT_EQ(listOther().shortcut(), QKeySequence("Ctrl+O"));
    const QList<QAction*> actions = listMenu().actions();
    EXPECT_EQ(actions.indexOf(&separator()), 3);
    EXPECT_EQ(actions.last(), &listOther());
    EXPECT_TRUE(tickedEntries().isEmpty());
}

TEST_F(ListMenuTest, EmptyFolderOffersOnlyOpenWithoutATick)
{
    start();
    EXPECT_TRUE(listEntryCaptions().isEmpty());
    EXPECT_FALSE(separator().isVisible());
    EXPECT_EQ(listOther().text(), "&Open...");
    listOther().setChecked(true);
    Q_EMIT listMenu().aboutToShow();
    EXPECT_FALSE(listOther().isChecked());
}

TEST_F(ListMenuTest, OpeningFromTheMenuFillsGridCategoriesAndStatus)
{
    const std::string small = writeList("SMALL.LST", SmallList());
    start();
    entry(0)->trigger();

    const LoadedList& list = window().loadedList();
    EXPECT_EQ(list.files.listFileName, small);
    EXPECT_EQ(window().windowTitle(), "ZELT Viewer - SMALL.LST");
    EXPECT_EQ(panel(0), " 4 topics (4 in category)");
    EXPECT_EQ(panel(1), " Sel: 1");
    EXPECT_EQ(window().topicsGrid().model()->rowCount(), 4);
    EXPECT_EQ(window().topicsGrid().currentIndex().row(), 0);
    EXPECT_TRUE(window().listStreamOpen());
    EXPECT_EQ(tickedEntries(), QStringList({"ListListFile0"}));
    EXPECT_TRUE(window().categoryBox().isEnabled());
    EXPECT_EQ(list.view.currentCategory, 255);
    EXPECT_TRUE(m_messages.shown.empty());

    window().updateCommands();
    EXPECT_TRUE(window().commandActions().command(CommandId::FileClose)->isEnabled());
    EXPECT_FALSE(window().commandActions().command(CommandId::ViewPrev)->isEnabled());
    EXPECT_TRUE(window().commandActions().command(CommandId::ViewNext)->isEnabled());
}

// A name in the menu that is no longer a file, or a folder named like a list.
TEST_F(ListMenuTest, AnEntryThatIsNoFileIsReportedAndThePreviousListStays)
{
    const std::string first = writeList("FIRST.LST", SmallList());
    const std::string gone = writeList("GONE.LST", SmallList());
    std::filesystem::create_directory(listsFolder() / "OLD.LST");
    start();
    entry(0)->trigger();
    ASSERT_EQ(window().loadedList().files.listFileName, first);

    std::filesystem::remove(gone);
    for (const int k : {1, 2}) {
        m_messages.shown.clear();
        listMenu().popup(QPoint());
        QTest::mouseClick(&listMenu(), Qt::LeftButton, {},
                          listMenu().actionGeometry(entry(k)).center());
        ASSERT_EQ(m_messages.shown.size(), 1u);
        EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Information);
        EXPECT_EQ(m_messages.shown[0].text,
                  QStringLiteral("Unable to find \"%1\" !").arg(k == 1 ? "GONE.LST" : "OLD.LST"));
        EXPECT_EQ(window().loadedList().files.listFileName, first);
        EXPECT_EQ(window().topicsGrid().model()->rowCount(), 4);
        EXPECT_TRUE(window().listStreamOpen());
        EXPECT_EQ(tickedEntries(), QStringList({QStringLiteral("ListListFile%1").arg(k)}));
    }
}

TEST_F(ListMenuTest, AListThatCannotBeLoadedWarnsAndLeavesNoListOpen)
{
    writeList("A.LST", SmallList());
    const std::string huge = writeList("B.LST", "x");
    std::error_code error;
    std::filesystem::resize_file(huge, std::uint64_t{1} << 31, error);
    if (error)
        GTEST_SKIP() << "no sparse files here";
    start();
    entry(0)->trigger();
    entry(1)->trigger();

    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(m_messages.shown[0].text, "Unable to load list !");
    EXPECT_EQ(window().loadedList().files.listFileName, "");
    EXPECT_EQ(window().topicsGrid().model()->rowCount(), 0);
    EXPECT_EQ(window().windowTitle(), "ZELT Viewer");
    EXPECT_FALSE(window().listStreamOpen());
}

TEST_F(ListMenuTest, CloseRemovesTicksRowsAndStatus)
{
    writeList("SMALL.LST", SmallList());
    start();
    entry(0)->trigger();
    window().commandActions().command(CommandId::FileClose)->trigger();

    EXPECT_TRUE(tickedEntries().isEmpty());
    EXPECT_EQ(window().topicsGrid().model()->rowCount(), 0);
    EXPECT_EQ(window().windowTitle(), "ZELT Viewer");
    EXPECT_EQ(panel(0), "");
    EXPECT_EQ(panel(1), "");
    EXPECT_EQ(window().categoryBox().count(), 0);
    EXPECT_FALSE(window().categoryBox().isEnabled());
    EXPECT_FALSE(window().listStreamOpen());
    window().updateCommands();
    EXPECT_FALSE(window().commandActions().command(CommandId::FileClose)->isEnabled());
    EXPECT_FALSE(window().commandActions().command(CommandId::SearchFind)->isEnabled());
}

TEST_F(ListMenuTest, OpenDialogTicksOtherOutsideTheFolderAndTheEntryInside)
{
    const std::string inside = writeList("SMALL.LST", SmallList());
    std::filesystem::create_directories(m_temp.path() / "outside");
    const std::string outside = (m_temp.path() / "outside" / "ELSE.LST").string();
    WriteBytes(outside, SmallList());
    start();

    m_messages.fileAnswers.push_back(QString::fromStdString(outside));
    listOther().trigger();
    ASSERT_EQ(m_messages.fileRequests.size(), 1u);
    EXPECT_EQ(m_messages.fileRequests[0].title, "Open list");
    EXPECT_EQ(m_messages.fileRequests[0].filters,
              QStringList({"List files (*.lst)", "Any file (*.*)"}));
    EXPECT_EQ(window().loadedList().files.listFileName, outside);
    EXPECT_EQ(tickedEntries(), QStringList({"ListOther"}));

    m_messages.fileAnswers.push_back(QString::fromStdString(inside));
    window().findChild<QAction*>("ToolButtonOpenList")->trigger();
    EXPECT_EQ(window().loadedList().files.listFileName, inside);
    EXPECT_EQ(tickedEntries(), QStringList({"ListListFile0"}));

    listOther().trigger();
    EXPECT_EQ(window().loadedList().files.listFileName, inside);
    EXPECT_EQ(tickedEntries(), QStringList({"ListListFile0"}));
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(ListMenuTest, UpdateTopicTitlesScansAgainInsteadOfReadingTheIndex)
{
    const std::string list = writeList("SMALL.LST", SmallList());
    start({"SMALL.LST"});
    const auto index = listsFolder() / "SMALL.zeltv";
    ASSERT_TRUE(std::filesystem::exists(index));
    // An index that is current by its time stamp but names another title.
    std::string bytes = ReadBytes(index);
    const auto at = bytes.find("FUNCTION CALLS");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 14, "STALE TITLE!!!");
    WriteBytes(index, bytes);
    ASSERT_TRUE(CopyFileEntry(index, *ReadFileEntry(list)));

    window().openList(list);
    const auto titleOfTopic1 = [this] {
        return window().topicsGrid().model()->index(1, 1).data().toString();
    };
    EXPECT_EQ(titleOfTopic1(), "INT 21 - DOS - STALE TITLE!!!");

    window().commandActions().command(CommandId::OptionsUpdateTopicTitles)->trigger();
    EXPECT_EQ(titleOfTopic1(), "INT 21 - DOS - FUNCTION CALLS");
    EXPECT_EQ(tickedEntries(), QStringList({"ListListFile0"}));
    EXPECT_NE(ReadBytes(index).find("FUNCTION CALLS"), std::string::npos);
}

} // namespace
} // namespace zelt::test
