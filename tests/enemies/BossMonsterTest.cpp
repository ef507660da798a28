// Boss monsters: blows from thrown fruit and the aerosol, absorb attempts and
// the seconds they drain, dying and lying stunned; driven by ticks and hits.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "enemies/BossMonster.h"
#include "enemies/MonsterAura.h"
#include "engine/FrameTime.h"
#include "engine/GameRandom.h"
#include "engine/StepHelpers.h"

namespace qm {
namespace {

std::unique_ptr<TBossMonster> MakeBoss(TBossKind kind) {
  switch (kind) {
    case bkOwl: return std::make_unique<TOwlBoss>();
    case bkSquirrel: return std::make_unique<TSquirrelBoss>();
    case bkBee: return std::make_unique<TBeeBoss>();
    case bkBat: return std::make_unique<TBatBoss>();
    case bkCat: return std::make_unique<TCatBoss>();
  }
  return nullptr;
}

// A boss and its aura wired as the shell wires them; Drained stands for the
// round timer.
struct TArena {
  std::unique_ptr<TBossMonster> Boss;
  TMonsterAura Aura;
  int Dead = 0, Grounded = 0, Started = 0, Turned = 0;
  std::vector<int> Drained;
  std::vector<std::string> Sounds;

  explicit TArena(TBossKind kind = bkOwl) : Boss(MakeBoss(kind)) {
    TBossMonster& b = *Boss;
    b.OnDead = [this] { ++Dead; };
    b.OnDeadGrounded = [this] { ++Grounded; };
    b.OnStartAbsorbing = [this] { ++Started; Aura.Start(Boss->AuraPos()); };
    b.OnFinishAbsorbing = [this] { ++Turned; Aura.Stop(); };
    b.OnAbsorbTime = [this](int seconds) { Drained.push_back(seconds); };
    b.OnPlaySound = [this](const std::string& s) { Sounds.push_back(s); };
    Aura.OnAuraPeak = [this] { Boss->AbsorbAtAuraPeak(); };
  }
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) {
      Boss->TickAndDraw();
      Aura.TickAndDraw();
    }
  }
  // Short phases of 300 ms (10 ticks) each.
  void QuickAttempts() {
    Boss->RefTimeForAbsorbAttempt = Boss->PreparingTime = Boss->AbsorbingTime = Boss->FinishingTime = 300;
  }
  int TicksUntilTurn() {
    const int before = Turned;
    int ticks = 0;
    for (; Turned == before && ticks < 10000; ++ticks) Tick();
    return ticks;
  }
};

int Ticks(int ms) { return (ms + FrameMs - 1) / FrameMs; }

class BossTest : public ::testing::Test {
 protected:
  void SetUp() override { GameRandom().SetSeed(1234); }
  TArena A;
  TBossMonster& B = *A.Boss;
};

TEST_F(BossTest, AHitWhileAbsorbingIsCaughtButChangesNothing) {
  A.QuickAttempts();
  B.EnableAttempts(true);
  while (!B.IsAbsorbing()) A.Tick();
  const int energy = B.CurrentEnergy();
  EXPECT_TRUE(B.Hit(0, 0, true));
  EXPECT_TRUE(B.Hit(RoundToEven(B.X()) + 100, RoundToEven(B.Y()) + 100, false)) << "a thrown fruit is caught too";
  EXPECT_EQ(B.CurrentEnergy(), energy);
  EXPECT_EQ(B.HitAngle(), 0.0f);
  EXPECT_EQ(B.Recoil(), 0.0f);
  EXPECT_EQ(A.TicksUntilTurn(), Ticks(B.AbsorbingTime)) << "the absorb runs its full length";
}

TEST_F(BossTest, TheAurasPeakDrainsTheBossSecondsFromTheTimerOncePerAbsorb) {
  A.QuickAttempts();
  B.AbsorbingTime = 3000;
  B.OneAbsorbedTime = 45;
  std::vector<float> auraSizes;
  B.OnAbsorbTime = [&](int seconds) {
    A.Drained.push_back(seconds);
    auraSizes.push_back(A.Aura.SizeRatio());
  };
  B.AbsorbAtAuraPeak();
  EXPECT_TRUE(A.Drained.empty()) << "a walking boss drains nothing";
  B.EnableAttempts(true);
  while (A.Started == 0) A.Tick();
  EXPECT_EQ(A.Aura.Left, B.Anchor().X + B.Shape().AuraOffset.X);
  A.Tick(10);
  EXPECT_TRUE(A.Drained.empty()) << "the aura is still growing";
  A.TicksUntilTurn();
  EXPECT_EQ(A.Drained, std::vector<int>{45});
  EXPECT_TRUE(A.Aura.IsFading());
  while (A.Started < 2) A.Tick();
  A.TicksUntilTurn();
  EXPECT_EQ(A.Drained, (std::vector<int>{45, 45}));
  EXPECT_EQ(auraSizes, (std::vector<float>{A.Aura.MaxBubbleSizeRatio, A.Aura.MaxBubbleSizeRatio}));
}

