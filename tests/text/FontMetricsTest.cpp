#include "text/FontMetrics.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

int Pattern(TGameFontKind kind, char c) { return GlyphPattern(kind, static_cast<std::uint8_t>(c)); }
int Base(TGameFontKind kind, char c) { return GlyphBase(kind, static_cast<std::uint8_t>(c)); }

TEST(NormalFont, LettersDigitsAndSignsSitOnTheirPatterns) {
  EXPECT_EQ(Pattern(fkAirstripNormal, 'A'), 0);
  EXPECT_EQ(Pattern(fkAirstripNormal, 'Z'), 25);
  EXPECT_EQ(Pattern(fkAirstripNormal, 'a'), 26);
  EXPECT_EQ(Pattern(fkAirstripNormal, 'z'), 51);
  EXPECT_EQ(Pattern(fkAirstripNormal, '0'), 52);
  EXPECT_EQ(Pattern(fkAirstripNormal, '9'), 61);
  EXPECT_EQ(Pattern(fkAirstripNormal, '!'), 62);
  EXPECT_EQ(Pattern(fkAirstripNormal, '"'), 76);
  EXPECT_EQ(Pattern(fkAirstripNormal, '|'), 81);
  EXPECT_EQ(Pattern(fkAirstripNormal, ' '), 82);
}

TEST(NormalFont, Latin1LettersHaveGlyphsOfTheirOwn) {
  EXPECT_EQ(Pattern(fkAirstripNormal, '\xC0'), 83);   // À
  EXPECT_EQ(Pattern(fkAirstripNormal, '\x8C'), 96);   // Œ
  EXPECT_EQ(Pattern(fkAirstripNormal, '\xDC'), 99);   // Ü
  EXPECT_EQ(Pattern(fkAirstripNormal, '\x9F'), 100);  // Ÿ
  EXPECT_EQ(Pattern(fkAirstripNormal, '\xE0'), 101);  // à
  EXPECT_EQ(Pattern(fkAirstripNormal, '\x9C'), 114);  // œ
  EXPECT_EQ(Pattern(fkAirstripNormal, '\xFF'), 118);  // ÿ
  EXPECT_EQ(Pattern(fkAirstripNormal, '\xDF'), 119);  // ß
  EXPECT_EQ(FontGlyphCodes(fkAirstripNormal).size(), 120u);
}

TEST(NormalFont, CharactersWithoutAGlyphDrawTheAAndAdvanceTwenty) {
  for (char c : {'~', '@', '_', '\x80' /* € */, '\xA9' /* © */}) {
    EXPECT_FALSE(FontHasGlyph(fkAirstripNormal, static_cast<std::uint8_t>(c))) << c;
    EXPECT_EQ(Pattern(fkAirstripNormal, c), 0) << c;
    EXPECT_EQ(Base(fkAirstripNormal, c), 20) << c;
  }
}

TEST(NormalFont, AdvancesComeFromTheWidthTable) {
  EXPECT_EQ(Base(fkAirstripNormal, 'I'), 7);
  EXPECT_EQ(Base(fkAirstripNormal, 'H'), 23);
  EXPECT_EQ(Base(fkAirstripNormal, ' '), 13);
  EXPECT_EQ(Base(fkAirstripNormal, 'W'), 30);
  EXPECT_EQ(Base(fkAirstripNormal, '\x8C'), 29);  // Œ
  EXPECT_EQ(Base(fkAirstripNormal, '\xEE'), 10);  // î
  EXPECT_EQ(Base(fkAirstripNormal, '\xDC'), 21);  // Ü
  EXPECT_EQ(Base(fkAirstripNormal, 'a'), 20) << "unlisted letters take 20";
}

TEST(CommentFont, SmallLettersFoldToCapitals) {
  EXPECT_EQ(Pattern(fkAirstripComment, 'a'), Pattern(fkAirstripComment, 'A'));
  EXPECT_EQ(Pattern(fkAirstripComment, 'z'), 25);
  EXPECT_EQ(Pattern(fkAirstripComment, '0'), 26);
  EXPECT_EQ(Pattern(fkAirstripComment, ' '), 41);
  EXPECT_EQ(Pattern(fkAirstripComment, '\xE9'), 48);  // é draws É
  EXPECT_EQ(Base(fkAirstripComment, '\xE9'), 27);     // and advances like É
  EXPECT_EQ(Pattern(fkAirstripComment, '\x9C'), 55);  // œ draws Œ
  EXPECT_EQ(Pattern(fkAirstripComment, '\xFF'), 59);  // ÿ draws Ÿ
  EXPECT_EQ(Pattern(fkAirstripComment, '\xDF'), 60);  // ß
  EXPECT_EQ(Base(fkAirstripComment, 'w'), 44);
  EXPECT_EQ(FontGlyphCodes(fkAirstripComment).size(), 61u);
}

