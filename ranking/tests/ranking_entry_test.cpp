// SPDX-License-Identifier: MIT
#include <ranking/ranking_entry.h>
#include <ranking/text.h>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace ranking;

TEST(RankingEntry, JoinsCountBlankLanguage)
{
    EXPECT_EQ(JoinEntry("100", "руски"), "100 руски");
}

TEST(RankingEntry, SplitsByCharacterPositionNotBytes)
{
    EXPECT_EQ(SplitEntry("900 италиански"), (RankingEntry{"900", "италиански"}));
    EXPECT_EQ(SplitEntry("300 немски"), (RankingEntry{"300", "немски"}));
}

TEST(RankingEntry, SplitTakesCountWidthWithoutSearchingForBlank)
{
    // The count is always three characters wide; a blank elsewhere does not matter.
    EXPECT_EQ(SplitEntry("12 4567"), (RankingEntry{"12 ", "567"}));
    EXPECT_EQ(SplitEntry("100 нов език"), (RankingEntry{"100", "нов език"}));
}

TEST(RankingEntry, SplitUndoesJoinForEveryPair)
{
    for (const char *count : {"100", "500", "900"}) {
        for (const char *language : {"английски", "китайски", "френски", "x"}) {
            const RankingEntry parts{count, language};
            EXPECT_EQ(SplitEntry(JoinEntry(count, language)), parts);
        }
    }
}

TEST(RankingEntry, TooShortTextIsRejected)
{
    EXPECT_THROW((void)SplitEntry(""), std::invalid_argument);
    EXPECT_THROW((void)SplitEntry("100 "), std::invalid_argument);
    EXPECT_THROW((void)SplitEntry("руск"), std::invalid_argument);
}

TEST(Text, CountsCodePoints)
{
    EXPECT_EQ(CharLength(""), 0);
    EXPECT_EQ(CharLength("abc"), 3);
    EXPECT_EQ(CharLength("немски"), 6);
    EXPECT_EQ(CharLength("€😀"), 2);
}

TEST(Text, LeftAndRightCutWholeCharacters)
{
    EXPECT_EQ(LeftChars("немски", 2), "не");
    EXPECT_EQ(RightChars("немски", 3), "ски");
    EXPECT_EQ(LeftChars("a😀b", 2), "a😀");
    EXPECT_EQ(RightChars("a😀b", 2), "😀b");
    EXPECT_EQ(LeftChars("ab", 5), "ab");
    EXPECT_EQ(RightChars("ab", 5), "ab");
    EXPECT_EQ(LeftChars("ab", 0), "");
    EXPECT_EQ(LeftChars("ab", -1), "");
    EXPECT_EQ(RightChars("ab", -1), "");
}

TEST(Text, MalformedUtf8IsCountedNotOverrun)
{
    const std::string stray = "\x80\x80z";
    EXPECT_EQ(CharLength(stray), 1);
    EXPECT_EQ(RightChars(stray, 1), "z");
    EXPECT_EQ(LeftChars("\xD0", 1), "\xD0");
}
