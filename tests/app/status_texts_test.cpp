#include "app/status_texts.h"
#include "list/loaded_list.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

StatusBarTexts Filled()
{
    return StatusBarTexts{"old caption", {" p0", " p1", " p2", " p3"}};
}

StatusState OpenList(std::string_view name = "/home/u/lists/INTERRUP.LST")
{
    return StatusState{.listKind = 1,
                       .listFileName = name,
                       .topicCount = 8634,
                       .viewRowCount = 312,
                       .selectedTopic = 4,
                       .currentTopicNumber = 9};
}

TEST(StatusTexts, ListChangedSetsCaptionAndSummaryOnly)
{
    auto texts = Filled();
    ApplyStatusUpdate(texts, StatusKind::ListChanged, OpenList());
    EXPECT_EQ(texts.caption, "ZELT Viewer - INTERRUP.LST");
    EXPECT_EQ(texts.panels[0], " 8634 topics (312 in category)");
    EXPECT_EQ(texts.panels[1], " p1");
    EXPECT_EQ(texts.panels[2], " p2");
    EXPECT_EQ(texts.panels[3], " p3");

    ApplyStatusUpdate(texts, StatusKind::ListChanged, OpenList("C:\\LISTS\\Ports.lst"));
    EXPECT_EQ(texts.caption, "ZELT Viewer - Ports.lst");
}

TEST(StatusTexts, ListWithoutTopicsEmptiesAllButTheLastPanel)
{
    auto texts = Filled();
    ApplyStatusUpdate(texts, StatusKind::ListChanged, StatusState{});
    EXPECT_EQ(texts.caption, "ZELT Viewer");
    EXPECT_EQ(texts.panels[0], "");
    EXPECT_EQ(texts.panels[1], "");
    EXPECT_EQ(texts.panels[2], "");
    EXPECT_EQ(texts.panels[3], " p3");

    // A list name preset at start-up without topics loaded yet.
    texts = Filled();
    StatusState preset;
    preset.listKind = 0;
    preset.listFileName = "/l/MY.LST";
    ApplyStatusUpdate(texts, StatusKind::ListChanged, preset);
    EXPECT_EQ(texts.caption, "ZELT Viewer - MY.LST");
    EXPECT_EQ(texts.panels[0], "");
}

TEST(StatusTexts, OtherKindsTouchOnlyTheirPanel)
{
    auto texts = Filled();
    ApplyStatusUpdate(texts, StatusKind::ViewChanged, OpenList());
    EXPECT_EQ(texts.caption, "old caption");
    EXPECT_EQ(texts.panels[0], " 8634 topics (312 in category)");
    EXPECT_EQ(texts.panels[1], " p1");

    texts = Filled();
    ApplyStatusUpdate(texts, StatusKind::SelectionChanged, OpenList());
    EXPECT_EQ(texts.panels[0], " p0");
    EXPECT_EQ(texts.panels[1], " Sel: 5");
    EXPECT_EQ(texts.panels[2], " p2");

    ApplyStatusUpdate(texts, StatusKind::TopicShown, OpenList());
    EXPECT_EQ(texts.panels[1], " Sel: 5");
    EXPECT_EQ(texts.panels[2], " Cur: 10");
    EXPECT_EQ(texts.caption, "old caption");

    // A closed list reports through ListChanged only; a view change keeps panel 0.
    texts = Filled();
    ApplyStatusUpdate(texts, StatusKind::ViewChanged, StatusState{});
    EXPECT_EQ(texts.panels[0], " p0");
}

TEST(StatusTexts, StateReadFromTheLoadedList)
{
    LoadedList list;
    list.beginLoad(3);
    list.addTopic("A", "a", 'D', 0, 1);
    list.addTopic("B", "b", 'D', 1, 1);
    list.finishLoad();
    list.files.listFileName = "/l/PORTS.LST";
    list.files.listKind = ListKind::Ports;
    list.view.selectedTopic = 1;
    const StatusState state = StatusStateOf(list);
    EXPECT_EQ(state.listKind, 2);
    EXPECT_EQ(state.listFileName, "/l/PORTS.LST");
    EXPECT_EQ(state.topicCount, 2);
    EXPECT_EQ(state.viewRowCount, 2);
    EXPECT_EQ(state.selectedTopic, 1);
    EXPECT_EQ(state.currentTopicNumber, -1);
}

TEST(StatusTexts, HintPanelShowsTheLongPartWhileActive)
{
    EXPECT_EQ(HintPanelText("Save|Save current topic", true), " Save current topic");
    EXPECT_EQ(HintPanelText("Drag to resize columns", true), " Drag to resize columns");
    EXPECT_EQ(HintPanelText("a|b|c", true), " b|c");
    EXPECT_EQ(HintPanelText("", true), " ");
    EXPECT_EQ(HintPanelText("Save|Save current topic", false), "");
    EXPECT_EQ(HintShortPart("Save|Save current topic"), "Save");
    EXPECT_EQ(HintShortPart("Drag to resize columns"), "Drag to resize columns");
}

} // namespace
} // namespace zelt
