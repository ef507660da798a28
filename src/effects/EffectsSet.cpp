#include "effects/EffectsSet.h"

namespace qm {

namespace {

constexpr int kFrameWidth = 1366, kFrameHeight = 768;

template <typename T, typename... Args>
std::unique_ptr<T> Make(TOmegaImageList* images, Args&&... args) {
  auto effect = std::make_unique<T>(std::forward<Args>(args)...);
  effect->OmgImgList = images;
  return effect;
}

void Area(TParticleEmitter& emitter, int left, int top, int width, int height) {
  emitter.Left = left;
  emitter.Top = top;
  emitter.Width = width;
  emitter.Height = height;
}

void Place(TShine& shine, TShineMotion motion, int left, int top, int width, int height, int period) {
  shine.Motion = motion;
  shine.Left = left;
  shine.Top = top;
  shine.Width = width;
  shine.Height = height;
  shine.PeriodTicks = period;
}

}  // namespace

TEffectsSet::TEffectsSet(TOmegaImageList* images)
    : ScreenDust(Make<TParticleEmitter>(images, pkScreenDust)),
      BounceDust(Make<TParticleEmitter>(images, pkBounceDust)),
      ScoringDust(Make<TParticleEmitter>(images, pkScoringDust)),
      SlotSparkle(Make<TParticleEmitter>(images, pkSlotSparkle)),
      HitStars(Make<TParticleEmitter>(images, pkHitStars)),
      Confetti(Make<TParticleEmitter>(images, pkConfetti)),
      Fireworks(Make<TParticleEmitter>(images, pkFireworks)),
      TubeBubbles(Make<TParticleEmitter>(images, pkTubeBubbles)),
      NarrationPuffs(Make<TParticleEmitter>(images, pkNarrationPuffs)),
      DiamondButterflies(Make<TParticleEmitter>(images, pkDiamondButterflies)),
      PlayButtonShine(Make<TShine>(images)),
      MapShine(Make<TShine>(images)),
      EndingShine(Make<TShine>(images)),
      SunShine(Make<TShine>(images)),
      TownPeopleBack(Make<TWalkers>(images)),
      TownPeopleFront(Make<TWalkers>(images)),
      Clouds(Make<TWalkers>(images)),
      Birds(Make<TWalkers>(images)),
      BookButterflies(Make<TWalkers>(images)),
      Film(Make<TFilmOverlay>(images)),
      Fog(Make<TFog>(images)),
      SpentHarvest(Make<TCollector>(images)) {
  // Dust drifts up over the whole screen; the confetti falls from above it.
  Area(*ScreenDust, 0, 40, kFrameWidth, kFrameHeight);
  Area(*Confetti, 200, -30, kFrameWidth - 400, 20);
  Area(*Fireworks, 150, 60, kFrameWidth - 300, 260);
  Area(*NarrationPuffs, 200, 690, kFrameWidth - 400, 40);
  Place(*PlayButtonShine, smSweep, 995, 290, 255, 80, 150);
  Place(*MapShine, smSweep, 1245, 668, 90, 60, 150);
  Place(*EndingShine, smRotate, 383, 84, 600, 600, 1200);
  // Rays turning slowly about the town's sun.
  Place(*SunShine, smRotate, 845, 75, 100, 100, 1200);
  SunShine->Scale = 3.5f;
  SunShine->Alpha = 30;
  EndingShine->Scale = 4;
  EndingShine->Alpha = 60;

  TownPeopleBack->Image = TownPeopleFront->Image = "TownPeople";
  TownPeopleBack->Patterns = TownPeopleFront->Patterns = 4;
  TownPeopleBack->Variants = TownPeopleFront->Variants = 4;
  TownPeopleBack->Lanes = {{40, 880, 470}, {300, 1150, 520}};
  TownPeopleBack->Scale = 0.8f;
  TownPeopleFront->Lanes = {{20, 900, 600}, {500, 1200, 612}};
  Clouds->Image = "TownCloud";
  Clouds->Lanes = {{-100, 1466, 150}, {-100, 1466, 230}, {-100, 1466, 90}};
  Clouds->SpeedMin = 0.5f;
  Clouds->SpeedMax = 0.9f;
  Clouds->Scale = 1.2f;
  Clouds->Alpha = 220;
  Birds->Image = "Birds";
  Birds->Patterns = 8;
  Birds->TicksPerPattern = 3;
  Birds->Lanes = {{-60, 1426, 70}, {-60, 1426, 130}, {-60, 1426, 190}};
  Birds->SpeedMin = 1.4f;
  Birds->SpeedMax = 2.4f;
  Birds->Bob = 6;
  BookButterflies->Image = "DiamondButterfly1";
  BookButterflies->Patterns = 5;
  BookButterflies->TicksPerPattern = 2;
  BookButterflies->Lanes = {{950, 1300, 560}, {120, 800, 420}};
  BookButterflies->Bob = 12;
  BookButterflies->Scale = 0.8f;
}

void TEffectsSet::ResetAll() {
  for (TParticleEmitter* emitter : {ScreenDust.get(), BounceDust.get(), ScoringDust.get(), SlotSparkle.get(),
                                    HitStars.get(), Confetti.get(), Fireworks.get(), TubeBubbles.get(),
                                    NarrationPuffs.get(), DiamondButterflies.get()})
    emitter->Reset();
  for (TShine* shine : {PlayButtonShine.get(), MapShine.get(), EndingShine.get(), SunShine.get()}) shine->Reset();
  for (TWalkers* walkers :
       {TownPeopleBack.get(), TownPeopleFront.get(), Clouds.get(), Birds.get(), BookButterflies.get()})
    walkers->Reset();
  Film->Reset();
  Fog->Reset();
  SpentHarvest->Reset();
  SetRoundPaused(false);
}

void TEffectsSet::EnterFamily(TEffectsFamily family) {
  if (family == FFamily) return;
  FFamily = family;
  ResetAll();
  StartAmbience(family);
}

void TEffectsSet::StartAmbience(TEffectsFamily family) {
  switch (family) {
    case efMenu:
      // The menu stands in front of the town, and the town lives.
      ScreenDust->Start();
      PlayButtonShine->Start();
      StartTown();
      break;
    case efMap:
      ScreenDust->Start();
      MapShine->Start();
      break;
    case efTown:
      StartTown();
      break;
    case efStory:
    case efEnding:
      ScreenDust->Start();
      Film->Start();
      NarrationPuffs->Start();
      if (family == efEnding) EndingShine->Start();
      break;
    case efRound:
      if (RoundMisty) Fog->Start();
      if (TubeWidth > 0) {
        Area(*TubeBubbles, TubeLeft, TubeTop, TubeWidth, TubeHeight);
        TubeBubbles->Start();
      }
      break;
    case efNone:
      break;
  }
}

void TEffectsSet::StartTown() {
  SunShine->Start();
  Clouds->Start(8);
  Birds->Start(5);
  TownPeopleBack->Start(4);
  TownPeopleFront->Start(4);
  BookButterflies->Start(3);
}

void TEffectsSet::SetRoundPaused(bool paused) {
  for (TParticleEmitter* emitter : {BounceDust.get(), SlotSparkle.get(), HitStars.get(), Confetti.get(),
                                    Fireworks.get(), TubeBubbles.get(), DiamondButterflies.get()})
    emitter->Visible = !paused;
  Fog->Visible = !paused;
}

void TEffectsSet::Celebrate() {
  Confetti->Start();
  Fireworks->Start();
}

void TEffectsSet::Purchase(int x, int y, const std::vector<TCollector::TSource>& spent) {
  SpentHarvest->Start(spent, float(x), float(y));
  Fireworks->Start();
  Confetti->Start();
  Area(*ScoringDust, x - 40, y - 20, 80, 40);
  ScoringDust->Start();
}

void TEffectsSet::Restart() {
  ResetAll();
  StartAmbience(FFamily);
}

}  // namespace qm
