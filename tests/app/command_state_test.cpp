#include "app/command_state.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

CommandState ListOpen(int rows = 10, int row = 0)
{
    CommandState state;
    state.listKind = 1;
    state.topicCount = rows;
    state.gridRowCount = rows;
    state.gridRow = row;
    return state;
}

CommandState TopicShown(int textLength, int lineCount, int selectionLength)
{
    CommandState state = ListOpen();
    state.currentTopicNumber = 0;
    state.textLength = textLength;
    state.lineCount = lineCount;
    state.selectionLength = selectionLength;
    return state;
}

TEST(CommandState, NothingOpenLeavesOnlyTheAlwaysEnabled)
{
    const auto a = EvaluateCommands(CommandState{});
    EXPECT_FALSE(a.fileClose || a.fileSave || a.filePrint || a.editCopy || a.editSelectAll ||
                 a.searchFind || a.searchSearchAgain || a.optionsZoomTopic ||
                 a.optionsUpdateTopicTitles || a.viewPrev || a.viewNext || a.helpHelpIndex ||
                 a.searchBack || a.searchForward || a.searchTopicTexts);
}

TEST(CommandState, SearchTopicTextsWithAListOpenOrListsInTheFolder)
{
    CommandState folder;
    folder.folderListsOffered = true;
    EXPECT_TRUE(EvaluateCommands(folder).searchTopicTexts);
    EXPECT_TRUE(EvaluateCommands(ListOpen()).searchTopicTexts);
}

TEST(CommandState, ListNamedWithoutTopics)
{
    CommandState state;
    state.listKind = 0;
    const auto a = EvaluateCommands(state);
    EXPECT_FALSE(a.fileClose);
    EXPECT_TRUE(a.searchFind);
    EXPECT_TRUE(a.searchSearchAgain);
    EXPECT_TRUE(a.optionsUpdateTopicTitles);
    EXPECT_FALSE(a.fileSave);

    EXPECT_TRUE(EvaluateCommands(ListOpen()).fileClose);
}

TEST(CommandState, PreviousAndNextFollowTheGridRow)
{
    auto first = EvaluateCommands(ListOpen(10, 0));
    EXPECT_FALSE(first.viewPrev);
    EXPECT_TRUE(first.viewNext);
    auto middle = EvaluateCommands(ListOpen(10, 5));
    EXPECT_TRUE(middle.viewPrev);
    EXPECT_TRUE(middle.viewNext);
    auto last = EvaluateCommands(ListOpen(10, 9));
    EXPECT_TRUE(last.viewPrev);
    EXPECT_FALSE(last.viewNext);
    auto single = EvaluateCommands(ListOpen(1, 0));
    EXPECT_FALSE(single.viewPrev);
    EXPECT_FALSE(single.viewNext);
    auto empty = EvaluateCommands(ListOpen(0, 0));
    EXPECT_FALSE(empty.viewNext);

    CommandState closed = ListOpen(10, 5);
    closed.listKind = -1;
    EXPECT_FALSE(EvaluateCommands(closed).viewPrev);
    EXPECT_FALSE(EvaluateCommands(closed).viewNext);
}

TEST(CommandState, ShownTopicEnablesSaveAndZoom)
{
    const auto a = EvaluateCommands(TopicShown(100, 5, 0));
    EXPECT_TRUE(a.fileSave);
    EXPECT_TRUE(a.filePrint);
    EXPECT_TRUE(a.optionsZoomTopic);
    EXPECT_FALSE(a.optionsZoomTopicChecked);

    CommandState zoomed = TopicShown(100, 5, 0);
    zoomed.zoomed = true;
    EXPECT_TRUE(EvaluateCommands(zoomed).optionsZoomTopicChecked);
}

TEST(CommandState, CopyAndSelectAll)
{
    const auto none = EvaluateCommands(TopicShown(100, 5, 0));
    EXPECT_FALSE(none.editCopy);
    EXPECT_TRUE(none.editSelectAll);
    EXPECT_FALSE(none.editSelectAllChecked);

    // 100 characters with 4 CR LF breaks: selecting all gives 96 positions.
    const auto all = EvaluateCommands(TopicShown(100, 5, 96));
    EXPECT_TRUE(all.editCopy);
    EXPECT_TRUE(all.editSelectAllChecked);
    EXPECT_FALSE(EvaluateCommands(TopicShown(100, 5, 95)).editSelectAllChecked);
    EXPECT_TRUE(EvaluateCommands(TopicShown(100, 5, 1)).editCopy);

    const auto emptyText = EvaluateCommands(TopicShown(0, 1, 0));
    EXPECT_FALSE(emptyText.editSelectAll);
    EXPECT_FALSE(emptyText.editSelectAllChecked);
}

TEST(CommandState, BackAndForwardNeedAnEntryToGoTo)
{
    CommandState state;
    state.historyBack = true;
    const auto back = EvaluateCommands(state);
    EXPECT_TRUE(back.searchBack);
    EXPECT_FALSE(back.searchForward);
    state.historyForward = true;
    EXPECT_TRUE(EvaluateCommands(state).searchForward);
}

TEST(CommandState, HelpTopicsNeedTheHelpFile)
{
    CommandState state;
    EXPECT_FALSE(EvaluateCommands(state).helpHelpIndex);
    state.helpFileAvailable = true;
    EXPECT_TRUE(EvaluateCommands(state).helpHelpIndex);
}

} // namespace
} // namespace zelt
