#include "browse/see_also.h"
#include "browse/view_lines.h"
#include "list/list_loader.h"
#include "list/topic_reader.h"
#include "search/follow_reference.h"
#include "search/locate_topic.h"
#include "search/reference_prefix.h"
#include "search/reference_resolver.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

const fs::path Samples{ZELT_SAMPLES_DIR};

// Lists are scanned, never read from or written to an index file, so the
// samples folder stays as it is.
ListTopicsCache ScanningCache()
{
    return ListTopicsCache(true, IndexMode{false, true});
}

ReadingPlace PlaceIn(const fs::path& listFile, std::string topicIdentifier = {})
{
    return {listFile, ListKindOf(listFile.string()), std::move(topicIdentifier)};
}

std::string TopicText(const fs::path& listFile, const TopicTable& topics, TopicNumber n)
{
    auto reader = TopicReader::Open(listFile.string());
    return std::string(ShownBytes(reader->read(topics.start(n), topics.length(n)).value_or("")));
}

struct Case {
    const char* readIn;
    const char* topicIdentifier;
    const char* reference;
    ResolveOutcome outcome;
    const char* list;       // the target list's name, "" when none
    const char* identifier; // the target topic's identifier, "" when none
    const char* titleWord = "";
};

constexpr ResolveOutcome Found = ResolveOutcome::Found;
constexpr ResolveOutcome NotFound = ResolveOutcome::NotFound;
constexpr ResolveOutcome Unrecognised = ResolveOutcome::Unrecognised;

const Case SampleCases[] = {
    // Table numbers: every letter names its list; the rest of the text is ignored.
    {"INTERRUP.LST", "", "#00100", Found, "INTERRUP.LST", "1000"},
    {"INTERRUP.LST", "", "#00100 at INT 10/AH=00h", Found, "INTERRUP.LST", "1000"},
    {"INTERRUP.LST", "", "#P0004", Found, "PORTS.LST", "P0064"},
    {"INTERRUP.LST", "", "#M0010", Found, "MEMORY.LST", "M00400017"},
    {"INTERRUP.LST", "", "#C0002", Found, "CMOS.LST", "R0B"},
    {"INTERRUP.LST", "", "#F0001", Found, "FARCALL.LST", "@F000FFF0"},
    {"INTERRUP.LST", "", "#R0001", Found, "MSR.LST", "S0000001B"},
    {"INTERRUP.LST", "", "#I0001", Found, "I2C.LST", "I5002"},
    {"TABLES.LST", "T00100", "#S0001", Found, "SMM.LST", "SMM7EFC"},
    {"PORTS.LST", "P0060", "#01051", Found, "INTERRUP.LST", "213C"},
    {"INTERRUP.LST", "", "#09999", NotFound, "INTERRUP.LST", ""},
    {"INTERRUP.LST", "", "#X1234", Unrecognised, "", ""},
    {"INTERRUP.LST", "", "#012345", Unrecognised, "", ""},
    // Each list's keyword, located by that list's prefix rule.
    {"INTERRUP.LST", "", "PORT 0060h", Found, "PORTS.LST", "P0060"},
    {"INTERRUP.LST", "", "MEM 0040h:0017h", Found, "MEMORY.LST", "M00400017"},
    {"INTERRUP.LST", "", "CMOS 10h", Found, "CMOS.LST", "R10"},
    {"INTERRUP.LST", "", "@F000h:FFF0h", Found, "FARCALL.LST", "@F000FFF0"},
    {"INTERRUP.LST", "", "MSR 0000001Bh", Found, "MSR.LST", "S0000001B"},
    {"INTERRUP.LST", "", "I2C 50h/00h", Found, "I2C.LST", "I5000"},
    {"PORTS.LST", "P0060", "int 16/AH=00h", Found, "INTERRUP.LST", "1600"},
    {"INTERRUP.LST", "", "PORT 9999h", NotFound, "PORTS.LST", ""},
    // The title fragment, and the retry without it.
    {"INTERRUP.LST", "", "INT 0D\"IRQ5\"", Found, "INTERRUP.LST", "0D", "IRQ5"},
    {"INTERRUP.LST", "", "INT 0D\"NOSUCH\"", ResolveOutcome::FoundWithoutFragment, "INTERRUP.LST",
     "0D", "CPU"},
    // A function of the interrupt read in, only in the interrupt list.
    {"INTERRUP.LST", "2100", "AH=4Ch", Found, "INTERRUP.LST", "214C"},
    {"INTERRUP.LST", "", "AH=4Ch", Unrecognised, "", ""},
    {"PORTS.LST", "P0060", "AH=4Ch", Unrecognised, "", ""},
    // OPCODE "word": the title's first word after OPCODE, in any case.
    {"INTERRUP.LST", "", "OPCODE \"AAM\"", Found, "OPCODES.LST", "OD4"},
    {"INTERRUP.LST", "", "OPCODE \"aad\"", Found, "OPCODES.LST", "OD5"},
    {"INTERRUP.LST", "", "OPCODE \"AA\"", NotFound, "OPCODES.LST", ""},
    {"INTERRUP.LST", "", "DOS 2+", Unrecognised, "", ""},
};

