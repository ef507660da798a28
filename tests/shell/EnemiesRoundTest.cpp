// The enemies in a round through the shell: spiders that drop in after
// cleared fruit and are knocked off into the objectives, and the island's
// monster that drains time and dies under the fruit thrown off the board.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "shell/RoundFixture.h"

namespace qm {
namespace {

using testing::RoundThroughTheShell;
using testing::SmallLevel;

class EnemiesInTheRound : public RoundThroughTheShell {
 protected:
  explicit EnemiesInTheRound(bool rendering = false) : RoundThroughTheShell(rendering) {}

  void Start(const TLevelRecord& level) {
    WriteLevel(level);
    StartRound();
    PlayFromBanner();
  }

  // Hint moves until the round is won or the ticks run out.
  bool PlayUntilWon(int maxTicks) {
    for (int tick = 0; tick < maxTicks; ++tick) {
      if (game.Scene() == gsRoundClear || game.Scene() == gsStageResult) return true;
      if (game.Scene() != gsMainGame) return false;
      game.Driver().MakeHintMove();
      game.RunTicks(1);
    }
    return false;
  }

  // The first spider in the given state, slot 0 when none is.
  int SpiderIn(TSpiderState state) {
    for (int slot = 1; slot <= TCrawlingSpiders::SlotCount; ++slot)
      if (Form().Spiders->Spider(slot).State == state) return slot;
    return 0;
  }

  bool RunUntil(int maxTicks, const std::function<bool()>& done) {
    for (int tick = 0; tick < maxTicks && !done(); ++tick) game.RunTicks(1);
    return done();
  }

