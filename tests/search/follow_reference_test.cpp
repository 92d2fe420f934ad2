#include "search/follow_reference.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace zelt::test {
namespace {

// A locate that answers from a table and records what it was asked.
struct FakeLocate {
    std::map<std::pair<std::string, std::string>, TopicNumber> answers;
    std::vector<std::pair<std::string, std::string>> calls;

    LocateFunction function()
    {
        return [this](std::string_view prefix, std::string_view fragment) {
            calls.emplace_back(prefix, fragment);
            const auto found = answers.find({std::string(prefix), std::string(fragment)});
            return found == answers.end() ? std::nullopt : std::optional(found->second);
        };
    }
};

TEST(FollowReference, LocatesThePrefixWithTheFragmentFirst)
{
    FakeLocate locate;
    locate.answers[{"2F1600", "WINDOWS"}] = 7;
    locate.answers[{"2F1600", ""}] = 5;
    FollowResult result = FollowReference("INT 2F/AX=1600h\"WINDOWS\"", ListKind::Interrup, "2100",
                                          locate.function());
    EXPECT_EQ(result.outcome, FollowOutcome::Found);
    EXPECT_EQ(result.target, 7u);
    EXPECT_EQ(result.prefix, "2F1600");
    EXPECT_EQ(result.fragment, "WINDOWS");
    EXPECT_EQ(locate.calls.size(), 1u);

    // Without a topic of that title the second try drops the fragment.
    locate.calls.clear();
    result =
        FollowReference("INT 2F/AX=1600h\"WIN386\"", ListKind::Interrup, "2100", locate.function());
    EXPECT_EQ(result.outcome, FollowOutcome::FoundWithoutFragment);
    EXPECT_EQ(result.target, 5u);
    EXPECT_EQ(result.fragment, "WIN386");
    using Call = std::pair<std::string, std::string>;
    EXPECT_EQ(locate.calls, (std::vector<Call>{{"2F1600", "WIN386"}, {"2F1600", ""}}));
}

TEST(FollowReference, OutcomesWithoutATarget)
{
    FakeLocate locate;
    FollowResult result = FollowReference("AH=4Ch", ListKind::Interrup, "214B", locate.function());
    EXPECT_EQ(result.outcome, FollowOutcome::NotFound);
    EXPECT_EQ(result.prefix, "214C  ");
    EXPECT_EQ(result.target, std::nullopt);
    // Without a fragment there is nothing else to try.
    EXPECT_EQ(locate.calls.size(), 1u);

    locate.calls.clear();
    result = FollowReference("INT 0D\"CPU\"", ListKind::Interrup, "00", locate.function());
    EXPECT_EQ(result.outcome, FollowOutcome::NotFound);
    EXPECT_EQ(result.fragment, "CPU");
    EXPECT_EQ(locate.calls.size(), 2u);

    locate.calls.clear();
    result = FollowReference("CMOS 10h", ListKind::Interrup, "1A", locate.function());
    EXPECT_EQ(result.outcome, FollowOutcome::Unrecognised);
    EXPECT_EQ(result.prefix, "");
    EXPECT_TRUE(locate.calls.empty());

    for (const ListKind kind : {ListKind::None, ListKind::Other, ListKind::Opcodes, ListKind::Smm,
                                ListKind::Tables, ListKind::Biblio}) {
        result = FollowReference("INT 21/AH=4Ch", kind, "21", locate.function());
        EXPECT_EQ(result.outcome, FollowOutcome::Ignored) << ToInt(kind);
    }
    EXPECT_TRUE(locate.calls.empty());
}

TEST(FollowReference, OutcomeNames)
{
    EXPECT_EQ(OutcomeName(FollowOutcome::Ignored), "ignored");
    EXPECT_EQ(OutcomeName(FollowOutcome::Unrecognised), "unrecognised");
    EXPECT_EQ(OutcomeName(FollowOutcome::Found), "found");
    EXPECT_EQ(OutcomeName(FollowOutcome::FoundWithoutFragment), "found-without-fragment");
    EXPECT_EQ(OutcomeName(FollowOutcome::NotFound), "not-found");
}

} // namespace
} // namespace zelt::test
