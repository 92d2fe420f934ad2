#include "cli_helpers.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "support/exclusive_open.h"
#endif

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

class CombineCommandTest : public ::testing::Test {
protected:
    void copySampleSections() const
    {
        for (const char* name : {"INTERRUP.A", "INTERRUP.B", "INTERRUP.C", "PORTS.A"})
            fs::copy_file(fs::path(ZELT_SAMPLES_DIR) / "sections" / name, m_dir.path() / name);
    }
    std::string folder() const { return m_dir.path().string(); }
    std::string bytesOf(std::string_view name) const { return ReadBytes(m_dir.path() / name); }
    static std::string sample(std::string_view name)
    {
        return ReadBytes(fs::path(ZELT_SAMPLES_DIR) / name);
    }

    static std::string SizeOf(std::string_view sampleName)
    {
        return std::to_string(sample(sampleName).size());
    }

    TempDir m_dir;
};

TEST_F(CombineCommandTest, CombinesBothListsPortsFirstAndSaysWhatItWrote)
{
    copySampleSections();
    const auto run = RunCli({"combine", folder()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, m_dir.file("PORTS.LST") + ": 1 section, " + SizeOf("PORTS.LST") +
                           " bytes\n" + m_dir.file("INTERRUP.LST") + ": 3 sections, " +
                           SizeOf("INTERRUP.LST") + " bytes\n");
    EXPECT_EQ(bytesOf("INTERRUP.LST"), sample("INTERRUP.LST"));
    EXPECT_EQ(bytesOf("PORTS.LST"), sample("PORTS.LST"));
    EXPECT_TRUE(fs::exists(m_dir.path() / "INTERRUP.A"));
}

TEST_F(CombineCommandTest, NamedListsInAnyCaseAndTheDeleteOption)
{
    copySampleSections();
    const auto run = RunCli({"combine", "--delete", folder(), "interrup"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              m_dir.file("INTERRUP.LST") + ": 3 sections, " + SizeOf("INTERRUP.LST") + " bytes\n");
    EXPECT_FALSE(fs::exists(m_dir.path() / "INTERRUP.A"));
    EXPECT_FALSE(fs::exists(m_dir.path() / "INTERRUP.C"));
    EXPECT_TRUE(fs::exists(m_dir.path() / "PORTS.A"));
    EXPECT_FALSE(fs::exists(m_dir.path() / "PORTS.LST"));
}

TEST_F(CombineCommandTest, ListsWithoutSectionsAreLeftAlone)
{
    m_dir.write("PORTS.A", "ports");
    m_dir.write("INTERRUP.LST", "kept");
    const auto run = RunCli({"combine", folder()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, m_dir.file("PORTS.LST") + ": 1 section, 5 bytes\n");
    EXPECT_EQ(bytesOf("INTERRUP.LST"), "kept");

    const auto named = RunCli({"combine", folder(), "PORTS", "INTERRUP"});
    EXPECT_EQ(named.exitCode, 1);
    EXPECT_EQ(named.err, "zelt: no section INTERRUP.A in '" + folder() + "'\n");
    EXPECT_EQ(named.out, "") << "nothing is combined when a named list has no sections";
}

TEST_F(CombineCommandTest, FailuresSayWhichFileAndKeepEverything)
{
    m_dir.write("PORTS.A", "ports");
    m_dir.write("INTERRUP.LST", "the old list");
    m_dir.write("INTERRUP.A", "first");
#ifdef _WIN32
    m_dir.write("INTERRUP.B", "second");
    const ExclusiveOpen otherProgram(m_dir.file("INTERRUP.B"));
#else
    // A write-only kernel setting: a section that nobody may read, root included.
    fs::create_symlink("/proc/sys/vm/drop_caches", m_dir.path() / "INTERRUP.B");
#endif
    const auto reason = std::errc::permission_denied;
    const auto run = RunCli({"combine", "--delete", folder()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, m_dir.file("PORTS.LST") + ": 1 section, 5 bytes\n");
    EXPECT_EQ(run.err, "zelt: Cannot open file " + m_dir.file("INTERRUP.B") + " (" +
                           std::make_error_code(reason).message() + ")\n");
    EXPECT_EQ(bytesOf("INTERRUP.LST"), "the old list");
    EXPECT_EQ(bytesOf("INTERRUP.A"), "first");
}

TEST_F(CombineCommandTest, BadArgumentsAreUsageErrors)
{
    m_dir.write("PORTS.A", "ports");
    EXPECT_EQ(RunCli({"combine"}).exitCode, 2);
    EXPECT_EQ(RunCli({"combine", "--all", folder()}).exitCode, 2);
    const auto unknown = RunCli({"combine", folder(), "MEMORY"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, "zelt: unknown list 'MEMORY' (PORTS or INTERRUP)\n");
    const auto missing = RunCli({"combine", m_dir.file("gone")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "zelt: no folder '" + m_dir.file("gone") + "'\n");
    const TempDir empty;
    const auto none = RunCli({"combine", empty.path().string()});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.err,
              "zelt: no sections in '" + empty.path().string() + "' (PORTS.A or INTERRUP.A)\n");
}

} // namespace
} // namespace zelt::test
