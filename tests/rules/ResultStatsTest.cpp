#include "rules/ResultStats.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "text/FontMetrics.h"
#include "text/GlobalGameText.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

// The words of the results window resting at (480, 161), 406 x 446.
class ResultStats : public testing::Test {
 protected:
  static constexpr int kX = 480;
  static constexpr int kY = 161;
  static constexpr int kWindowWidth = 406;
  // Where the rows stand: time, score, bonus.
  static constexpr int kRows[3] = {kY + 262, kY + 302, kY + 342};

  ResultStats() {
    screen.AddPicture("GlobalFontWhite", 28 * 32, 5 * 40, 28, 5);
    screen.AddPicture("ElementIcons", 200, 40, 5, 1);
    screen.AddPicture("ResultStatsHighlight", 300, 40);
    text.OmgImgList = &screen.List;
    text.FetchLetterSize();
    stats.OmgImgList = &screen.List;
    stats.GlobGameText = &text;
    stats.Left = kX;
    stats.Top = kY;
    stats.OnPlaySound = [this](const std::string& name) { sounds.push_back(name); };
  }

  void Ticks(int count) {
    for (int i = 0; i < count; ++i) {
      screen.Forget();
      stats.TickAndDraw();
    }
  }

  // The text drawn on each line in the last tick, read back from the glyphs.
  std::vector<std::string> Lines() {
    std::map<int, char> glyphs;
    for (char c : std::string("0123456789:-")) glyphs[GlyphPattern(fkAirstripNormal, std::uint8_t(c))] = c;
    std::map<float, std::string> lines;
    for (const TSprite& s : screen.Sprites())
      if (s.Image == "GlobalFontWhite") lines[s.Top] += glyphs.count(s.Pattern) ? glyphs[s.Pattern] : '?';
    std::vector<std::string> result;
    for (const auto& [top, line] : lines) result.push_back(line);
    return result;
  }

  std::vector<TSprite> SpritesOf(const std::string& image) {
    std::vector<TSprite> found;
    for (const TSprite& s : screen.Sprites())
      if (s.Image == image) found.push_back(s);
    return found;
  }

  TSpriteRecorder screen;
  TGlobalGameText text;
  TResultStats stats;
  std::vector<std::string> sounds;
};

TEST_F(ResultStats, PlayingTimeShowsMinutesAndTwoDigitSeconds) {
  EXPECT_EQ(TResultStats::FormatPlayingTime(0), "0:00");
  EXPECT_EQ(TResultStats::FormatPlayingTime(65), "1:05");
  EXPECT_EQ(TResultStats::FormatPlayingTime(600), "10:00");
}

TEST_F(ResultStats, ASmallScoreCountsUpByOneATick) {
  stats.SetLevelScore(30);
  Ticks(1);
  EXPECT_EQ(stats.ShownScore(), 1);
  Ticks(28);
  EXPECT_EQ(stats.ShownScore(), 29);
  Ticks(1);
  EXPECT_EQ(stats.ShownScore(), 30);
}

TEST_F(ResultStats, ALargeScoreCountsUpInFiftySteps) {
  stats.SetLevelScore(600);
  Ticks(1);
  EXPECT_EQ(stats.ShownScore(), 12);
  Ticks(49);
  EXPECT_EQ(stats.ShownScore(), 600);
}

TEST_F(ResultStats, TheLastStepStopsAtTheScore) {
  stats.SetLevelScore(130);  // steps of 2.6
  Ticks(49);
  EXPECT_EQ(Lines().at(1), "127");
  Ticks(1);
  EXPECT_EQ(Lines().at(1), "130");
  Ticks(5);
  EXPECT_EQ(stats.ShownScore(), 130) << "never beyond";
}

TEST_F(ResultStats, NothingCountsWhilePaused) {
  stats.SetResults(95, 300, mdSilver, elFlower, 5);
  Ticks(20);
  EXPECT_EQ(stats.ShownScore(), 0);
  EXPECT_TRUE(sounds.empty());
}

TEST_F(ResultStats, StartingTheCountRingsTheBells) {
  stats.SetResults(95, 300, mdSilver, elFlower, 5);
  stats.StartCounting();
  EXPECT_FALSE(stats.CountingPaused);
  EXPECT_EQ(sounds, (std::vector<std::string>{"Bells"}));
}

TEST_F(ResultStats, EverySecondStepTicks) {
  stats.SetLevelScore(5);
  Ticks(5);
  EXPECT_EQ(sounds, (std::vector<std::string>{"ScoreCount", "ScoreCount"}));
}

TEST_F(ResultStats, TheBonusCountsAfterA300MsGap) {
  stats.SetResults(60, 3, mdGold, elPotion, 80);
  stats.StartCounting();
  Ticks(3);
  EXPECT_EQ(stats.ShownScore(), 3);
  Ticks(9);
  EXPECT_EQ(stats.ShownBonus(), 0) << "270 ms of the gap";
  Ticks(1);
  EXPECT_EQ(stats.ShownBonus(), 2) << "80 counts in forty steps";
  Ticks(39);
  EXPECT_EQ(stats.ShownBonus(), 80);
}

TEST_F(ResultStats, ASmallBonusCountsByOne) {
  stats.SetBonusElementCount(12);
  Ticks(9);
  EXPECT_EQ(stats.ShownBonus(), 0);
  Ticks(1);
  EXPECT_EQ(stats.ShownBonus(), 1) << "no score to count: the gap starts at once";
}

