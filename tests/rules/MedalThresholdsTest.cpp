#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/ResultMedal.h"
#include "rules/TubeTimer.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

TEST(MedalThresholds, SilverIsSixtyFiveAndGoldFortyPercentOfTheRoundTime) {
  TResultMedal medal;
  medal.SetRoundTime(200);
  EXPECT_EQ(medal.SilverReqTime, 130);
  EXPECT_EQ(medal.GoldReqTime, 80);
}

TEST(MedalThresholds, HalvesRoundToEven) {
  TResultMedal medal;
  medal.SetRoundTime(10);  // 6.5 and 4
  EXPECT_EQ(medal.SilverReqTime, 6);
  medal.SetRoundTime(30);  // 19.5 and 12
  EXPECT_EQ(medal.SilverReqTime, 20);
  EXPECT_EQ(medal.GoldReqTime, 12);
  medal.SetRoundTime(50);  // 32.5 and 20
  EXPECT_EQ(medal.SilverReqTime, 32);
}

TEST(MedalThresholds, OtherFractionsRoundToNearest) {
  TResultMedal medal;
  medal.SetRoundTime(3);  // 1.95 and 1.2
  EXPECT_EQ(medal.SilverReqTime, 2);
  EXPECT_EQ(medal.GoldReqTime, 1);
  medal.SetRoundTime(4);  // 2.6 and 1.6
  EXPECT_EQ(medal.SilverReqTime, 3);
  EXPECT_EQ(medal.GoldReqTime, 2);
}

TEST(MedalThresholds, EachLimitStillEarnsItsMedal) {
  TResultMedal medal;
  medal.SetRoundTime(200);
  EXPECT_EQ(medal.Decide(0), mdGold);
  EXPECT_EQ(medal.Decide(80), mdGold);
  EXPECT_EQ(medal.Decide(81), mdSilver);
  EXPECT_EQ(medal.Decide(130), mdSilver);
  EXPECT_EQ(medal.Decide(131), mdBronze);
  EXPECT_EQ(medal.Decide(5000), mdBronze);
}

TEST(MedalThresholds, TheDecisionIsKept) {
  TResultMedal medal;
  EXPECT_EQ(medal.MedalKind(), mdNone);
  medal.Decide(500);
  EXPECT_EQ(medal.MedalKind(), mdSilver) << "defaults: silver up to 600 s, gold up to 400 s";
  medal.Decide(400);
  EXPECT_EQ(medal.MedalKind(), mdGold);
  medal.Reset();
  EXPECT_EQ(medal.MedalKind(), mdNone);
}

TEST(MedalThresholds, TimeTheMonsterDrainedCountsAsPlayed) {
  // 50 s of real play on a 200 s round, then the boss drains 60 s.
  TTubeTimer timer;
  timer.Time = 200;
  timer.GameObjective = goBossMode;
  timer.Start();
  while (timer.Motion() != TTubeTimer::mtRunning) timer.Update();
  timer.Paused = false;
  while (timer.ElapsedSeconds() < 50) timer.Update();
  timer.Absorb(60);
  while (timer.Draining()) timer.Update();
  TResultMedal medal;
  medal.SetRoundTime(200);
  EXPECT_EQ(timer.PlayingSeconds(), 110);
  EXPECT_EQ(medal.Decide(timer.PlayingSeconds()), mdSilver);
}

TEST(MedalThresholds, ADrainWhileTheTubeFillsTakesOnlyItsSeconds) {
  TTubeTimer timer;
  timer.Time = 200;
  timer.GameObjective = goBossMode;
  timer.Start();
  while (timer.Motion() != TTubeTimer::mtFillingUp) timer.Update();
  timer.Absorb(60);
  timer.Paused = false;
  while (timer.Motion() != TTubeTimer::mtRunning || timer.Draining()) timer.Update();
  EXPECT_EQ(timer.ElapsedSeconds(), 60) << "not the whole round";
}