TEST(CommentFont, SignsOutsideItsSetDrawTheA) {
  for (char c : {'?', '.', ',', '\x80'}) {
    EXPECT_FALSE(FontHasGlyph(fkAirstripComment, static_cast<std::uint8_t>(c))) << c;
    EXPECT_EQ(Pattern(fkAirstripComment, c), 0) << c;
    EXPECT_EQ(Base(fkAirstripComment, c), 20) << c;
  }
}

// The letters other Western European languages add sit on each font's
// second sheet; where a data folder has none they are drawn as their plain
// letters from the first.
TEST(SecondSheet, CarriesTheLettersOfTheOtherWesternEuropeanLanguages) {
  const struct {
    TGameFontKind Kind;
    const char* Letters;  // cp1252
    int Sheet;            // patterns on the second sheet
  } fonts[] = {
      {fkAirstripNormal,
       "\xE1\xE5\xED\xF1\xF3\xF8\xFA\xC1\xC5\xCD\xD1\xD3\xD8\xDA\xA1\xBF\xAB\xBB\x84\x93\x94\x82\x91\x92\x96\x97", 26},
      {fkAirstripComment, "\xE1\xF1\xC1\xC5\xCD\xD1\xD3\xD8\xDA\xA1\xBF\xAB\xBB\x84\x93\x94\x82\x91\x92\x96\x97", 19},
  };
  for (const auto& font : fonts) {
    EXPECT_EQ(int(FontMoreGlyphCodes(font.Kind).size()), font.Sheet);
    for (const char* c = font.Letters; *c != 0; ++c) {
      const auto code = static_cast<std::uint8_t>(*c);
      EXPECT_TRUE(FontHasGlyph(font.Kind, code)) << int(code);
      EXPECT_TRUE(GlyphCell(font.Kind, code).OnMoreSheet) << int(code);
      EXPECT_LT(GlyphCell(font.Kind, code).Pattern, font.Sheet) << int(code);
    }
  }
  EXPECT_EQ(GlyphCell(fkAirstripComment, 0xF1).Pattern, GlyphCell(fkAirstripComment, 0xD1).Pattern) << "ñ draws Ñ";
  EXPECT_FALSE(GlyphCell(fkAirstripNormal, 'a').OnMoreSheet);
}

TEST(SecondSheet, WithoutItTheLettersDrawTheirPlainLetters) {
  const struct {
    std::uint8_t Code;
    char Plain;
  } cases[] = {{0xE1, 'a'}, {0xD1, 'N'}, {0xF8, 'o'}, {0xAB, '"'}, {0x92, '\''}, {0x97, '-'}, {0xBF, '?'}};
  for (const auto& c : cases) {
    EXPECT_EQ(PlainLetter(c.Code), c.Plain) << int(c.Code);
    EXPECT_EQ(GlyphPattern(fkAirstripNormal, c.Code), Pattern(fkAirstripNormal, c.Plain)) << int(c.Code);
  }
  EXPECT_EQ(Base(fkAirstripNormal, '\xF1'), Base(fkAirstripNormal, 'n')) << "ñ advances like n";
  EXPECT_EQ(Base(fkAirstripComment, '\xE1'), Base(fkAirstripComment, 'A')) << "á advances like A";
}

TEST(Advance, IsSpacingPlusBaseTimesScaleRoundedHalvesToEven) {
  const auto H = static_cast<std::uint8_t>('H');
  EXPECT_EQ(AdvanceWidth(fkAirstripNormal, H, 0, 1.0f), 23);
  EXPECT_EQ(AdvanceWidth(fkAirstripNormal, H, -1, 1.0f), 22);
  EXPECT_EQ(AdvanceWidth(fkAirstripNormal, H, 0, 0.5f), 12) << "11.5 goes to 12";
  EXPECT_EQ(AdvanceWidth(fkAirstripNormal, static_cast<std::uint8_t>('t'), -1, 0.5f), 6) << "6.5 goes to 6";
  EXPECT_EQ(AdvanceWidth(fkAirstripNormal, static_cast<std::uint8_t>('x'), 5, 0.25f), 5) << "5.25";
}

TEST(Advance, TakesTheStoredScaleExactly) {
  // 0.7 is stored as 0.69999998...: 25 of it is just under 17.5, so 17,
  // where a single-precision product would have landed on 17.5 and 18.
  EXPECT_EQ(AdvanceWidth(fkAirstripNormal, static_cast<std::uint8_t>('M'), 0, 0.7f), 17);
}

}  // namespace
}  // namespace qm
