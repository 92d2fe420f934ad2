#include "list/list_cache.h"
#include "scan_helpers.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

TEST(ListTopicsCache, KeepsAListWhileItsFileStaysAsItWas)
{
    const TempDir dir;
    const fs::path list = PathFromBytes(dir.write("PORTS.LST", SampleList()));
    ListTopicsCache cache(true, {});

    const LoadedList* first = cache.topics(list);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->topicCount(), 3);
    EXPECT_TRUE(fs::exists(dir.path() / "PORTS.zeltv")) << "loaded as opening it would";
    EXPECT_EQ(cache.topics(list), first);

    WriteBytes(list, SampleList() + Divider('P', "0060") + "\r\nPORT 0060h - KEYBOARD\r\n");
    const LoadedList* changed = cache.topics(list);
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->topicCount(), 4);

    cache.setLoadSettings(true, {.dontUseIndexFile = false, .loadTopicsDirect = true});
    fs::remove(dir.path() / "PORTS.zeltv");
    ASSERT_TRUE(cache.topics(list));
    EXPECT_FALSE(fs::exists(dir.path() / "PORTS.zeltv")) << "other settings load anew";

    fs::remove(list);
    EXPECT_FALSE(cache.topics(list));
    EXPECT_FALSE(cache.topics(dir.path() / "MISSING.LST"));
}

} // namespace
} // namespace zelt::test