TEST(MedalBonus, OnlyGoldPaysTheLevelsBonus) {
  const TRoundBonus gold = RoundClearedBonus(mdGold, elFlower, 7);
  EXPECT_EQ(gold.Kind, elFlower);
  EXPECT_EQ(gold.Count, 7);
  for (TMedalKind medal : {mdSilver, mdBronze}) {
    const TRoundBonus none = RoundClearedBonus(medal, elFlower, 7);
    EXPECT_EQ(none.Kind, elFruit);
    EXPECT_EQ(none.Count, 0);
  }
}

TEST(MedalSound, GoldIsGreetedHighAndEverythingElseLow) {
  EXPECT_EQ(MedalNotifySound(mdGold), "NotifyHigh");
  EXPECT_EQ(MedalNotifySound(mdSilver), "NotifyLow");
  EXPECT_EQ(MedalNotifySound(mdBronze), "NotifyLow");
}

// The trophy of a medal presented in a window resting at (480, 161).
class MedalTrophy : public testing::Test {
 protected:
  MedalTrophy() {
    screen.AddPicture("ResultTrophy", 160, 180);
    medal.OmgImgList = &screen.List;
    medal.Left = 480 + 121;
    medal.Top = 161 + 74;
    medal.OnPlaySound = [this](const std::string& name) { sounds.push_back(name); };
  }

  // The trophy sprites drawn by one tick.
  std::vector<TSprite> Tick() {
    screen.Forget();
    medal.TickAndDraw();
    return screen.Sprites();
  }

  TSpriteRecorder screen;
  TResultMedal medal;
  std::vector<std::string> sounds;
};

TEST_F(MedalTrophy, PresentingAGoldMedalSoundsHighAndStartsTheTrophy) {
  medal.SetRoundTime(200);
  medal.Decide(80);
  medal.Present();
  EXPECT_EQ(sounds, (std::vector<std::string>{"NotifyHigh"}));
  EXPECT_EQ(medal.Trophy().Phase(), TPlusOneBigHeart::phWaiting);
}

TEST_F(MedalTrophy, TheTrophyAppearsAfter450MsAtTwiceItsSize) {
  medal.StartTrophy();
  for (int i = 0; i < 14; ++i) EXPECT_TRUE(Tick().empty()) << "tick " << i + 1;
  const std::vector<TSprite> first = Tick();
  ASSERT_EQ(first.size(), 1u);
  EXPECT_FLOAT_EQ(first[0].Width, 320);
  EXPECT_FLOAT_EQ(first[0].Height, 360);
}

TEST_F(MedalTrophy, TheTrophyShrinksOntoItsPlaceInTenTicksAndFlashesAShine) {
  medal.StartTrophy();
  for (int i = 0; i < 15; ++i) Tick();
  for (int i = 0; i < 9; ++i) EXPECT_EQ(Tick().size(), 1u);
  const std::vector<TSprite> landed = Tick();
  ASSERT_EQ(landed.size(), 2u);
  EXPECT_FLOAT_EQ(landed[0].Width, 160);
  EXPECT_EQ(landed[0].Alpha, 255);
  // Centred on its place: the picture's top-left at the trophy position.
  EXPECT_NEAR(landed[0].Left, 601, 0.01);
  EXPECT_NEAR(landed[0].Top, 235, 0.01);
  EXPECT_TRUE(landed[1].Additive);
  EXPECT_EQ(landed[1].Alpha, 110);
}

TEST_F(MedalTrophy, TheShineFadesAwayAndTheTrophyStays) {
  medal.StartTrophy();
  for (int i = 0; i < 25; ++i) Tick();
  // 110 falls by 6 a tick and shows while above 10: 16 more ticks.
  for (int i = 0; i < 16; ++i) EXPECT_EQ(Tick().size(), 2u);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(Tick().size(), 1u);
  EXPECT_EQ(medal.Trophy().Phase(), TPlusOneBigHeart::phAttached);
}

TEST_F(MedalTrophy, AResetTrophyIsGone) {
  medal.StartTrophy();
  for (int i = 0; i < 30; ++i) Tick();
  medal.Reset();
  EXPECT_TRUE(Tick().empty());
}

}  // namespace
}  // namespace qm
