#pragma once

#include "list/list_loader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace zelt::test {

// The list information topic and two topics of categories D and V.
inline std::string SampleList()
{
    return DosLines({"Sample list for tests", "", Divider('D', "214C"), "INT 21 - EXIT",
                     "\tAH = 4Ch", "", Divider('V', "1000"), "INT 10 - SET MODE", "text"});
}

// Scans bytes written to a file of the given name, never touching an index.
inline LoadOutcome ScanBytes(LoadedList& list, const TempDir& dir, std::string_view bytes,
                             std::string_view name = "INTERRUP.LST")
{
    LoadRequest request;
    request.listFileName = dir.write(name, bytes);
    request.onlyParseLst = true;
    request.indexMode.loadTopicsDirect = true;
    LoadObserver quiet;
    return LoadListTopics(list, request, quiet);
}

inline void ExpectTopic(const LoadedList& list, TopicNumber n, char category,
                        std::string_view identifier, std::string_view title, std::int32_t start,
                        std::int32_t length)
{
    SCOPED_TRACE("topic " + std::to_string(n));
    ASSERT_LT(n, list.topics().size());
    const TopicRef topic = list.topics().topic(n);
    EXPECT_EQ(topic.category, static_cast<CategoryChar>(category));
    EXPECT_EQ(topic.identifier, identifier);
    EXPECT_EQ(topic.title, title);
    EXPECT_EQ(topic.start, start);
    EXPECT_EQ(topic.length, length);
}

} // namespace zelt::test