TEST_F(BossTest, TheWaitIsDrawnOnlyWhenAttemptsSwitchOnOrOneStarts) {
  B.EnableAttempts(true);
  auto seed = GameRandom().Seed();
  B.EnableAttempts(true);
  B.Hit(0, 0, true);
  A.Tick(100);
  EXPECT_EQ(GameRandom().Seed(), seed) << "already on, hit, walking: the wait stands";
  B.EnableAttempts(false);
  B.EnableAttempts(true);
  EXPECT_NE(GameRandom().Seed(), seed) << "switched on again";
  seed = GameRandom().Seed();
  A.TicksUntilTurn();
  EXPECT_NE(GameRandom().Seed(), seed) << "an attempt starting";
}

TEST(PreparingHits, EnoughBlowsBreakTheAttemptOff) {
  struct {
    int HitsToCancel, Hits;
    TBossMonster::TMode Mode;
  } cases[] = {{2, 2, TBossMonster::bmFrontView},
               {2, 3, TBossMonster::bmWalking},
               // The default never gives up: 59 blows leave the last point of energy.
               {99999, 59, TBossMonster::bmFrontView}};
  for (const auto& c : cases) {
    TArena a;
    a.QuickAttempts();
    a.Boss->PreparingTime = 3000;
    a.Boss->HitsToCancelAbsorbAttempt = c.HitsToCancel;
    a.Boss->EnableAttempts(true);
    a.TicksUntilTurn();
    for (int i = 0; i < c.Hits; ++i) a.Boss->Hit(0, 0, true);
    EXPECT_EQ(a.Boss->Mode(), c.Mode) << c.Hits << " hits, " << c.HitsToCancel << " to cancel";
  }
}

TEST_F(BossTest, AForcedHitAtNoEnergyMisses) {
  B.SetEnergy(0);
  EXPECT_FALSE(B.Hit(0, 0, true));
  B.SetEnergy(1);
  EXPECT_TRUE(B.Hit(0, 0, true)) << "the last blow lands";
  EXPECT_FALSE(B.Hit(0, 0, true));
}

TEST_F(BossTest, ADyingBossEndsTheRoundOnceEvenWhenHitAgainInTheSameTick) {
  B.SetEnergy(2);
  B.Hit(0, 0, true);
  B.Hit(0, 0, true);
  EXPECT_FALSE(B.Hit(0, 0, true));
  EXPECT_EQ(A.Dead, 1);
  EXPECT_TRUE(B.IsDead());
}

class EveryKind : public ::testing::TestWithParam<TBossKind> {};

TEST_P(EveryKind, TheDeadBossLandsInTwentyTicksAndLiesStunned) {
  TArena a(GetParam());
  TBossMonster& b = *a.Boss;
  b.SetEnergy(1);
  b.Hit(0, 0, true);
  for (int i = 0; i < 19; ++i) b.TickAndDraw();
  EXPECT_FALSE(b.Grounded());
  b.TickAndDraw();
  EXPECT_EQ(b.Y(), b.FrontDeadGroundPos);
  b.TickAndDraw();
  EXPECT_EQ(a.Grounded, 1);
  EXPECT_EQ(b.KOStarsPos().Y, b.FrontDeadGroundPos + b.FrontViewAdjY + b.Shape().KOStarsOffset.Y);
  b.DisappearMoveStep = 50;
  b.StartDisappearing();
  for (int i = 0; i < 10; ++i) b.TickAndDraw();
  EXPECT_EQ(b.Y(), b.DisappearVertPos);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryKind, ::testing::Values(bkOwl, bkSquirrel, bkBee, bkBat, bkCat));

TEST_F(BossTest, EveryFifthSprayedFrameOverTheBodyLandsABlow) {
  const int x = RoundToEven(B.X()), y = RoundToEven(B.Y());
  const TSprayRect over{x + 20, y + 10, x + 120, y + 110};
  const TSprayRect below{x + 20, y + 40, x + 120, y + 140};
  int blows = 0;
  for (int i = 0; i < 10; ++i) blows += B.SprayTest(over);
  for (int i = 0; i < 10; ++i) blows += B.SprayTest(below);
  EXPECT_EQ(blows, 2);
  EXPECT_EQ(B.CurrentEnergy(), B.Energy() - 2);
}

}  // namespace
}  // namespace qm