  TFormMain& Form() { return game.Form(); }
};

TLevelRecord SpiderLevel() {
  TLevelRecord level = SmallLevel(0);
  level.TargetSpiders = 2;
  level.FruitsInterval = 3;
  level.MaxSpidersOnBoard = 2;
  level.MaxWebs = 3;
  level.OneWebEveryProb = 1;
  return level;
}

TLevelRecord BossLevel() {
  TLevelRecord level = SmallLevel(0, goBossMode);
  level.Boss = {.Energy = 12,
                .RefTimeForAbsorbAttempt = 1500,
                .HitsToCancelAbsorbAttempt = 99999,
                .OneAbsorbedTime = 20,
                .PreparingTime = 600,
                .AbsorbingTime = 3000,
                .FinishingTime = 600};
  return level;
}

TEST_F(EnemiesInTheRound, ASpiderLevelIsWonByKnockingOffTheNeededSpiders) {
  Start(SpiderLevel());
  EXPECT_EQ(Form().ElementGather->Remaining(ieSpider), 2);
  ASSERT_TRUE(PlayUntilWon(6000));
  EXPECT_EQ(Form().ElementGather->Remaining(ieSpider), 0);
  EXPECT_GE(Form().BuySlots->Accounts()[elSpider], 2.0f) << "every knocked-off spider earns";
  EXPECT_EQ(Form().Spiders->LiveSpiders(), 0) << "the round's end knocks off the rest";
}

TEST_F(EnemiesInTheRound, ABossLevelDrainsTheTubeAndIsWonOnceByTheMonstersDeath) {
  Start(BossLevel());
  TBossMonster& boss = Form().CurrentBoss();
  ASSERT_EQ(&boss, Form().Bosses[4].get()) << "island 1's monster is the cat";
  EXPECT_TRUE(boss.Visible);
  EXPECT_EQ(boss.CurrentEnergy(), 12);
  ASSERT_TRUE(RunUntil(400, [&] { return Form().TubeTimer->Motion() == TTubeTimer::mtRunning; }));
  const int before = Form().TubeTimer->PlayingSeconds();
  ASSERT_TRUE(RunUntil(400, [&] { return Form().AbsorbedEnergy->IsRunning(); }));
  game.RunTicks(30);
  EXPECT_GE(Form().TubeTimer->PlayingSeconds() - before, 20) << "the drained seconds reach the tube";
  ASSERT_TRUE(PlayUntilWon(6000));
  EXPECT_TRUE(boss.IsDead());
  EXPECT_FALSE(boss.Hit(0, 0, true)) << "a dead monster takes no more blows";
  game.RunTicks(30);
  EXPECT_EQ(TimesPlayed("LevelClear"), 1) << "the round is cleared once";
}

class EnemyPictures : public EnemiesInTheRound {
 protected:
  EnemyPictures() : EnemiesInTheRound(/*rendering=*/true) {}
};

TEST_F(EnemyPictures, ASpiderSpinsAWebAndRollsAway) {
  TLevelRecord level = SpiderLevel();
  level.TargetSpiders = 0;
  Start(level);
  Form().Spiders->MakeWebTime = 3000;
  ASSERT_TRUE(RunUntil(3000, [&] {
    if (SpiderIn(spSpinning) == 0) game.Driver().MakeHintMove();
    return SpiderIn(spSpinning) != 0;
  }));
  game.RunTicks(20);
  game.CaptureFrame("enemy-spider-spinning");
  const TSpiderView spider = Form().Spiders->Spider(SpiderIn(spSpinning));
  // A big bomb on the spider's tile knocks it off the board.
  Form().State.DeveloperMode = true;
  game.KeyDown(vk::F3);
  ASSERT_TRUE(RunUntil(400, [&] { return Form().PowerTool(tlBigBomb)->Enabled; }));
  ASSERT_TRUE(game.Driver().PickPowerTool(tlBigBomb));
  game.Driver().ClickTile(spider.Tile);
  ASSERT_TRUE(RunUntil(200, [&] { return SpiderIn(spRollingAway) != 0; }));
  game.RunTicks(4);
  game.CaptureFrame("enemy-spider-rolling");
}

TEST_F(EnemyPictures, TheMonsterWalksAbsorbsAndFalls) {
  Start(BossLevel());
  TBossMonster& boss = Form().CurrentBoss();
  game.RunTicks(10);
  game.CaptureFrame("enemy-boss-walking");
  ASSERT_TRUE(RunUntil(400, [&] { return Form().MonsterAura->IsActive() && Form().MonsterAura->SizeRatio() > 1.5f; }));
  game.CaptureFrame("enemy-boss-absorbing");
  // Blows land once the monster has stopped absorbing.
  ASSERT_TRUE(RunUntil(400, [&] { return !boss.IsAbsorbing(); }));
  for (int blow = 0; blow < 20 && !boss.IsDead(); ++blow) boss.Hit(0, 0, true);
  ASSERT_TRUE(boss.IsDead());
  ASSERT_TRUE(RunUntil(100, [&] { return boss.Grounded(); }));
  game.RunTicks(10);
  game.CaptureFrame("enemy-boss-dead");
}

TEST_F(EnemyPictures, AFruitThatHitsTheMonsterThrowsStarsWhereItHits) {
  Start(BossLevel());
  std::optional<TPoint> hit;
  const auto check = Form().RoundPlay->Falling->OnMonsterHitCheck;
  Form().RoundPlay->Falling->OnMonsterHitCheck = [&](TPoint fruit, bool& hitting, bool& absorbing) {
    check(fruit, hitting, absorbing);
    if (hitting && !absorbing && !hit) hit = fruit;
  };
  ASSERT_TRUE(RunUntil(6000, [&] {
    if (!hit) game.Driver().MakeHintMove();
    return hit.has_value();
  }));
  game.RunTicks(6);
  const int stars = game.PixelsTheDecorationChanges({hit->X - 60, hit->Y - 60, hit->X + 110, hit->Y + 110});
  EXPECT_GT(stars, 800) << "stars fly off where the fruit struck";
  game.CaptureFrame("effects-monster-hit");
}

}  // namespace
}  // namespace qm
