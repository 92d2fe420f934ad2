#include "output/saved_file_name.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

TEST(SavedFileName, TheDialogProposesTheIdentifierOrTheTopicNumber)
{
    EXPECT_EQ(PresetTopicFileName("2109", 17), "2109.txt");
    EXPECT_EQ(PresetTopicFileName("", 4), "Topic5.txt");
    EXPECT_EQ(PresetTopicFileName("", 0), "Topic1.txt");
    EXPECT_EQ(PresetTopicFileName("", 65535), "Topic65536.txt");
    EXPECT_EQ(PresetTopicFileName("M0040\xB3", 3), "M0040\xB3.txt") << "bytes stay as they are";
}

TEST(SavedFileName, OnlyTheExtensionTxtInAnyCaseMeansPlainText)
{
    for (const char* name : {"2109.txt", "2109.TXT", "notes.Txt", "/home/u/a.b.txt", ".txt",
                             "C:\\Topics\\INT21.TXT", "dir.rtf/topic.txt"})
        EXPECT_EQ(SaveFormatOf(name), SaveFormat::PlainText) << name;
    for (const char* name : {"2109.rtf", "2109", "2109.", "2109.txt.rtf", "2109.text", "2109.tx",
                             "dir.txt/topic", "C:\\dir.txt\\topic", "2109.txt ", ""})
        EXPECT_EQ(SaveFormatOf(name), SaveFormat::RichText) << name;
}

} // namespace
} // namespace zelt::test
