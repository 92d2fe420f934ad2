#include "base/file_io.h"
#include "browse/category_box.h"
#include "tests/ui/find_dialog_fixture.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>

namespace zelt::test {
namespace {

class ShowListTopicTest : public FindDialogTest {
protected:
    void openInterruptList(bool singleClickView)
    {
        copySample("PORTS.LST");
        start({copySample("INTERRUP.LST")});
        m_run->settings().SingleClickView = singleClickView;
    }
    bool isOpen(std::string_view name) const
    {
        return IsSameFile(window().loadedList().files.listFileName, listPath(name));
    }
    std::int32_t shown() const { return window().loadedList().view.currentTopicNumber; }
};

TEST_F(ShowListTopicTest, AnotherListIsOpenedAndTheTopicShownInAllCategories)
{
    openInterruptList(false);
    selectCategory('H');
    ASSERT_NE(window().loadedList().view.currentCategory, AllCategoriesCode);

    EXPECT_TRUE(window().showListTopic(listsFolder() / "PORTS.LST", 7));
    EXPECT_TRUE(isOpen("PORTS.LST"));
    QStringList ticked;
    for (const QAction* action : window().findChild<QMenu*>("ListMenu")->actions()) {
        if (action->isChecked())
            ticked.push_back(action->text());
    }
    EXPECT_EQ(ticked, QStringList({"Ports.lst"})) << "the List menu ticks the list opened";
    EXPECT_EQ(shown(), 7);
    EXPECT_EQ(grid().currentRow(), 7);
    EXPECT_EQ(window().loadedList().view.selectedTopic, 7);

    // Back in the first list, from a category that lacks the topic.
    EXPECT_TRUE(window().showListTopic(listsFolder() / "INTERRUP.LST", 3));
    selectCategory('H');
    EXPECT_TRUE(window().showListTopic(listsFolder() / "INTERRUP.LST", 4));
    EXPECT_EQ(shown(), 4);
    EXPECT_EQ(window().categoryBox().currentIndex(), 0);
    EXPECT_EQ(window().loadedList().view.currentCategory, AllCategoriesCode);
    EXPECT_EQ(grid().currentRow(), 4);
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(ShowListTopicTest, TheOpenListUnderAnotherSpellingIsNotOpenedAgain)
{
    openInterruptList(true);
    window().loadTopic(5);
    const QSignalSpy loaded(&window(), &TFormMain::topicLoaded);
    EXPECT_TRUE(window().showListTopic(listsFolder() / "." / "INTERRUP.LST", 9));
    EXPECT_EQ(shown(), 9);
    // Opening again would have shown topic 0 first.
    EXPECT_EQ(loaded.count(), 1);
}

TEST_F(ShowListTopicTest, AMissingListOrTopicLeavesTheOpenListAsItWas)
{
    openInterruptList(true);
    window().loadTopic(5);
    const std::int32_t count = window().loadedList().topicCount();

    EXPECT_FALSE(window().showListTopic(listsFolder() / "MISSING.LST", 1));
    EXPECT_EQ(m_messages.texts(), QStringList({"Unable to find \"MISSING.LST\" !"}));
    EXPECT_FALSE(
        window().showListTopic(listsFolder() / "INTERRUP.LST", static_cast<TopicNumber>(count)));
    EXPECT_EQ(m_messages.shown.size(), 1u);
    EXPECT_TRUE(isOpen("INTERRUP.LST"));
    EXPECT_EQ(shown(), 5);
}

} // namespace
} // namespace zelt::test
