#include "browse/see_also.h"
#include "browse/view_lines.h"
#include "list/list_loader.h"
#include "list/topic_reader.h"
#include "search/reference_report.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

struct OpenSample {
    LoadedList list;
    std::optional<TopicReader> reader;
};

std::unique_ptr<OpenSample> Open(const fs::path& path)
{
    auto sample = std::make_unique<OpenSample>();
    LoadRequest request;
    request.listFileName = path.string();
    request.indexMode.loadTopicsDirect = true;
    LoadObserver quiet;
    EXPECT_TRUE(LoadListTopics(sample->list, request, quiet).loaded) << path;
    sample->reader = TopicReader::Open(request.listFileName);
    return sample;
}

std::string ShownText(OpenSample& sample, TopicNumber n)
{
    const TopicTable& topics = sample.list.topics();
    return std::string(
        ShownBytes(sample.reader->read(topics.start(n), topics.length(n)).value_or("")));
}

// Every reference of every sample list resolves through the index exactly as
// following it in the window does, where each locate walks the topics.
TEST(ReferenceReport, TheSampleListsResolveAsTheWindowFollowsThem)
{
    std::map<FollowOutcome, int> outcomes;
    for (const auto& entry : fs::directory_iterator(ZELT_SAMPLES_DIR)) {
        if (entry.path().extension() != ".LST")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        auto sample = Open(entry.path());
        const LoadedList& list = sample->list;
        const SeeAlsoFollower resolver(list);
        const LocateFunction walk = [&](std::string_view prefix, std::string_view fragment) {
            return LocateTopic(list.topics(), LocateQuery(prefix, fragment));
        };
        for (TopicNumber n = 0; n < list.topics().size(); ++n) {
            const std::string shown = ShownText(*sample, n);
            const auto rows = resolver.resolve(n, shown);
            const auto references =
                TopicSeeAlsoReferences(shown, list.topics().title(n), list.files.listKind);
            ASSERT_EQ(rows.size(), references.size());
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const ReferenceRow& row = rows[i];
                EXPECT_EQ(row.text, references[i].text);
                EXPECT_EQ(row.linkable, references[i].linkable);
                if (!row.linkable) {
                    EXPECT_EQ(row.follow.outcome, FollowOutcome::Ignored);
                    EXPECT_FALSE(row.follow.target);
                    continue;
                }
                const FollowResult walked = FollowReference(row.text, list.files.listKind,
                                                            list.topics().identifier(n), walk);
                EXPECT_EQ(row.follow.outcome, walked.outcome) << n << " " << row.text;
                EXPECT_EQ(row.follow.prefix, walked.prefix);
                EXPECT_EQ(row.follow.fragment, walked.fragment);
                EXPECT_EQ(row.follow.target, walked.target) << n << " " << row.text;
                ++outcomes[row.follow.outcome];
            }
        }
    }
    // The samples hold every kind of outcome.
    EXPECT_GT(outcomes[FollowOutcome::Found], 300);
    EXPECT_GT(outcomes[FollowOutcome::Ignored], 10);
    EXPECT_GT(outcomes[FollowOutcome::Unrecognised], 5);
    EXPECT_GT(outcomes[FollowOutcome::NotFound], 5);
}

TEST(ReferenceReport, ReferencesOfTheSampleInterruptList)
{
    auto sample = Open(fs::path(ZELT_SAMPLES_DIR) / "INTERRUP.LST");
    const LoadedList& list = sample->list;
    const SeeAlsoFollower resolver(list);
    std::map<std::string, ReferenceRow> byText;
    for (TopicNumber n = 0; n < list.topics().size(); ++n) {
        for (ReferenceRow& row : resolver.resolve(n, ShownText(*sample, n)))
            byText.try_emplace(row.text, std::move(row));
    }
    const auto targetIdentifier = [&](std::string_view text) -> std::string {
        const ReferenceRow& row = byText.at(std::string(text));
        return row.follow.target ? std::string(list.topics().identifier(*row.follow.target)) : "-";
    };
    EXPECT_EQ(targetIdentifier("INT 21/AH=4Ch"), "214C");
    EXPECT_EQ(targetIdentifier("INT 10"), "10");
    EXPECT_EQ(targetIdentifier("INT 41/AX=004Fh"), "41004F");
    // A quoted title picks one of the topics of an interrupt.
    const ReferenceRow& cpu = byText.at("INT 0D\"CPU\"");
    EXPECT_EQ(cpu.follow.outcome, FollowOutcome::Found);
    EXPECT_NE(list.topics().title(*cpu.follow.target).find("CPU"), std::string_view::npos);
    const ReferenceRow& irq = byText.at("INT 0D\"IRQ5\"");
    EXPECT_NE(irq.follow.target, cpu.follow.target);
    EXPECT_EQ(byText.at("CMOS 14h").follow.outcome, FollowOutcome::Unrecognised);
    EXPECT_TRUE(byText.at("CMOS 14h").broken());
    EXPECT_FALSE(byText.at("PORT 0070h").linkable);
    EXPECT_FALSE(byText.at("PORT 0070h").broken());
    EXPECT_EQ(byText.at("INT 99").follow.outcome, FollowOutcome::NotFound);
}

} // namespace
} // namespace zelt::test
