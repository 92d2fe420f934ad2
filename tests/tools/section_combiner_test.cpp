#include "base/file_error_message.h"
#include "support/failing_file_system.h"
#include "support/temp_dir.h"
#include "tools/section_combiner.h"

#include <gtest/gtest.h>
#include <set>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

// Sections of an interrupt list with the bytes that a conversion would change.
const std::string SectionA = std::string("INT 21 - DOS\r\n\tAH = 4Ch\r\n\xB3\x01\x00 end", 30);
const std::string SectionB = "\x1A no end of file mark here\n\r";
const std::string SectionC = "INT 2F - MULTIPLEX\r\n";

std::set<std::string> FileNames(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class SectionCombinerTest : public ::testing::Test {
protected:
    void writeThreeSections() const
    {
        m_dir.write("INTERRUP.A", SectionA);
        m_dir.write("INTERRUP.B", SectionB);
        m_dir.write("INTERRUP.C", SectionC);
    }
    std::string bytesOf(std::string_view name) const { return ReadBytes(m_dir.path() / name); }

    TempDir m_dir;
};

TEST_F(SectionCombinerTest, JoinsTheSectionsByteForByteInLetterOrder)
{
    writeThreeSections();
    const SectionsCombined result = CombineSections(m_dir.path(), InterrupSections, false);

    ASSERT_FALSE(result.error);
    EXPECT_EQ(result.target, m_dir.path() / "INTERRUP.LST");
    EXPECT_EQ(result.sectionCount, 3u);
    EXPECT_EQ(result.byteCount, SectionA.size() + SectionB.size() + SectionC.size());
    EXPECT_EQ(bytesOf("INTERRUP.LST"), SectionA + SectionB + SectionC);
    EXPECT_EQ(FileNames(m_dir.path()),
              (std::set<std::string>{"INTERRUP.A", "INTERRUP.B", "INTERRUP.C", "INTERRUP.LST"}))
        << "the sections stay and no temporary file is left";
}

TEST_F(SectionCombinerTest, SectionsLargerThanTheCopyBufferArriveWhole)
{
    std::string large(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>(i * 7 % 251);
    m_dir.write("PORTS.A", large);
    m_dir.write("PORTS.B", "tail");
    const SectionsCombined result = CombineSections(m_dir.path(), PortsSections, false);
    ASSERT_FALSE(result.error);
    EXPECT_EQ(bytesOf("PORTS.LST"), large + "tail");
}

TEST_F(SectionCombinerTest, DeletesTheSectionsOnlyAfterTheTargetIsInPlace)
{
    writeThreeSections();
    const SectionsCombined result = CombineSections(m_dir.path(), InterrupSections, true);
    ASSERT_FALSE(result.error);
    EXPECT_TRUE(result.undeleted.empty());
    EXPECT_EQ(FileNames(m_dir.path()), std::set<std::string>{"INTERRUP.LST"});
    EXPECT_EQ(bytesOf("INTERRUP.LST"), SectionA + SectionB + SectionC);
}

TEST_F(SectionCombinerTest, ASectionThatCannotBeDeletedIsNamedAndTheRestGo)
{
    writeThreeSections();
    const FailingFileSystem files(FailingFileSystem::Step::Remove, "INTERRUP.B");
    const SectionsCombined result =
        CombineSections(m_dir.path(), InterrupSections, true, {}, files);
    ASSERT_FALSE(result.error);
    EXPECT_EQ(result.undeleted, std::vector<fs::path>{m_dir.path() / "INTERRUP.B"});
    EXPECT_EQ(FileNames(m_dir.path()), (std::set<std::string>{"INTERRUP.B", "INTERRUP.LST"}));
}

TEST_F(SectionCombinerTest, ReplacesAnExistingTargetWithoutAsking)
{
    m_dir.write("PORTS.LST", "an older port list that was much longer than the section");
    m_dir.write("PORTS.A", "ports");
    ASSERT_FALSE(CombineSections(m_dir.path(), PortsSections, false).error);
    EXPECT_EQ(bytesOf("PORTS.LST"), "ports");
}

TEST_F(SectionCombinerTest, AGapEndsTheSectionsAndLeavesTheLaterOnes)
{
    m_dir.write("INTERRUP.A", SectionA);
    m_dir.write("INTERRUP.B", SectionB);
    m_dir.write("INTERRUP.D", "after the gap");
    const SectionsCombined result = CombineSections(m_dir.path(), InterrupSections, true);
    ASSERT_FALSE(result.error);
    EXPECT_EQ(result.sectionCount, 2u);
    EXPECT_EQ(bytesOf("INTERRUP.LST"), SectionA + SectionB);
    EXPECT_EQ(bytesOf("INTERRUP.D"), "after the gap");
}

TEST_F(SectionCombinerTest, AListWithoutItsFirstSectionIsNeverCombined)
{
    m_dir.write("INTERRUP.LST", "the list as it was");
    m_dir.write("INTERRUP.B", SectionB);
    const CombineRun run = CombineChosenLists(m_dir.path(), {true, true, true});
    EXPECT_FALSE(run.failed);
    EXPECT_TRUE(run.combined.empty());
    EXPECT_EQ(bytesOf("INTERRUP.LST"), "the list as it was");
    EXPECT_EQ(bytesOf("INTERRUP.B"), SectionB);
    EXPECT_FALSE(fs::exists(m_dir.path() / "PORTS.LST"));
}

TEST_F(SectionCombinerTest, SectionNamesRunFromAToZ)
{
    EXPECT_EQ(SectionName("PORTS", 'A'), "PORTS.A");
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        m_dir.write(SectionName("PORTS", letter), std::string(1, letter));
    m_dir.write("PORTS.[", "not a letter");
    const SectionsCombined result = CombineSections(m_dir.path(), PortsSections, false);
    EXPECT_EQ(result.sectionCount, 26u);
    EXPECT_EQ(bytesOf("PORTS.LST"), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(FindSectionedList("interrup"), &SectionedLists[1]);
    EXPECT_EQ(FindSectionedList("MEMORY"), nullptr);
}

// Every failure: the old target and every section exactly as they were,
// nothing deleted, no temporary file, and the message names the file.
TEST_F(SectionCombinerTest, NoFailureLosesAByte)
{
    using Step = FailingFileSystem::Step;
    struct Case {
        Step step;
        std::string section;
        FileError::Step expected;
        std::string failedFile;
        std::string message;
    };
    const std::vector<Case> cases{
        {Step::Read, "INTERRUP.B", FileError::Step::Read, "INTERRUP.B", "Cannot open file "},
        {Step::OpenRead, "INTERRUP.C", FileError::Step::Open, "INTERRUP.C", "Cannot open file "},
        {Step::Write, "INTERRUP.B", FileError::Step::Write, "INTERRUP.LST", "Cannot create file "},
        {Step::Rename, "", FileError::Step::Rename, "INTERRUP.LST", "Cannot create file "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failedFile + " " + c.section);
        const TempDir dir;
        dir.write("INTERRUP.LST", "the old list");
        dir.write("INTERRUP.A", SectionA);
        dir.write("INTERRUP.B", SectionB);
        dir.write("INTERRUP.C", SectionC);
        const FailingFileSystem files(c.step, c.section);
        const SectionsCombined result =
            CombineSections(dir.path(), InterrupSections, true, {}, files);

        ASSERT_TRUE(result.error);
        EXPECT_EQ(result.error->step, c.expected);
        EXPECT_TRUE(result.error->code);
        EXPECT_EQ(FileErrorMessage(*result.error),
                  c.message + (dir.path() / c.failedFile).string());
        EXPECT_EQ(ReadBytes(dir.path() / "INTERRUP.LST"), "the old list");
        EXPECT_EQ(ReadBytes(dir.path() / "INTERRUP.A"), SectionA);
        EXPECT_EQ(ReadBytes(dir.path() / "INTERRUP.B"), SectionB);
        EXPECT_EQ(ReadBytes(dir.path() / "INTERRUP.C"), SectionC);
        EXPECT_EQ(FileNames(dir.path()).size(), 4u);
    }
}

TEST_F(SectionCombinerTest, AFailureEndsTheRunBeforeTheNextList)
{
    m_dir.write("PORTS.A", "ports");
    writeThreeSections();
    const FailingFileSystem files(FailingFileSystem::Step::Read, "PORTS.A");
    const CombineRun run = CombineChosenLists(m_dir.path(), {true, true, true}, {}, files);

    ASSERT_TRUE(run.failed);
    EXPECT_EQ(run.failed->target.filename(), "PORTS.LST");
    EXPECT_TRUE(run.combined.empty());
    EXPECT_EQ(files.opened, std::vector<std::string>{"PORTS.A"}) << "INTERRUP is not processed";
    EXPECT_EQ(FileNames(m_dir.path()),
              (std::set<std::string>{"INTERRUP.A", "INTERRUP.B", "INTERRUP.C", "PORTS.A"}));
}

#ifndef _WIN32
// On a case-sensitive file system a distribution may be unpacked in lower case;
// of two names that differ only in case the upper-case one is taken.
TEST_F(SectionCombinerTest, FindsSectionsAndTargetInAnyLetterCase)
{
    struct Case {
        std::vector<std::string> files; // each holds its own name
        std::string target;
        std::string joined;
    };
    const std::vector<Case> cases{
        {{"ports.a", "ports.b", "ports.lst"}, "ports.lst", "ports.aports.b"},
        {{"Ports.A", "PORTS.B"}, "PORTS.LST", "Ports.APORTS.B"},
        {{"ports.a", "PORTS.A", "ports.lst", "PORTS.LST"}, "PORTS.LST", "PORTS.A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target + " from " + c.files.front());
        const TempDir dir;
        for (const std::string& file : c.files)
            dir.write(file, file);
        const SectionsCombined result = CombineSections(dir.path(), PortsSections, false);

        ASSERT_FALSE(result.error);
        EXPECT_EQ(result.target, dir.path() / c.target);
        EXPECT_EQ(ReadBytes(result.target), c.joined);
        std::set<std::string> expected(c.files.begin(), c.files.end());
        expected.insert(c.target);
        EXPECT_EQ(FileNames(dir.path()), expected) << "no second target beside the first";
    }
}
#endif

TEST(CombineChoice, ClosesTheOpenListOnlyWhenItIsATargetOfTheChoice)
{
    const CombineChoice both{true, true, false};
    const CombineChoice portsOnly{true, false, false};
    const CombineChoice interrupOnly{false, true, false};
    EXPECT_TRUE(ChoiceRewritesOpenList(both, ListKind::Interrup));
    EXPECT_TRUE(ChoiceRewritesOpenList(both, ListKind::Ports));
    EXPECT_FALSE(ChoiceRewritesOpenList(portsOnly, ListKind::Interrup));
    EXPECT_TRUE(ChoiceRewritesOpenList(portsOnly, ListKind::Ports));
    EXPECT_FALSE(ChoiceRewritesOpenList(interrupOnly, ListKind::Ports));
    EXPECT_FALSE(ChoiceRewritesOpenList(both, ListKind::Memory));
    EXPECT_FALSE(ChoiceRewritesOpenList(both, ListKind::Other));
    EXPECT_FALSE(ChoiceRewritesOpenList(both, ListKind::None));
}

} // namespace
} // namespace zelt::test
