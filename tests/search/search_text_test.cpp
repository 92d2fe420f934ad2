#include "search/search_text.h"
#include "search/topic_line_search.h"

#include <gtest/gtest.h>

namespace zelt::test {
namespace {

bool LineMatches(std::string_view identifier, std::string_view title, std::string_view text,
                 SearchOptions options)
{
    const SearchPattern pattern(text, options);
    return TopicLineMatcher(pattern).matches(identifier, title);
}

constexpr SearchOptions IgnoreCase{false, false};
constexpr SearchOptions MatchCase{true, false};
constexpr SearchOptions WholeWords{false, true};

TEST(SearchText, WordCharactersAreAsciiLettersDigitsAndCodesFrom192)
{
    for (int code = 0; code < 256; ++code) {
        const bool expected = (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') ||
                              (code >= 'a' && code <= 'z') || code >= 192;
        EXPECT_EQ(IsWordByte(static_cast<unsigned char>(code)), expected) << code;
    }
}

TEST(SearchText, ATopicLineIsIdentifierBlankTitle)
{
    EXPECT_TRUE(LineMatches("2109", "WRITE STRING", "2109 WRITE", IgnoreCase));
    EXPECT_TRUE(LineMatches("2109", "WRITE STRING", "9 w", IgnoreCase));
    EXPECT_FALSE(LineMatches("2109", "WRITE STRING", "2109WRITE", IgnoreCase));
    EXPECT_TRUE(LineMatches("", "X", " X", IgnoreCase));
    EXPECT_FALSE(LineMatches("2109", "WRITE", "2109 WRITE STRING", IgnoreCase));
}

TEST(SearchText, CaseFoldsOnlyAsciiLetters)
{
    EXPECT_TRUE(LineMatches("21", "DOS WRITE", "dos", IgnoreCase));
    EXPECT_TRUE(LineMatches("21", "dos write", "DOS", IgnoreCase));
    EXPECT_FALSE(LineMatches("21", "DOS WRITE", "dos", MatchCase));
    EXPECT_TRUE(LineMatches("21", "DOS WRITE", "DOS", MatchCase));
    // Codes 228 (a with diaeresis) and 196 (its capital) are different bytes in any case.
    EXPECT_FALSE(LineMatches("21", "M\xC4RZ", "m\xE4rz", IgnoreCase));
    EXPECT_TRUE(LineMatches("21", "M\xC4RZ", "m\xC4rz", IgnoreCase));
    // Folding leaves bytes above 127 alone: 0xE1 is not 0xC1.
    EXPECT_FALSE(LineMatches("21", "\xC1", "\xE1", IgnoreCase));
    EXPECT_TRUE(LineMatches("21", "{X}", "{x}", IgnoreCase));
    EXPECT_FALSE(LineMatches("21", "[X]", "{x}", IgnoreCase));
}

TEST(SearchText, WholeWordsTestTheCharactersBesideTheFirstOccurrence)
{
    EXPECT_TRUE(LineMatches("2109", "DOS WRITE", "DOS", WholeWords));
    EXPECT_FALSE(LineMatches("2109", "MSDOS WRITE", "DOS", WholeWords));
    // The character after the match counts also when it is the line's last.
    EXPECT_FALSE(LineMatches("2109", "WRITE DOSX", "DOS", WholeWords));
    EXPECT_TRUE(LineMatches("2109", "WRITE DOS", "DOS", WholeWords));
    EXPECT_TRUE(LineMatches("DOS", "", "DOS", WholeWords));
    // Only the first occurrence is examined: the later whole word does not count.
    EXPECT_FALSE(LineMatches("2109", "MSDOS AND DOS", "DOS", WholeWords));
    EXPECT_TRUE(LineMatches("2109", "MSDOS AND DOS", "DOS", IgnoreCase));
    // An end that is no word character is never rejected.
    EXPECT_TRUE(LineMatches("2109", "X(DOS)Y", "(DOS)", WholeWords));
    EXPECT_TRUE(LineMatches("2109", "X-DOS", "-DOS", WholeWords));
    EXPECT_FALSE(LineMatches("2109", "X-DOSY", "-DOS", WholeWords));
    // Codes from 192 are letters, codes 128 to 191 separate words.
    EXPECT_FALSE(LineMatches("2109",
                             "\xC0"
                             "DOS",
                             "DOS", WholeWords));
    EXPECT_FALSE(LineMatches("2109", "DOS\xFF", "DOS", WholeWords));
    EXPECT_TRUE(LineMatches("2109",
                            "\xBF"
                            "DOS\x80",
                            "DOS", WholeWords));
    EXPECT_TRUE(LineMatches("2109",
                            "\xB3"
                            "DOS",
                            "DOS", WholeWords));
    // The blank between identifier and title separates words.
    EXPECT_TRUE(LineMatches("21", "DOS", "21", WholeWords));
    EXPECT_FALSE(LineMatches("2109", "DOS", "21", WholeWords));
    // Folding and the word rule together: a lower-case neighbour is a letter too.
    EXPECT_FALSE(LineMatches("21", "xdos", "DOS", {false, true}));
    EXPECT_FALSE(LineMatches("21", "xDOS", "DOS", {true, true}));
}

TEST(SearchText, AnEmptyTextMatchesNothing)
{
    EXPECT_FALSE(FindTopicLineInAll(TopicTable(), SearchPattern("", IgnoreCase), 0));
    EXPECT_FALSE(FindForward("abc", SearchPattern("", IgnoreCase), 0));
}

TEST(SearchText, TheShownTopicIsSearchedForwardFromAPosition)
{
    const SearchPattern aa("aa", MatchCase);
    EXPECT_EQ(FindForward("aaaa", aa, 0), 0u);
    // Occurrences may start inside the previous one.
    EXPECT_EQ(FindForward("aaaa", aa, 1), 1u);
    EXPECT_EQ(FindForward("aaaa", aa, 2), 2u);
    EXPECT_FALSE(FindForward("aaaa", aa, 3));
    EXPECT_FALSE(FindForward("aaaa", aa, 99));

    // Unlike a topic line, the text search goes past occurrences that fail the word rule.
    const SearchPattern dos("dos", WholeWords);
    const std::string text = Haystack("MSDOS, then DOS.", dos);
    EXPECT_EQ(text, "MSDOS, THEN DOS.");
    EXPECT_EQ(FindForward(text, dos, 0), 12u);
    EXPECT_FALSE(FindForward(text, dos, 13));
    // A line end separates words.
    EXPECT_EQ(FindForward(Haystack("x\nDOS\ny", dos), dos, 0), 2u);
}

} // namespace
} // namespace zelt::test
