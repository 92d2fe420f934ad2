#include "base/file_io.h"
#include "tests/ui/find_dialog_fixture.h"
#include "ui/topic_view.h"

#include <QTest>
#include <fstream>

namespace zelt::test {
namespace {

class BackForwardTest : public FindDialogTest {
protected:
    void startWith(std::string_view name)
    {
        copySample("INTERRUP.LST");
        copySample("PORTS.LST");
        start({listPath(name)});
    }
    bool shows(std::string_view name, std::int32_t topic) const
    {
        const LoadedList& list = window().loadedList();
        return IsSameFile(list.files.listFileName, listPath(name)) &&
               list.view.currentTopicNumber == topic;
    }
    bool enabled(CommandId id) const
    {
        window().updateCommands();
        return window().commandActions().command(id)->isEnabled();
    }
};

TEST_F(BackForwardTest, StepsThroughTopicsOfTwoLists)
{
    startWith("INTERRUP.LST");
    EXPECT_FALSE(enabled(CommandId::SearchBack));
    ASSERT_TRUE(window().showListTopic(listsFolder() / "INTERRUP.LST", 5));
    command(CommandId::ViewNext);
    ASSERT_TRUE(window().showListTopic(listsFolder() / "PORTS.LST", 7));
    EXPECT_TRUE(enabled(CommandId::SearchBack));
    EXPECT_FALSE(enabled(CommandId::SearchForward));

    command(CommandId::SearchBack);
    EXPECT_TRUE(shows("INTERRUP.LST", 6));
    EXPECT_EQ(grid().currentRow(), 6);
    // The mouse's back button over the topic view.
    QTest::mouseClick(window().topicView().viewport(), Qt::BackButton);
    EXPECT_TRUE(shows("INTERRUP.LST", 5));
    command(CommandId::SearchForward);
    command(CommandId::SearchForward);
    EXPECT_TRUE(shows("PORTS.LST", 7));
    EXPECT_FALSE(enabled(CommandId::SearchForward));

    // Back and Forward themselves add nothing; a topic shown from the middle
    // ends the way forward.
    command(CommandId::SearchBack);
    EXPECT_TRUE(shows("INTERRUP.LST", 6));
    window().loadTopic(9);
    EXPECT_FALSE(enabled(CommandId::SearchForward));
    command(CommandId::SearchBack);
    EXPECT_TRUE(shows("INTERRUP.LST", 6));
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(BackForwardTest, ATopicOfAListChangedOnDiskIsSkipped)
{
    startWith("PORTS.LST");
    window().loadTopic(1);
    ASSERT_TRUE(window().showListTopic(listsFolder() / "INTERRUP.LST", 5));
    ASSERT_TRUE(window().showListTopic(listsFolder() / "PORTS.LST", 7));
    std::ofstream(listsFolder() / "INTERRUP.LST", std::ios::app) << "one more line\r\n";

    command(CommandId::SearchBack);
    EXPECT_TRUE(shows("PORTS.LST", 1));
    command(CommandId::SearchForward);
    EXPECT_TRUE(shows("PORTS.LST", 7));
    EXPECT_TRUE(m_messages.shown.empty());
}

} // namespace
} // namespace zelt::test