TEST_F(ResultStats, OnlyAGoldMedalShowsABonus) {
  stats.SetResults(60, 30, mdSilver, elPotion, 80);
  EXPECT_EQ(stats.BonusElementKind, elFruit);
  EXPECT_EQ(stats.BonusElementCount(), 0);
  stats.SetResults(60, 30, mdGold, elPotion, 80);
  EXPECT_EQ(stats.BonusElementKind, elPotion);
  EXPECT_EQ(stats.BonusElementCount(), 80);
}

TEST_F(ResultStats, NewResultsStartCountingFromZero) {
  stats.SetLevelScore(30);
  Ticks(10);
  stats.SetLevelScore(60);
  EXPECT_EQ(stats.ShownScore(), 0);
}

TEST_F(ResultStats, AResetLeavesNothingToCountOrLight) {
  stats.SetResults(59, 300, mdGold, elGoldTile, 20);
  stats.StartCounting();
  Ticks(5);
  stats.Reset();
  Ticks(1);
  EXPECT_EQ(stats.LevelScore(), 0);
  EXPECT_EQ(stats.BonusElementCount(), 0);
  EXPECT_EQ(stats.ScoreHighlightAlpha(), 0);
  EXPECT_EQ(Lines().back(), "-");
}

TEST_F(ResultStats, ANonGoldRoundShowsTimeScoreAndADash) {
  stats.SetResults(125, 30, mdBronze, elFlower, 9);
  Ticks(1);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"2:05", "0", "-"}));
  EXPECT_TRUE(SpritesOf("ElementIcons").empty());
}

TEST_F(ResultStats, TheRowsStand40PixelsApartUnderTheTrophy) {
  stats.SetResults(125, 30, mdBronze, elFlower, 9);
  Ticks(1);
  std::vector<float> tops;
  for (const TSprite& s : screen.Sprites())
    if (s.Image == "GlobalFontWhite" && (tops.empty() || tops.back() != s.Top)) tops.push_back(s.Top);
  ASSERT_EQ(tops.size(), 3u);
  EXPECT_FLOAT_EQ(tops[1] - tops[0], 40);
  EXPECT_FLOAT_EQ(tops[2] - tops[1], 40);
}

TEST_F(ResultStats, TheTitleAndEachRowsNameStandInsideTheWindowLeftOfTheNumbers) {
  stats.Title = "Gold medal!";
  stats.Labels = {"Time", "Score", "Gold bonus"};
  stats.SetResults(59, 3, mdGold, elGoldTile, 2);
  stats.StartCounting();
  Ticks(3 + 10 + 2);
  std::map<float, std::vector<TSprite>> rows;
  for (const TSprite& s : screen.Sprites())
    if (s.Image == "GlobalFontWhite") rows[s.Top].push_back(s);
  ASSERT_GE(rows.size(), 4u) << "the title and three rows of name and number";
  for (const auto& [top, glyphs] : rows)
    for (const TSprite& glyph : glyphs) {
      EXPECT_GE(glyph.QuadLeft, kX + 30) << "row at " << top;
      EXPECT_LE(glyph.QuadRight, kX + kWindowWidth - 30) << "row at " << top;
    }
  const auto icons = SpritesOf("ElementIcons");
  ASSERT_EQ(icons.size(), 1u);
  const TSprite& icon = icons[0];
  // The bonus row: the name left of the icon, the number right of it.
  for (const auto& [top, glyphs] : rows)
    for (const TSprite& glyph : glyphs) {
      const float middle = (glyph.QuadTop + glyph.QuadBottom) / 2;
      if (middle < icon.QuadTop || middle > icon.QuadBottom) continue;
      if (glyph.QuadLeft < icon.QuadLeft)
        EXPECT_LE(glyph.QuadRight, icon.QuadLeft);
      else
        EXPECT_GE(glyph.QuadLeft, icon.QuadRight);
    }
}

TEST_F(ResultStats, AGoldRoundShowsTheBonusBesideItsIcon) {
  stats.SetResults(59, 3, mdGold, elGoldTile, 2);
  stats.StartCounting();
  Ticks(3 + 10 + 2);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"0:59", "3", "2"}));
  const std::vector<TSprite> icons = SpritesOf("ElementIcons");
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].Pattern, elGoldTile);
  EXPECT_FLOAT_EQ(icons[0].Top, kRows[2] - 20) << "centred on the bonus row";
}

TEST_F(ResultStats, EachCountingStepLightsItsLineAndTheLightFades) {
  stats.SetLevelScore(600);
  Ticks(1);
  std::vector<TSprite> lights = SpritesOf("ResultStatsHighlight");
  ASSERT_EQ(lights.size(), 1u);
  EXPECT_EQ(lights[0].Alpha, 28) << "30 up, 2 down";
  EXPECT_FLOAT_EQ(lights[0].Left, kX + 204) << "behind the numbers, which end 62 pixels inside the window";
  EXPECT_FLOAT_EQ(lights[0].Top, kRows[1] - 20);
  Ticks(4);
  EXPECT_EQ(stats.ScoreHighlightAlpha(), 98) << "held at 100 before the fade";
  Ticks(45);
  Ticks(49);
  EXPECT_EQ(stats.ScoreHighlightAlpha(), 0);
  EXPECT_TRUE(SpritesOf("ResultStatsHighlight").empty());
}

TEST_F(ResultStats, TheBonusLineHasItsOwnLight) {
  stats.SetBonusElementCount(4);
  Ticks(11);
  const std::vector<TSprite> lights = SpritesOf("ResultStatsHighlight");
  ASSERT_EQ(lights.size(), 1u);
  EXPECT_FLOAT_EQ(lights[0].Left, kX + 204);
  EXPECT_FLOAT_EQ(lights[0].Top, kRows[2] - 20);
  EXPECT_EQ(stats.ScoreHighlightAlpha(), 0);
}

}  // namespace
}  // namespace qm
