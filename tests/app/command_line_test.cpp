#include "app/command_line.h"

#include <gtest/gtest.h>
#include <vector>

namespace zelt {
namespace {

CommandLineResult Evaluate(std::vector<std::string> params)
{
    return EvaluateCommandLine(params);
}

TEST(CommandLine, SwitchesIgnoreCaseAndTakeEitherPrefix)
{
    const auto lower = Evaluate({"/indexnouse"});
    const auto upper = Evaluate({"-INDEXNOUSE"});
    EXPECT_EQ(lower.dontUseIndexFile, false);
    EXPECT_EQ(lower.loadTopicsDirect, true);
    EXPECT_EQ(lower.dontUseIndexFile, upper.dontUseIndexFile);
    EXPECT_EQ(lower.loadTopicsDirect, upper.loadTopicsDirect);
    EXPECT_FALSE(lower.unknownParameter);

    const auto noIndex = Evaluate({"-NoIndex"});
    EXPECT_EQ(noIndex.loadTopicsDirect, true);
    const auto noUpdate = Evaluate({"/IndexNoUpdate"});
    EXPECT_EQ(noUpdate.dontUseIndexFile, true);
    EXPECT_EQ(noUpdate.loadTopicsDirect, false);
    EXPECT_TRUE(Evaluate({"-noregistry"}).noSaveSettings);
    EXPECT_TRUE(Evaluate({"/ConfigNoSave"}).noSaveSettings);
    EXPECT_TRUE(Evaluate({"-quit"}).quit);
}

TEST(CommandLine, LaterIndexSwitchWins)
{
    const auto result = Evaluate({"-INDEXNOUSE", "-INDEXUSE"});
    EXPECT_EQ(result.dontUseIndexFile, false);
    EXPECT_EQ(result.loadTopicsDirect, false);
}

TEST(CommandLine, NothingGivenLeavesEverythingUnset)
{
    const auto result = Evaluate({});
    EXPECT_TRUE(result.commandLineList.empty());
    EXPECT_FALSE(result.dontUseIndexFile.has_value());
    EXPECT_FALSE(result.loadTopicsDirect.has_value());
    EXPECT_FALSE(result.noSaveSettings || result.clearStoredSettings || result.quit ||
                 result.unknownParameter);
}

TEST(CommandLine, UnknownSwitchStopsButKeepsEarlierEffects)
{
    const auto result =
        Evaluate({"INTERRUP.LST", "-CONFIGCLEAR", "-QUITX", "PORTS.LST", "-NOINDEX", "/quit"});
    EXPECT_TRUE(result.unknownParameter);
    EXPECT_EQ(result.commandLineList, "INTERRUP.LST");
    EXPECT_TRUE(result.clearStoredSettings);
    EXPECT_FALSE(result.loadTopicsDirect);
    // Only QUIT still counts after the unknown switch: the run must end.
    EXPECT_TRUE(result.quit);
    EXPECT_FALSE(Evaluate({"-QUITX", "QUIT", "/home/QUIT"}).quit);

    EXPECT_TRUE(Evaluate({"-"}).unknownParameter);
    EXPECT_TRUE(Evaluate({"/"}).unknownParameter);
    EXPECT_TRUE(Evaluate({"-INDEXUSE2"}).unknownParameter);
    EXPECT_TRUE(Evaluate({"--INDEXUSE"}).unknownParameter);
}

TEST(CommandLine, LastListNameIsKeptAsTyped)
{
    const auto result = Evaluate({"interrup.lst", "samples/Ports.lst"});
    EXPECT_EQ(result.commandLineList, "samples/Ports.lst");
    EXPECT_FALSE(result.unknownParameter);
}

#ifndef _WIN32
TEST(CommandLine, AbsolutePathsAreListNamesNotSwitches)
{
    const auto result = Evaluate({"/home/u/lists/INTERRUP.LST", "/quit"});
    EXPECT_FALSE(result.unknownParameter);
    EXPECT_EQ(result.commandLineList, "/home/u/lists/INTERRUP.LST");
    EXPECT_TRUE(result.quit);
    EXPECT_TRUE(Evaluate({"/QUITX", "/home/u/PORTS.LST"}).unknownParameter);
}
#endif

TEST(CommandLine, ClearTogetherWithIndexSwitch)
{
    const auto result = Evaluate({"-INDEXUSE", "/configclear"});
    EXPECT_TRUE(result.clearStoredSettings);
    EXPECT_EQ(result.dontUseIndexFile, false);
    EXPECT_EQ(result.loadTopicsDirect, false);
}

TEST(CommandLine, EmptyParameterIsIgnored)
{
    const auto result = Evaluate({"PORTS.LST", "", "-QUIT"});
    EXPECT_FALSE(result.unknownParameter);
    EXPECT_EQ(result.commandLineList, "PORTS.LST");
    EXPECT_TRUE(result.quit);
}

} // namespace
} // namespace zelt
