// The visual effects: which scene shows which, and the game events that
// start them. Each is drawn at its place in its scene's routine.
#include "effects/EffectsSet.h"
#include "engine/EffectsMode.h"
#include "shell/FormMain.h"

namespace qm {

namespace {

TEffectsFamily FamilyOf(TGameSceneValues scene) {
  switch (scene) {
    case gsMenu:
    case gsOptions:
    case gsHighScores:
    case gsPlayerSelect:
    case gsAddPlayer:
    case gsHelp:
      return efMenu;
    case gsMap:
      return efMap;
    case gsStickerBook:
      return efTown;
    case gsMainGame:
    case gsRoundClear:
    case gsTimeUp:
    case gsTutorial:
    case gsTutorialToolTip:
    case gsObjectiveInfo:
    case gsStageResult:
    case gsInGameMenu:
    case gsInGameOptions:
      return efRound;
    case gsOpeningStory:
      return efStory;
    case gsEndingStory:
      return efEnding;
    default:
      return efNone;
  }
}

}  // namespace

void TFormMain::CreateEffects() {
  Effects = std::make_unique<TEffectsSet>(OmegaImageList1.get());
  RoundPlay->Falling->OnDustEffectRequest = [this](TPoint at) {
    Effects->BounceDust->BurstAt(float(at.X), float(at.Y));
  };
  ElementGather->OnSlotDone = [this](TElementGather& gather, int x) {
    Effects->SlotSparkle->BurstAt(float(x + 20), float(gather.Position().Y + 40));
  };
}

void TFormMain::FollowSceneWithEffects(TGameSceneValues scene) {
  // Questions and credits stand over a scene and keep its family.
  if (scene == gsConfirmWindow || scene == gsCredits) return;
  Effects->EnterFamily(FamilyOf(scene));
}

void TFormMain::StartRoundEffects() {
  constexpr int kMistyIsland = 4;
  Effects->RoundMisty = Progress.IslandIdx == kMistyIsland;
  const bool guardian = State.RoundObjective == goBossMode;
  // Bubbles rise through the tube's liquid, under its glass.
  Effects->TubeLeft = TubeTimer->Left + 8;
  Effects->TubeTop = TubeTimer->Top + 40;
  Effects->TubeWidth = guardian ? 16 : 0;
  Effects->TubeHeight = 280;
  if (Effects->Family() == efRound) Effects->Restart();
}

void TFormMain::MonsterHitStars(int x, int y) { Effects->HitStars->BurstAt(float(x), float(y)); }

void TFormMain::DrawMenuEffects() {
  ShineOver(*Effects->PlayButtonShine, *PlayButton);
  Effects->ScreenDust->TickAndDraw();
}

void TFormMain::DrawMapEffects() {
  ShineOver(*Effects->MapShine, *MapPlayButton);
  Effects->ScreenDust->TickAndDraw();
}

void TFormMain::ShineOver(TShine& shine, const TGameButton& button) {
  // The button slides in with its panel: the shine follows it.
  shine.Left = button.Left;
  shine.Top = button.Top;
  shine.Width = button.Width();
  shine.Height = button.Height();
  shine.TickAndDraw();
}

void TFormMain::DrawCelebration() {
  Effects->ScreenDust->TickAndDraw();
  Effects->ScoringDust->TickAndDraw();
  Effects->Confetti->TickAndDraw();
  Effects->Fireworks->TickAndDraw();
}

}  // namespace qm
