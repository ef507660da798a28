#include "text/GlobalGameText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

// Widths at spacing 0, scale 1: " one" 67, " two" 70, " six" 49.
constexpr std::string_view kThreeWords = "one two six";

TEST(MeasureText, SumsTheRoundedAdvancesOfEveryCharacter) {
  EXPECT_EQ(MeasureText(fkAirstripNormal, "Hi", 0, 1.0f), 31);
  EXPECT_EQ(MeasureText(fkAirstripNormal, "Hi", -1, 1.0f), 29);
  EXPECT_EQ(MeasureText(fkAirstripNormal, "Hi", 0, 0.5f), 16) << "12 + 4: each character rounds on its own";
  EXPECT_EQ(MeasureText(fkAirstripNormal, "", 0, 1.0f), 0);
  EXPECT_EQ(MeasureText(fkAirstripNormal, "~", 0, 0.5f), 10);
}

TEST(MeasureText, CommentFontMeasuresFoldedCapitals) {
  EXPECT_EQ(MeasureText(fkAirstripComment, "\xE9", 0, 1.0f), 27);  // é as É
  EXPECT_EQ(MeasureText(fkAirstripComment, "go!", 0, 1.0f), 32 + 33 + 21);
}

TEST(GlobalGameText, TextWidthUsesItsFontKind) {
  TGlobalGameText text;
  EXPECT_EQ(text.TextWidth("Hi", 0, 1.0f), 31);
  text.FontKind = fkAirstripComment;
  EXPECT_EQ(text.TextWidth("Hi", 0, 1.0f), 35 + 22);
}

TEST(WrapText, WordsThatDoNotFitGoToTheNextLine) {
  EXPECT_EQ(WrapText(fkAirstripNormal, kThreeWords, 0, 150, 1.0f), "one two|six");
  EXPECT_EQ(WrapText(fkAirstripNormal, kThreeWords, 0, 1000, 1.0f), "one two six");
  EXPECT_EQ(WrapText(fkAirstripNormal, kThreeWords, 0, 60, 1.0f), "|one|two|six")
      << "each word alone overflows; line 1 stays empty";
}

TEST(WrapText, ALineExactlyAsWideAsTheLimitFits) {
  // " one two" is 137 wide, counting the space in front of "one".
  EXPECT_EQ(WrapLine(fkAirstripNormal, kThreeWords, 0, 1, 137, 1.0f), "one two");
  EXPECT_EQ(WrapLine(fkAirstripNormal, kThreeWords, 0, 1, 136, 1.0f), "one");
  EXPECT_EQ(WrapLine(fkAirstripNormal, kThreeWords, 0, 2, 136, 1.0f), "two six");
}

TEST(WrapText, AFirstWordWiderThanTheLimitLeavesLineOneEmpty) {
  EXPECT_EQ(WrapLine(fkAirstripNormal, "one", 0, 1, 66, 1.0f), "");
  EXPECT_EQ(WrapLine(fkAirstripNormal, "one", 0, 2, 66, 1.0f), "one");
  EXPECT_EQ(WrapLine(fkAirstripNormal, "one", 0, 1, 67, 1.0f), "one");
}

TEST(WrapText, SpacingAndScaleChangeWhereLinesBreak) {
  // At spacing -1 every character is one narrower: " one two" is 129.
  EXPECT_EQ(WrapLine(fkAirstripNormal, kThreeWords, -1, 1, 130, 1.0f), "one two");
  EXPECT_EQ(WrapLine(fkAirstripNormal, kThreeWords, 0, 1, 130, 1.0f), "one");
  EXPECT_EQ(WrapText(fkAirstripNormal, kThreeWords, 0, 100, 0.5f), "one two six");
}

TEST(WrapText, RunsOfSpacesCountAsOne) {
  EXPECT_EQ(WrapText(fkAirstripNormal, "  one   two  six ", 0, 150, 1.0f), "one two|six");
}

TEST(WrapText, ABarInTheTextIsJustACharacter) {
  EXPECT_EQ(WrapText(fkAirstripNormal, "a|b c", 0, 1000, 1.0f), "a|b c");
}

TEST(WrapLine, AnIndexPastTheLastLineIsEmpty) {
  EXPECT_EQ(WrapLine(fkAirstripNormal, kThreeWords, 0, 3, 150, 1.0f), "");
  EXPECT_EQ(WrapLine(fkAirstripNormal, kThreeWords, 0, 0, 150, 1.0f), "");
  EXPECT_EQ(WrapLine(fkAirstripNormal, kThreeWords, 0, 21, 150, 1.0f), "");
}

