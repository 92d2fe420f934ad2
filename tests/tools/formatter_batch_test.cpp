#include "support/temp_dir.h"
#include "tools/current_folder.h"
#include "tools/formatter_batch.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

FormatterRun RunWith(std::initializer_list<std::size_t> checked, std::string parameter,
                     bool keepPrompt)
{
    FormatterRun run;
    for (const std::size_t index : checked)
        run.options.at(index) = true;
    run.parameter = std::move(parameter);
    run.keepPrompt = keepPrompt;
    return run;
}

TEST(FormatterBatch, SwitchesAndKeypressLines)
{
    EXPECT_EQ(FormatterBatchBytes(RunWith({0, 7}, "INTERRUP.LST", true)),
              "@ECHO OFF\r\n"
              "INTPRINT  -k -p INTERRUP.LST\r\n"
              "ECHO -\r\n"
              "PAUSE\r\n"
              "DEL ZELTViewer_Run_Intprint.bat\r\n");
}

TEST(FormatterBatch, NoSwitchAndNoKeypressGiveThreeLines)
{
    EXPECT_EQ(FormatterBatchBytes(RunWith({}, "BIBLIO.LST", false)),
              "@ECHO OFF\r\n"
              "INTPRINT  BIBLIO.LST\r\n"
              "DEL ZELTViewer_Run_Intprint.bat\r\n");
}

TEST(FormatterBatch, SwitchesKeepListOrderAndAnEmptyParameterLeavesTheBlank)
{
    EXPECT_EQ(FormatterBatchBytes(RunWith({10, 2, 3}, "", false)),
              "@ECHO OFF\r\n"
              "INTPRINT  -b -B -V \r\n"
              "DEL ZELTViewer_Run_Intprint.bat\r\n");
    EXPECT_EQ(FormatterBatchBytes(RunWith({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, " x  ", false)),
              "@ECHO OFF\r\n"
              "INTPRINT  -k -x -b -B -d -e -H -p -I -m -V  x  \r\n"
              "DEL ZELTViewer_Run_Intprint.bat\r\n")
        << "the parameter is neither trimmed nor quoted";
}

TEST(FormatterBatch, TheParameterCannotAddLines)
{
    EXPECT_EQ(FormatterBatchBytes(RunWith({}, "A.LST\r\nDEL *.*\x1A", false)),
              "@ECHO OFF\r\n"
              "INTPRINT  A.LST  DEL *.* \r\n"
              "DEL ZELTViewer_Run_Intprint.bat\r\n");
}

TEST(FormatterBatch, OptionsInTheirOrderEachWithItsSwitch)
{
    const auto texts = FormatterOptionTexts();
    EXPECT_EQ(texts.front(), "Keep original divider lines (-k)");
    EXPECT_EQ(texts[4], "Print even/odd pages with different indents (-d)");
    EXPECT_EQ(texts.back(), "Make INTERVUE summary (-V)");
    std::string switches;
    for (const std::string_view text : texts)
        switches += FormatterSwitchOf(text);
    EXPECT_EQ(switches, "-k-x-b-B-d-e-H-p-I-m-V");
    EXPECT_EQ(FormatterSwitchOf("ab"), "");
}

TEST(FormatterBatch, ParameterIsTheListNameUpperCased)
{
    EXPECT_EQ(FormatterParameterFor("c:\\lists\\interrup.lst"), "INTERRUP.LST");
    EXPECT_EQ(FormatterParameterFor("/home/me/lists/Ports.lst"), "PORTS.LST");
    EXPECT_EQ(FormatterParameterFor("biblio.lst"), "BIBLIO.LST");
    EXPECT_EQ(FormatterParameterFor(""), "");
}

TEST(FormatterBatch, WrittenWholeOverAnOldOne)
{
    const TempDir dir;
    dir.write("ZELTViewer_Run_Intprint.bat", "left behind by an interrupted run, and longer");
    const FormatterRun run = RunWith({0}, "INTERRUP.LST", false);
    EXPECT_FALSE(WriteFormatterBatch(dir.path(), run));
    EXPECT_EQ(ReadBytes(dir.path() / "ZELTViewer_Run_Intprint.bat"), FormatterBatchBytes(run));

    const auto error = WriteFormatterBatch(dir.path() / "gone", run);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->step, FileError::Step::Create);
    EXPECT_EQ(error->path, dir.path() / "gone" / "ZELTViewer_Run_Intprint.bat");
}

TEST(FormatterBatch, FormatterPresentOnlyAsAFileOfAnyCaseInANamedFolder)
{
    const TempDir dir;
    EXPECT_FALSE(FormatterPresent(dir.path().string()));
    fs::create_directory(dir.path() / "INTPRINT.COM");
    EXPECT_FALSE(FormatterPresent(dir.path().string())) << "a folder of that name";
    fs::remove(dir.path() / "INTPRINT.COM");
    dir.write("intprint.com", "\xB4\x4C\xCD\x21");
    EXPECT_TRUE(FormatterPresent(dir.path().string())) << "in any letter case";
    EXPECT_FALSE(FormatterPresent(""));
}

TEST(CurrentFolder, MadeCurrentOrTheSystemsError)
{
    const fs::path previous = fs::current_path();
    const TempDir dir;
    EXPECT_FALSE(MakeFolderCurrent(dir.path().string()));
    EXPECT_EQ(fs::current_path(), fs::canonical(dir.path()));
    EXPECT_EQ(MakeFolderCurrent(""), std::errc::no_such_file_or_directory);
    EXPECT_EQ(MakeFolderCurrent((dir.path() / "gone").string()),
              std::errc::no_such_file_or_directory);
    EXPECT_EQ(fs::current_path(), fs::canonical(dir.path())) << "a failure changes nothing";
    fs::current_path(previous);
}

} // namespace
} // namespace zelt::test
