#include "support/temp_dir.h"
#include "ui/standard_error_messages.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <cstdio>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

TEST(StandardErrorMessages, WritesEveryBoxAsALineAndNeverWaits)
{
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    StandardErrorMessages messages(stream);
    EXPECT_FALSE(messages.reported());
    messages.warn(QStringLiteral("Unable to load list !"));
    messages.inform(QStringLiteral("Unable to find \"\u00DC.LST\" !"));
    messages.error(QStringLiteral("Failed to set data for 'AskExit'"));
    EXPECT_FALSE(messages.confirm(QStringLiteral("Exit ZELT Viewer ?")));
    EXPECT_FALSE(messages.chooseFileToOpen({}));
    EXPECT_TRUE(messages.reported());

    std::rewind(stream);
    std::string written(4096, '\0');
    written.resize(std::fread(written.data(), 1, written.size(), stream));
    std::fclose(stream);
    EXPECT_EQ(written, "zeltview: Unable to load list !\n"
                       "zeltview: Unable to find \"\xC3\x9C.LST\" !\n"
                       "zeltview: Failed to set data for 'AskExit'\n"
                       "zeltview: Exit ZELT Viewer ?\n");
}

struct Finished {
    bool inTime = false;
    int exitCode = -1;
    // The program's own lines; the offscreen platform adds warnings of its own.
    std::string standardError;
};

std::string ProgramLines(const QByteArray& written)
{
    std::string lines;
    for (const QByteArray& line : written.split('\n')) {
        if (line.startsWith("zeltview: "))
            lines += line.toStdString() + "\n";
    }
    return lines;
}

// The real program with QUIT, in a folder of its own and with a settings file
// of its own. A run that does not end in time is killed and fails the test.
class QuitRunTest : public ::testing::Test {
protected:
    QuitRunTest()
    {
        fs::create_directories(m_dir.path() / "config");
        // Without a runtime folder Qt itself would warn on standard error.
        fs::create_directories(m_dir.path() / "runtime");
        fs::permissions(m_dir.path() / "runtime", fs::perms::owner_all);
    }

    Finished run(const QStringList& arguments)
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           QString::fromStdString((m_dir.path() / "config").string()));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                           QString::fromStdString((m_dir.path() / "runtime").string()));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(QString::fromStdString(m_dir.path().string()));
        program.start(QStringLiteral(ZELT_VIEWER_PROGRAM), arguments);
        Finished finished;
        // Far more than a start-up takes, even under the sanitizers.
        finished.inTime = program.waitForFinished(30000);
        if (!finished.inTime) {
            program.kill();
            program.waitForFinished();
        }
        finished.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
        finished.standardError = ProgramLines(program.readAllStandardError());
        return finished;
    }

    QString path(std::string_view name) const { return QString::fromStdString(m_dir.file(name)); }

    static std::string SmallList()
    {
        return DosLines({"Information", Divider('D', "21"), "INT 21 - DOS", "text"});
    }

    TempDir m_dir;
};

TEST_F(QuitRunTest, OpenedListEndsWithStatusZeroAndItsIndexWritten)
{
    m_dir.write("SMALL.LST", SmallList());
    const Finished finished = run({path("SMALL.LST"), QStringLiteral("-QUIT")});
    ASSERT_TRUE(finished.inTime);
    EXPECT_EQ(finished.exitCode, 0);
    EXPECT_EQ(finished.standardError, "");
    EXPECT_TRUE(fs::exists(m_dir.path() / "SMALL.zeltv"));
    // QUIT never saves the settings.
    EXPECT_FALSE(fs::exists(m_dir.path() / "config" / "Vantrel" / "ZELT Viewer.reg"));
}

TEST_F(QuitRunTest, IndexPathThatIsAFolderIsReportedAndTheRunEnds)
{
    m_dir.write("SMALL.LST", SmallList());
    fs::create_directory(m_dir.path() / "SMALL.zeltv");
    const Finished finished = run({path("SMALL.LST"), QStringLiteral("-quit")});
    ASSERT_TRUE(finished.inTime);
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_EQ(finished.standardError, "zeltview: Unable to create indexfile !\n");
}

TEST_F(QuitRunTest, ListOfTwoAndAHalfGigabytesIsRefusedAtOnce)
{
    const std::string huge = m_dir.write("HUGE.LST", "");
    std::error_code error;
    fs::resize_file(huge, 2'500'000'000, error); // sparse: takes no disk space
    if (error)
        GTEST_SKIP() << "no sparse files here";
    const Finished finished = run({QStringLiteral("/QUIT"), path("HUGE.LST")});
    ASSERT_TRUE(finished.inTime);
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_EQ(finished.standardError, "zeltview: Unable to load list !\n");
    EXPECT_FALSE(fs::exists(m_dir.path() / "HUGE.zeltv"));
}

#ifndef _WIN32
TEST_F(QuitRunTest, FifoIsRefusedWithoutBeingRead)
{
    const fs::path fifo = m_dir.path() / "PIPE.LST";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const Finished finished = run({path("PIPE.LST"), QStringLiteral("-QUIT")});
    ASSERT_TRUE(finished.inTime);
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_EQ(finished.standardError, "zeltview: Unable to load list !\n");
}
#endif

TEST_F(QuitRunTest, UnknownSwitchIsReportedAndStartUpGoesOn)
{
    m_dir.write("SMALL.LST", SmallList());
    const Finished finished =
        run({path("SMALL.LST"), QStringLiteral("-QUIT"), QStringLiteral("-QUITX")});
    ASSERT_TRUE(finished.inTime);
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_EQ(finished.standardError, "zeltview: Unknown commandline parameter(s) !\n");
    EXPECT_TRUE(fs::exists(m_dir.path() / "SMALL.zeltv"));
}

TEST_F(QuitRunTest, QuitAfterAnUnknownSwitchStillEndsTheRun)
{
    m_dir.write("SMALL.LST", SmallList());
    const Finished finished =
        run({QStringLiteral("-QUITX"), path("SMALL.LST"), QStringLiteral("-QUIT")});
    ASSERT_TRUE(finished.inTime);
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_EQ(finished.standardError, "zeltview: Unknown commandline parameter(s) !\n");
    // The list after the unknown switch was not examined.
    EXPECT_FALSE(fs::exists(m_dir.path() / "SMALL.zeltv"));
}

TEST_F(QuitRunTest, NamedListThatIsMissingIsReported)
{
    const Finished finished = run({path("GONE.LST"), QStringLiteral("-QUIT")});
    ASSERT_TRUE(finished.inTime);
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_EQ(finished.standardError, "zeltview: Unable to find \"GONE.LST\" !\n");
}

} // namespace
} // namespace zelt::test
