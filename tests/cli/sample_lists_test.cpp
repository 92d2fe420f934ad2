#include "cli_helpers.h"
#include "list/divider_line.h"
#include "sample_files.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

// The line that ends right before a byte offset, without its CR LF.
std::string_view LineBefore(std::string_view bytes, std::size_t offset)
{
    const std::string_view head = bytes.substr(0, offset - 2);
    const auto previousEnd = head.rfind("\r\n");
    return previousEnd == std::string_view::npos ? head : head.substr(previousEnd + 2);
}

std::string_view LineAt(std::string_view bytes, std::size_t offset)
{
    const auto end = bytes.find("\r\n", offset);
    return bytes.substr(offset,
                        end == std::string_view::npos ? std::string_view::npos : end - offset);
}

TEST(SampleLists, EveryKnownListIsPresent)
{
    for (const char* name :
         {"INTERRUP.LST", "PORTS.LST", "MEMORY.LST", "CMOS.LST", "FARCALL.LST", "MSR.LST",
          "I2C.LST", "OPCODES.LST", "SMM.LST", "TABLES.LST", "BIBLIO.LST"})
        EXPECT_TRUE(fs::exists(SamplesDir / name)) << name;
}

// Checks the scanner's offsets against the real bytes: every topic starts
// right after its own divider line and ends where the next divider begins.
TEST(SampleLists, TopicsMatchTheFileBytes)
{
    for (const fs::path& path : SampleLists()) {
        SCOPED_TRACE(path.filename().string());
        const std::string bytes = ReadBytes(path);
        ASSERT_TRUE(bytes.ends_with("\r\n"));
        const LoadedList list = LoadTopics(path);
        ASSERT_GT(list.topicCount(), 5);
        EXPECT_EQ(list.topics().identifier(0), "[List Info]");

        for (TopicNumber n = 1; n < list.topics().size(); ++n) {
            const TopicRef topic = list.topics().topic(n);
            const auto start = static_cast<std::size_t>(topic.start);
            const std::string_view divider = LineBefore(bytes, start);
            ASSERT_TRUE(IsDividerLine(divider)) << n;
            EXPECT_EQ(static_cast<CategoryChar>(divider[8]), topic.category);
            EXPECT_EQ(CutIdentifier(divider), topic.identifier);
            if (topic.category != '!' && topic.length > 0) {
                std::string title(LineAt(bytes, start));
                std::replace(title.begin(), title.end(), '\t', ' ');
                EXPECT_EQ(topic.title, title) << n;
            }
            const auto end = start + static_cast<std::size_t>(topic.length);
            ASSERT_LE(end, bytes.size());
            if (end < bytes.size()) {
                EXPECT_TRUE(IsDividerLine(LineAt(bytes, end))) << n;
            }
        }
        const TopicRef last = list.topics().topic(list.topics().size() - 1);
        EXPECT_EQ(static_cast<std::size_t>(last.start + last.length), bytes.size());
    }
}

TEST(SampleLists, InterruptListIsLargeAndVaried)
{
    const LoadedList list = LoadTopics(SamplesDir / "INTERRUP.LST");
    EXPECT_GE(list.topicCount(), 200);
    EXPECT_GE(list.categoriesPresent().count(), 25u);
}

TEST(SampleLists, SectionsJoinToTheirLists)
{
    const fs::path sections = SamplesDir / "sections";
    std::string interrupt;
    for (const char* name : {"INTERRUP.A", "INTERRUP.B", "INTERRUP.C"}) {
        ASSERT_TRUE(fs::exists(sections / name)) << name;
        interrupt += ReadBytes(sections / name);
    }
    EXPECT_TRUE(interrupt == ReadBytes(SamplesDir / "INTERRUP.LST"));
    for (const char* name : {"INTERRUP.B", "INTERRUP.C"})
        EXPECT_TRUE(IsDividerLine(LineAt(ReadBytes(sections / name), 0))) << name;
    EXPECT_TRUE(ReadBytes(sections / "PORTS.A") == ReadBytes(SamplesDir / "PORTS.LST"));
}

TEST(SampleLists, CompanionPrintsEveryList)
{
    for (const fs::path& path : SampleLists()) {
        SCOPED_TRACE(path.filename().string());
        TempDir dir;
        const std::string copy = dir.write(path.filename().string(), ReadBytes(path));
        const auto run = RunCli({"topics", copy});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(run.out.starts_with("0\t!\t0\t"));
        EXPECT_EQ(RunCli({"topics", copy}).out, run.out);
    }
}

} // namespace
} // namespace zelt::test
