#include "list/divider_line.h"
#include "sample_files.h"
#include "samples/generator/list_generator.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

// What one list does on purpose, so that the viewer meets it; the same thing
// in any other list is a fault.
struct Oddities {
    std::set<std::string, std::less<>> repeatedIdentifiers;
    int adjacentDividers = 0;
    bool endsOnDivider = false;
    bool informationTopics = false;
};

Oddities DeliberateOddities(std::string_view listName)
{
    if (listName == "INTERRUP.LST")
        return {{"08", "0D", "0E", "2F1600"}, 1, false, true};
    if (listName == "OPCODES.LST")
        return {{"O0F05"}, 0, false, false};
    if (listName == "SMM.LST")
        return {{}, 0, true, false};
    return {};
}

void ExpectDosText(std::string_view bytes)
{
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            EXPECT_EQ(bytes.substr(i + 1, 1), "\n") << "bare CR at byte " << i;
        } else if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
    EXPECT_EQ(bytes.find('\0'), std::string_view::npos);
    EXPECT_EQ(bytes.find('\x1a'), std::string_view::npos);
}

void ExpectPlainDividers(const std::vector<std::string_view>& lines, const Oddities& oddities)
{
    std::size_t firstDivider = lines.size();
    int adjacent = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (!IsDividerLine(line))
            continue;
        firstDivider = std::min(firstDivider, i);
        EXPECT_EQ(line.size(), 60u) << "line " << i + 1;
        EXPECT_EQ(line.find_first_of(" \t"), std::string_view::npos) << "line " << i + 1;
        if (!oddities.informationTopics) {
            EXPECT_NE(line[8], '!') << "line " << i + 1;
        }
        if (i + 1 < lines.size() && IsDividerLine(lines[i + 1]))
            ++adjacent;
    }
    EXPECT_GE(firstDivider, 2u) << "the list information needs a heading and more";
    EXPECT_LT(firstDivider, lines.size());
    EXPECT_EQ(adjacent, oddities.adjacentDividers);
    EXPECT_EQ(!lines.empty() && IsDividerLine(lines.back()), oddities.endsOnDivider);
}

void ExpectIdentifiersRepeatOnlyOnPurpose(const LoadedList& list, const Oddities& oddities)
{
    std::map<std::string_view, int> seen;
    for (TopicNumber n = 1; n < list.topics().size(); ++n)
        ++seen[list.topics().identifier(n)];
    std::set<std::string, std::less<>> repeated;
    for (const auto& [identifier, count] : seen) {
        if (count > 1)
            repeated.emplace(identifier);
    }
    EXPECT_EQ(repeated, oddities.repeatedIdentifiers);
}

// "(Table P0001)" gives a table its number; a second one would make "#P0001" ambiguous.
void ExpectTableNumbersDefinedOnce(std::string_view bytes)
{
    constexpr std::string_view opening = "(Table ";
    std::set<std::string_view> numbers;
    for (auto at = bytes.find(opening); at != std::string_view::npos;
         at = bytes.find(opening, at + 1)) {
        const auto from = at + opening.size();
        const std::string_view number = bytes.substr(from, bytes.find(')', from) - from);
        EXPECT_TRUE(numbers.insert(number).second) << number;
    }
}

void ExpectEveryRule(const fs::path& path, const Oddities& oddities)
{
    const std::string bytes = ReadBytes(path);
    ExpectDosText(bytes);
    ExpectPlainDividers(CrLfLines(bytes), oddities);
    ExpectIdentifiersRepeatOnlyOnPurpose(LoadTopics(path), oddities);
    ExpectTableNumbersDefinedOnce(bytes);
}

TEST(SampleRules, SampleListsBreakNoRuleBeyondTheirDeliberateOddities)
{
    for (const fs::path& path : SampleLists()) {
        SCOPED_TRACE(path.filename().string());
        ExpectEveryRule(path, DeliberateOddities(path.filename().string()));
    }
}

// The benchmarks measure generated lists; they must have the real shape.
TEST(SampleRules, GeneratedListsBreakNoRule)
{
    TempDir dir;
    samples::GeneratorOptions options;
    options.topicCount = 2000;
    options.realTableDensity = true;
    const std::string list = dir.file("GENERATED.LST");
    ASSERT_TRUE(samples::WriteGeneratedList(list, options));
    ExpectEveryRule(list, {});
}

} // namespace
} // namespace zelt::test
