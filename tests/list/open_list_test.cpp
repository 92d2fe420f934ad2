#include "list/open_list.h"
#include "scan_helpers.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

OpenListResult Open(LoadedList& list, const std::string& name)
{
    LoadRequest request;
    request.listFileName = name;
    request.onlyParseLst = true;
    LoadObserver quiet;
    return OpenList(list, request, quiet);
}

TEST(OpenList, OpensTheTopicsAndTheStreamForTheirTexts)
{
    const TempDir dir;
    const std::string name = dir.write("INTERRUP.LST", SampleList());
    LoadedList list;
    list.view.currentTopicNumber = 5;
    OpenListResult result = Open(list, name);
    ASSERT_TRUE(result.opened());
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.source, TopicSource::Scan);
    EXPECT_EQ(list.topicCount(), 3);
    EXPECT_FALSE(list.hasCurrentTopic());
    const auto text = result.stream->read(list.topics().start(1), list.topics().length(1));
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->starts_with("INT 21 - EXIT\r\n"));

    EXPECT_EQ(Open(list, name).source, TopicSource::IndexFile);
}

TEST(OpenList, ReportsInTheOrderTheViewerShowsThem)
{
    const TempDir dir;
    LoadedList list;
    OpenListResult missing = Open(list, dir.file("PORTS.LST"));
    EXPECT_FALSE(missing.opened());
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_FALSE(missing.messages[0].number);
    EXPECT_EQ(missing.messages[0].text, "Unable to find \"PORTS.LST\" !");
    EXPECT_TRUE(MissingListMessage(""));

    // A folder where the index belongs: loaded, with message 2.
    const std::string name = dir.write("INTERRUP.LST", SampleList());
    fs::create_directories(dir.path() / "INTERRUP.zeltv");
    const OpenListResult unindexed = Open(list, name);
    EXPECT_TRUE(unindexed.opened());
    ASSERT_EQ(unindexed.messages.size(), 1u);
    EXPECT_EQ(unindexed.messages[0].number, ErrorUnableToCreateIndexFile);
    EXPECT_EQ(unindexed.messages[0].text, "Unable to create indexfile !");
    EXPECT_EQ(list.topicCount(), 3);
}

TEST(OpenList, ListThatCannotBeLoadedLeavesNothingOpen)
{
    const TempDir dir;
    const std::string name = dir.write("HUGE.LST", "x");
    std::error_code error;
    fs::resize_file(name, std::uint64_t{1} << 31, error);
    if (error)
        GTEST_SKIP() << "no sparse files here";
    LoadedList list;
    const OpenListResult result = Open(list, name);
    EXPECT_FALSE(result.opened());
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].number, ErrorUnableToLoadList);
    EXPECT_TRUE(list.files.listFileName.empty());
    EXPECT_EQ(list.topicCount(), 0);
}

TEST(LoadedList, CurrentTopicAndCloseKeepTheViewStateConsistent)
{
    const TempDir dir;
    LoadedList list;
    ASSERT_TRUE(Open(list, dir.write("INTERRUP.LST", SampleList())).opened());
    list.setCurrentTopic(2);
    EXPECT_TRUE(list.hasCurrentTopic());
    EXPECT_EQ(list.view.currentTopicNumber, 2);
    EXPECT_EQ(list.view.currentTopicIdentifier, "1000");
    EXPECT_EQ(list.view.currentTopicTitle, "INT 10 - SET MODE");
    list.view.currentCategory = 'V';

    list.close();
    EXPECT_FALSE(list.hasCurrentTopic());
    EXPECT_TRUE(list.view.currentTopicIdentifier.empty());
    EXPECT_EQ(list.view.currentCategory, 0);
    EXPECT_TRUE(list.files.listFileName.empty());
    EXPECT_EQ(list.files.listKind, ListKind::None);
    EXPECT_EQ(list.topicCount(), 0);
    EXPECT_EQ(list.viewRowCount(), 0);
}

} // namespace
} // namespace zelt::test
