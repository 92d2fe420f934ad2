#include "browse/see_also.h"
#include "base/ascii_text.h"
#include "sample_files.h"
#include "sample_references.h"
#include "samples/generator/list_generator.h"
#include "support/temp_dir.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

struct SeeAlsoLine {
    TopicNumber owner = 0;
    std::string_view text;
    std::size_t colon = 0;
};

// Every see-also line of a list's topics; the list information has none that count.
std::vector<SeeAlsoLine> SeeAlsoLines(std::string_view bytes, const LoadedList& list)
{
    std::vector<SeeAlsoLine> lines;
    for (TopicNumber n = 1; n < list.topics().size(); ++n) {
        for (const std::string_view line : TopicLines(bytes, list, n)) {
            const auto colon = line.find(':');
            if (colon != std::string_view::npos && IsSeeAlsoLabel(line.substr(0, colon)))
                lines.push_back({n, line, colon});
        }
    }
    return lines;
}

// Calls `visit` with each reference of the list and its outcome; returns how
// many see-also lines are spaced other than "SeeAlso: A,B".
int FollowEveryReference(const fs::path& path, std::string_view notation,
                         const std::function<void(std::string_view, ReferenceOutcome)>& visit)
{
    const std::string bytes = ReadBytes(path);
    const LoadedList list = LoadTopics(path);
    int oddlySpaced = 0;
    for (const SeeAlsoLine& line : SeeAlsoLines(bytes, list)) {
        const std::string_view afterColon = line.text.substr(line.colon + 1);
        bool odd = !afterColon.starts_with(' ') || afterColon.starts_with("  ");
        for (const SeeAlsoReference& reference :
             CollectSeeAlsoReferences(line.text, line.colon, ListKindOf(notation))) {
            const std::string_view text = TrimControlAndBlank(reference.text);
            odd = odd || text != reference.text;
            visit(text, FollowReference(notation, text, list.topics(), line.owner));
        }
        oddlySpaced += odd ? 1 : 0;
    }
    return oddlySpaced;
}

// Left pointing nowhere on purpose, to show how the viewer treats a dead reference.
const std::map<std::string, std::set<std::string>, std::less<>> DeliberatelyDangling{
    {"BIBLIO.LST", {"[B0099]"}},   {"CMOS.LST", {"CMOS 7Fh"}},
    {"I2C.LST", {"I2C 0Bh/10h"}},  {"MSR.LST", {"MSR 00000079h", "MSR 00000401h"}},
    {"PORTS.LST", {"PORT 0CF9h"}},
};

TEST(SampleReferences, TopicReferencesOfTheSmallListsResolveUnlessDanglingOnPurpose)
{
    for (const fs::path& path : SampleLists()) {
        const std::string name = path.filename().string();
        if (name == "INTERRUP.LST")
            continue;
        SCOPED_TRACE(name);
        std::set<std::string> dangling;
        int topicReferences = 0;
        const int oddlySpaced =
            FollowEveryReference(path, name, [&](std::string_view text, ReferenceOutcome outcome) {
                EXPECT_NE(outcome, ReferenceOutcome::Unknown) << text;
                if (outcome == ReferenceOutcome::Exact || outcome == ReferenceOutcome::Prefix ||
                    outcome == ReferenceOutcome::Unresolved)
                    ++topicReferences;
                if (outcome == ReferenceOutcome::Unresolved)
                    dangling.emplace(text);
            });
        EXPECT_EQ(oddlySpaced, 0);
        EXPECT_GT(topicReferences, 5);
        const auto expected = DeliberatelyDangling.find(name);
        EXPECT_EQ(dangling, expected == DeliberatelyDangling.end() ? std::set<std::string>{}
                                                                   : expected->second);
    }
}

struct InterruptStyleTally {
    std::set<ReferenceOutcome> outcomes;
    std::vector<std::string> unknown;
    int oddlySpaced = 0;
};

InterruptStyleTally TallyInterruptStyle(const fs::path& path)
{
    InterruptStyleTally tally;
    tally.oddlySpaced = FollowEveryReference(path, "INTERRUP.LST",
                                             [&](std::string_view text, ReferenceOutcome outcome) {
                                                 tally.outcomes.insert(outcome);
                                                 if (outcome == ReferenceOutcome::Unknown)
                                                     tally.unknown.emplace_back(text);
                                             });
    return tally;
}

TEST(SampleReferences, InterruptListHasEveryKindOfReferenceInKnownNotations)
{
    const InterruptStyleTally tally = TallyInterruptStyle(SamplesDir / "INTERRUP.LST");
    EXPECT_EQ(tally.unknown, std::vector<std::string>{});
    EXPECT_EQ(tally.outcomes, (std::set{ReferenceOutcome::Exact, ReferenceOutcome::Prefix,
                                        ReferenceOutcome::Unresolved, ReferenceOutcome::Table,
                                        ReferenceOutcome::Other}));
    // One line with two blanks after the colon, one with a blank after a comma.
    EXPECT_EQ(tally.oddlySpaced, 2);
}

TEST(SampleReferences, GeneratedListsUseOnlyKnownNotations)
{
    TempDir dir;
    samples::GeneratorOptions options;
    options.topicCount = 2000;
    const std::string list = dir.file("GENERATED.LST");
    ASSERT_TRUE(samples::WriteGeneratedList(list, options));
    const InterruptStyleTally tally = TallyInterruptStyle(list);
    EXPECT_EQ(tally.unknown, std::vector<std::string>{});
    EXPECT_TRUE(tally.outcomes.contains(ReferenceOutcome::Exact));
    EXPECT_EQ(tally.oddlySpaced, 0);
}

} // namespace
} // namespace zelt::test