void ExpectCase(ReferenceResolver& resolver, ListTopicsCache& lists, const fs::path& folder,
                const Case& c)
{
    SCOPED_TRACE(std::string(c.readIn) + ": " + c.reference);
    const ResolvedReference resolved =
        resolver.resolve(c.reference, PlaceIn(folder / c.readIn, c.topicIdentifier));
    EXPECT_EQ(ResolveOutcomeName(resolved.outcome), ResolveOutcomeName(c.outcome));
    EXPECT_EQ(resolved.listName, c.list);
    EXPECT_EQ(resolved.sameList, resolved.listName == c.readIn);
    if (!resolved.found()) {
        EXPECT_FALSE(resolved.topic);
        return;
    }
    const LoadedList* target = lists.topics(resolved.listFile);
    ASSERT_TRUE(target && resolved.topic);
    const TopicTable& topics = target->topics();
    EXPECT_EQ(topics.identifier(*resolved.topic), c.identifier);
    EXPECT_NE(topics.title(*resolved.topic).find(c.titleWord), std::string_view::npos);
    EXPECT_EQ(resolved.tableLine.has_value(), !resolved.table.empty());
    if (resolved.tableLine) {
        const std::string text = TopicText(resolved.listFile, topics, *resolved.topic);
        const std::vector<LineRange> lines = SplitViewLines(text);
        ASSERT_LT(*resolved.tableLine, lines.size());
        const LineRange& line = lines[*resolved.tableLine];
        EXPECT_NE(std::string_view(text)
                      .substr(line.begin, line.length)
                      .find("(Table " + resolved.table + ")"),
                  std::string_view::npos);
    }
}

TEST(ReferenceResolver, ReferencesOfTheSampleListsLeadToTheirTargets)
{
    ListTopicsCache lists = ScanningCache();
    ReferenceResolver resolver(lists);
    for (const Case& c : SampleCases)
        ExpectCase(resolver, lists, Samples, c);
}

// Other lists are found in the reader's folder in any letter case; a missing one is named.
TEST(ReferenceResolver, OtherListsAreLookedForInTheFolder)
{
    TempDir dir;
    fs::copy_file(Samples / "INTERRUP.LST", dir.path() / "INTERRUP.LST");
    fs::copy_file(Samples / "PORTS.LST", dir.path() / "ports.lst");
    ListTopicsCache lists = ScanningCache();
    ReferenceResolver resolver(lists);
    ExpectCase(resolver, lists, dir.path(),
               {"INTERRUP.LST", "", "PORT 0060h", Found, "ports.lst", "P0060"});
    ExpectCase(resolver, lists, dir.path(),
               {"INTERRUP.LST", "", "#M0010", ResolveOutcome::NoList, "MEMORY.LST", ""});
    // Without an open list, references are read in the lists folder.
    EXPECT_EQ(resolver.resolve("PORT 0060h", {dir.path(), ListKind::None, {}}).listName,
              "ports.lst");
    ExpectCase(resolver, lists, dir.path(),
               {"INTERRUP.LST", "", "MEM 0040h:0017h", ResolveOutcome::NoList, "MEMORY.LST", ""});

    // A list that turns up later is found, one that goes is missed.
    fs::copy_file(Samples / "MEMORY.LST", dir.path() / "MEMORY.LST");
    ExpectCase(resolver, lists, dir.path(),
               {"INTERRUP.LST", "", "#M0010", Found, "MEMORY.LST", "M00400017"});
    fs::remove(dir.path() / "ports.lst");
    ExpectCase(resolver, lists, dir.path(),
               {"INTERRUP.LST", "", "PORT 0060h", ResolveOutcome::NoList, "PORTS.LST", ""});
}

// The table index follows the list file when it changes, and counts every
// kind of line end (CR LF, a lone CR or a lone LF) as the view does.
TEST(ReferenceResolver, TableIndexFollowsTheListFile)
{
    TempDir dir;
    const std::string list = dir.write(
        "INTERRUP.LST", DosLines({"info", Divider('B', "10"), "INT 10 - VIDEO", "(Table 00001)"}));
    ListTopicsCache lists = ScanningCache();
    ReferenceResolver resolver(lists);
    const ReadingPlace place = PlaceIn(list);
    EXPECT_EQ(resolver.resolve("#00001", place).tableLine, 1u);
    EXPECT_EQ(resolver.resolve("#00002", place).outcome, NotFound);

    WriteBytes(list,
               DosLines({"info", Divider('B', "10"), "INT 10 - VIDEO\rmore\nand", "(Table 00002)",
                         Divider('B', "11"), "INT 11 - LIST", "(Table 00001)", "(Table 00002)"}));
    const ResolvedReference moved = resolver.resolve("#00001", place);
    EXPECT_EQ(moved.topic, 2u);
    EXPECT_EQ(moved.tableLine, 1u);
    const ResolvedReference first = resolver.resolve("#00002", place);
    EXPECT_EQ(first.topic, 1u);
    EXPECT_EQ(first.tableLine, 3u);
}