TEST(WrapText, WordsAreCutToFiftyCharacters) {
  const std::string word(60, 'x');
  EXPECT_EQ(WrapText(fkAirstripNormal, word + " end", 0, 100000, 1.0f), std::string(50, 'x') + " end");
}

TEST(WrapText, KeepsTwentyLinesAndTwoHundredFiftyFiveCharacters) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += "word" + std::to_string(i) + " ";
  // Every word on its own line: only lines 1..20 exist.
  const auto lines = WrapLines(fkAirstripNormal, text, 0, 120, 1.0f);
  EXPECT_EQ(lines[0], "word0");
  EXPECT_EQ(lines[19], "word19");

  std::string many;
  for (int i = 0; i < 100; ++i) many += "abcd ";
  EXPECT_EQ(WrapText(fkAirstripNormal, many, 0, 100000, 1.0f).size(), 255u);
}

TEST(WrapText, TakesAtMostTwoHundredWords) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "a ";
  const auto lines = WrapLines(fkAirstripNormal, text + "b c", 0, 100000, 1.0f);
  EXPECT_EQ(lines[0].size(), 2u * 200 - 1);
  EXPECT_EQ(lines[0].find('b'), std::string::npos);
}

TEST(SplitTextLines, BreaksAtEveryBar) {
  EXPECT_EQ(SplitTextLines("one two|six"), (std::vector<std::string>{"one two", "six"}));
  EXPECT_EQ(SplitTextLines("a||b"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitTextLines("single"), (std::vector<std::string>{"single"}));
}

TEST(TextColor, ChoicesZeroToFourAndWhiteForAnyOther) {
  auto rgb = [](int choice) {
    const TTextColor c = TextColorOf(choice);
    return std::vector<int>{c.Red, c.Green, c.Blue};
  };
  EXPECT_EQ(rgb(0), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(rgb(1), (std::vector<int>{255, 255, 0}));
  EXPECT_EQ(rgb(2), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ(rgb(3), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(rgb(4), (std::vector<int>{80, 40, 10}));
  EXPECT_EQ(rgb(5), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(rgb(-1), (std::vector<int>{255, 255, 255}));
}

class DrawText : public testing::Test {
 protected:
  DrawText() {
    screen.AddPicture("GlobalFontWhite", 28 * 32, 5 * 40, 28, 5);
    text.OmgImgList = &screen.List;
    text.FetchLetterSize();
  }
  TSpriteRecorder screen;
  TGlobalGameText text;
};

TEST_F(DrawText, LetterSizeComesFromTheFontPicture) {
  EXPECT_EQ(text.OrigLetterWidth, 32);
  EXPECT_EQ(text.OrigLetterHeight, 40);
  TGlobalGameText unloaded;
  TOmegaImageList empty;
  unloaded.OmgImgList = &empty;
  unloaded.FetchLetterSize();
  EXPECT_EQ(unloaded.OrigLetterWidth, 19);
  EXPECT_EQ(unloaded.OrigLetterHeight, 24);
}

TEST_F(DrawText, EachCharacterIsOnePatternShiftedByHalfALetter) {
  text.DrawText(100, 50, "Hi", 1.0f, 0, 200, 0, TextColor::Yellow);
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_EQ(sprites[0].Image, "GlobalFontWhite");
  EXPECT_EQ(sprites[0].Pattern, 7);
  EXPECT_FLOAT_EQ(sprites[0].Left, 100 - 16);
  EXPECT_FLOAT_EQ(sprites[0].Top, 50 - 20);
  EXPECT_EQ(sprites[1].Pattern, 34);
  EXPECT_FLOAT_EQ(sprites[1].Left, 100 - 16 + 23);
  for (const TSprite& s : sprites) {
    EXPECT_EQ(s.Red, 255);
    EXPECT_EQ(s.Green, 255);
    EXPECT_EQ(s.Blue, 0);
    EXPECT_EQ(s.Alpha, 200);
    EXPECT_FALSE(s.Additive);
    EXPECT_FLOAT_EQ(s.Width, 32);
  }
}

TEST_F(DrawText, ScaleShrinksLettersAboutTheirTopLeftCorner) {
  text.DrawText(100, 50, "Hi", 0.5f, 0, 255, 0, TextColor::White);
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_FLOAT_EQ(sprites[0].Left, 100 - 8);
  EXPECT_FLOAT_EQ(sprites[0].Top, 50 - 10);
  EXPECT_FLOAT_EQ(sprites[0].Width, 16);
  EXPECT_FLOAT_EQ(sprites[0].Height, 20);
  EXPECT_FLOAT_EQ(sprites[1].Left, 100 - 8 + 12);
}

TEST_F(DrawText, StopsAtTheFirstCharacterPastTheMaximumWidth) {
  text.DrawText(0, 0, "Hi", 1.0f, 0, 255, 30, TextColor::White);
  ASSERT_EQ(screen.Sprites().size(), 1u);
  EXPECT_EQ(screen.Sprites()[0].Pattern, 7);
  screen.Forget();
  text.DrawText(0, 0, "Hi", 1.0f, 0, 255, 31, TextColor::White);
  EXPECT_EQ(screen.Sprites().size(), 2u) << "ending exactly at the limit is inside";
  screen.Forget();
  text.DrawText(0, 0, "iH", 1.0f, 0, 255, 30, TextColor::White);
  EXPECT_EQ(screen.Sprites().size(), 1u);
}

TEST_F(DrawText, ANonPositiveScaleDrawsNothing) {
  text.DrawText(0, 0, "Hi", 0.0f, 0, 255, 0, TextColor::White);
  text.DrawText(0, 0, "Hi", -1.0f, 0, 255, 0, TextColor::White);
  EXPECT_TRUE(screen.Sprites().empty());
}

TEST_F(DrawText, AnUnmappedCharacterDrawsTheAAndAdvancesTwenty) {
  text.DrawText(16, 20, "~H", 1.0f, 0, 255, 0, TextColor::White);
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_EQ(sprites[0].Pattern, 0);
  EXPECT_FLOAT_EQ(sprites[1].Left, 20);
}

TEST_F(DrawText, CommentKindDrawsFoldedCapitalsFromTheSamePicture) {
  text.FontKind = fkAirstripComment;
  text.DrawText(16, 20, "\xE9" "a", 1.0f, 0, 255, 0, TextColor::White);
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_EQ(sprites[0].Image, "GlobalFontWhite");
  EXPECT_EQ(sprites[0].Pattern, 48);
  EXPECT_FLOAT_EQ(sprites[1].Left, 27);
  EXPECT_EQ(sprites[1].Pattern, 0);
}

TEST_F(DrawText, ShadowIsABlackCopyOneRightTwoDownDrawnFirst) {
  text.DrawTextShadow(100, 50, "H", 1.0f, 0, 128, 0, TextColor::Red);
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_FLOAT_EQ(sprites[0].Left, 101 - 16);
  EXPECT_FLOAT_EQ(sprites[0].Top, 52 - 20);
  EXPECT_EQ(sprites[0].Red + sprites[0].Green + sprites[0].Blue, 0);
  EXPECT_EQ(sprites[0].Alpha, 128);
  EXPECT_FLOAT_EQ(sprites[1].Left, 100 - 16);
  EXPECT_EQ(sprites[1].Red, 255);
  EXPECT_EQ(sprites[1].Green, 0);
  EXPECT_EQ(sprites[1].Alpha, 128);
}

TEST_F(DrawText, Latin1LettersDrawTheirOwnGlyphs) {
  text.DrawText(0, 0, "\xC0\xDC\xDF", 1.0f, 0, 255, 0, TextColor::White);  // ÀÜß
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 3u);
  EXPECT_EQ(sprites[0].Pattern, 83);
  EXPECT_EQ(sprites[1].Pattern, 99);
  EXPECT_EQ(sprites[2].Pattern, 119);
}

TEST_F(DrawText, LettersOfTheSecondSheetComeFromItOrAsTheirPlainLetters) {
  text.DrawText(0, 0, "\xF1", 1.0f, 0, 255, 0, TextColor::White);  // ñ, no second sheet: n
  screen.AddPicture("GlobalFontWhiteMore", 28 * 32, 40, 28, 1);
  text.DrawText(0, 0, "\xF1\xAB", 1.0f, 0, 255, 0, TextColor::White);  // ñ «
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_EQ(sprites.size(), 3u);
  EXPECT_EQ(sprites[0].Image, "GlobalFontWhite");
  EXPECT_EQ(sprites[0].Pattern, GlyphPattern(fkAirstripNormal, 'n'));
  EXPECT_EQ(sprites[1].Image, "GlobalFontWhiteMore");
  EXPECT_EQ(sprites[1].Pattern, GlyphCell(fkAirstripNormal, 0xF1).Pattern);
  EXPECT_EQ(sprites[2].Pattern, GlyphCell(fkAirstripNormal, 0xAB).Pattern);
}

TEST(DrawTextWithoutFont, DrawsNothingAndDoesNotFail) {
  TSpriteRecorder screen;
  TGlobalGameText text;
  text.DrawText(0, 0, "Hi", 1.0f, 0, 255, 0, 0);
  text.OmgImgList = &screen.List;
  text.DrawText(0, 0, "Hi", 1.0f, 0, 255, 0, 0);
  EXPECT_TRUE(screen.Sprites().empty());
}

}  // namespace
}  // namespace qm