// A reference to the open list gives exactly what following it in the window gives.
TEST(ReferenceResolver, TheOpenListResolvesAsFollowReferenceDoes)
{
    ListTopicsCache lists = ScanningCache();
    ReferenceResolver resolver(lists);
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(Samples)) {
        const ReadingPlace list = PlaceIn(entry.path());
        if (entry.path().extension() != ".LST" || !FollowsReferences(list.kind))
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        LoadedList open;
        LoadObserver quiet;
        LoadRequest request{entry.path().string(), true, IndexMode{false, true}, false};
        ASSERT_TRUE(LoadListTopics(open, request, quiet).loaded);
        const TopicTable& topics = open.topics();
        const LocateFunction walk = [&](std::string_view prefix, std::string_view fragment) {
            return LocateTopic(topics, LocateQuery(prefix, fragment));
        };
        for (TopicNumber n = 0; n < topics.size(); ++n) {
            const std::string text = TopicText(entry.path(), topics, n);
            ReadingPlace place = list;
            place.topicIdentifier = topics.identifier(n);
            for (const SeeAlsoReference& reference :
                 TopicSeeAlsoReferences(text, topics.title(n), list.kind)) {
                const FollowResult followed =
                    FollowReference(reference.text, list.kind, place.topicIdentifier, walk);
                const ResolvedReference resolved = resolver.resolve(reference.text, place, &topics);
                // Table numbers are new: the window never followed them.
                if (followed.outcome == FollowOutcome::Unrecognised &&
                    (!resolved.sameList || !resolved.table.empty()))
                    continue;
                SCOPED_TRACE(reference.text);
                EXPECT_TRUE(resolved.sameList);
                EXPECT_EQ(ResolveOutcomeName(resolved.outcome), OutcomeName(followed.outcome));
                EXPECT_EQ(resolved.topic, followed.target);
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 400);
}

TEST(ReferenceResolver, MessagesNameTheReferenceAndTheTarget)
{
    ListTopicsCache lists = ScanningCache();
    ReferenceResolver resolver(lists);
    TempDir alone;
    fs::copy_file(Samples / "INTERRUP.LST", alone.path() / "INTERRUP.LST");
    const struct {
        fs::path folder;
        std::string_view reference;
        std::string_view text;
    } cases[] = {
        {Samples, "#00100", "Table 00100 in INTERRUP.LST"},
        {Samples, "PORT 0060h",
         "PORTS.LST: PORT 0060 - KEYBOARD CONTROLLER (8041/8042) - DATA IN AND OUT"},
        {Samples, "PORT 9999h", "No topic for PORT 9999h in PORTS.LST"},
        {Samples, "#09999", "No table #09999 in INTERRUP.LST"},
        {alone.path(), "PORT 0060h", "PORTS.LST is not in the lists folder"},
        {Samples, "DOS xyz", "DOS xyz is no reference that can be followed"},
        // Following it in the window reports it as not located, not as unknown.
        {Samples, "INT xyz", "No topic for INT xyz in INTERRUP.LST"},
    };
    for (const auto& c : cases) {
        const ResolvedReference resolved =
            resolver.resolve(c.reference, PlaceIn(c.folder / "INTERRUP.LST"));
        if (resolved.found()) {
            const LoadedList* target = lists.topics(resolved.listFile);
            ASSERT_TRUE(target);
            EXPECT_EQ(ReferenceTargetText(resolved, target->topics()), c.text);
            EXPECT_EQ(ReferenceFailureText(c.reference, resolved), "");
        } else {
            EXPECT_EQ(ReferenceFailureText(c.reference, resolved), c.text);
        }
    }
}

TEST(ReferenceResolver, TypedReferencesTakeTheListsForm)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"int 21/ah=4c", "INT 21/AH=4Ch"},
        {"INT 21 AH=4Ch", "INT 21/AH=4Ch"},
        {" INT 21/AH=4Ch ", "INT 21/AH=4Ch"},
        {"int 2fh ax=1600 \"win\"", "INT 2F/AX=1600h\"win\""},
        {"int 10", "INT 10"},
        {"ax = 4b00", "AX=4B00h"},
        {"Table 01234", "#01234"},
        {"table p0123", "#P0123"},
        {"#m0010", "#M0010"},
        {"port 60", "PORT 0060h"},
        {"port 3f8-3ff", "PORT 03F8h-03FFh"},
        {"mem 40:17", "MEM 0040h:0017h"},
        {"cmos 10", "CMOS 10h"},
        {"msr 1b", "MSR 0000001Bh"},
        {"i2c 50 0", "I2C 50h/00h"},
        {"@f000:fff0", "@F000h:FFF0h"},
        {"opcode aad", "OPCODE \"AAD\""},
        {"int zz", "int zz"},
        {"anything else", "anything else"},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(NormaliseTypedReference(typed), expected) << typed;
}

} // namespace
} // namespace zelt::test
