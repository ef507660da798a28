// How the game teaches itself: the guide's scrolls before the levels that
// bring something new, and the tool tips that point at things as they first
// matter. Each is shown once per player, and not at all with tutorials off.
#include <cmath>
#include <utility>

#include "audio/AudioNames.h"
#include "progress/PlayerFiles.h"
#include "shell/FormMain.h"

namespace qm {

namespace {

// The scroll stands in the middle of the screen, its OK under the text and
// the guide beside it.
constexpr int kScrollLeft = 501, kScrollTop = 169;
constexpr int kScrollOKLeft = 122, kScrollOKTop = 296;
constexpr int kGuideLeft = 250, kGuideTop = 330;
constexpr float kGuideScale = 1.5f;
// Entries that make the tool they explain ready: the jar is filled to just
// under that tool's mark, and the last fruits counted in raise it.
constexpr int kFirstToolEntry = 9, kLastToolEntry = 13, kFullJarEntry = 14;
constexpr int kMannaUnderMark = 20;
// The tool tip that points at a spider which has just landed.
constexpr int kSpiderTip = 22;
// The tool tip that points at the power tool just made ready.
constexpr int kPowerToolTip = 6;
constexpr int kSpiderEvent = 3;
constexpr int kToolReadyEvent = 0;
constexpr int kUpgradeSceneTrigger = 0;

}  // namespace

void TFormMain::CreateTutorials() {
  Tutorial = std::make_unique<TWrenTutorial>();
  Tutorial->OmgImgList = OmegaImageList1.get();
  Tutorial->GlobGameText = GlobalGameText.get();
  Tutorial->TextStringsComp = TextStrings.get();
  Tutorial->Left = kScrollLeft;
  Tutorial->Top = kScrollTop;
  Tutorial->ReloadTexts();
  Tutorial->OnSpecificTutorialIdx = [this](TWrenTutorial&, int entry) { FillMannaForTutorial(entry); };
  Tutorial->OnStart = [this](TWrenTutorial&, int entry) {
    TutorialOKButton->Visible = true;
    StoreTutorialFlags();
    SpeakTutorial(entry);
  };
  Tutorial->OnFinish = [this](TWrenTutorial&) { TutorialFinished(); };
  MakeButton(TutorialOKButton, "TutorialOKButton").OnClick = [this](TGameButton&) { Tutorial->Finish(); };
  TutorialOKButton->Left = kScrollLeft + kScrollOKLeft;
  TutorialOKButton->Top = kScrollTop + kScrollOKTop;
  TutorialOKButton->Visible = false;

  ToolTip = std::make_unique<TTutorialToolTip>();
  ToolTip->OmgImgList = OmegaImageList1.get();
  ToolTip->TextStringsComp = TextStrings.get();
  ToolTip->ReloadTexts();
  ToolTip->OnPointingPosRequest = [this](TTutorialToolTip&, int entry, TScreenPoint& at) {
    if (entry == kSpiderTip) at = State.SpiderLanding;
    if (entry == kPowerToolTip) at = ReadyPowerToolEdge().value_or(at);
  };
  ToolTip->OnButtonPosChange = [this](TTutorialToolTip&, int x, int y) {
    ToolTipOKButton->Left = x;
    ToolTipOKButton->Top = y;
  };
  ToolTip->OnStart = [this](TTutorialToolTip&) { ToolTipStarted(); };
  ToolTip->OnFinish = [this](TTutorialToolTip&) { ToolTipFinished(); };
  MakeButton(ToolTipOKButton, "TutorialOKButton").OnClick = [this](TGameButton&) { ToolTip->Finish(); };
  ToolTipOKButton->Visible = false;
}

std::optional<TScreenPoint> TFormMain::ReadyPowerToolEdge() const {
  // The middle of the right edge of the tool that hangs ready, where the
  // panel meets the board.
  for (const auto& tool : CollectorBombTools)
    if (tool->Available && tool->Enabled)
      return TScreenPoint{tool->HitLeft + tool->HitWidth, tool->HitTop + tool->HitHeight / 2};
  return std::nullopt;
}

void TFormMain::ResetTutorials() {
  State.PendingToolTipEvents.clear();
  Tutorial->Reset();
  ToolTip->Reset();
  ToolTip->IslandIdx = Progress.IslandIdx;
  ToolTip->LevelIdx = Progress.LevelIdx;
  TutorialOKButton->Visible = false;
  ToolTipOKButton->Visible = false;
}

bool TFormMain::TutorialApplies() const {
  return Tutorial->Check(Progress.IslandIdx, Progress.LevelIdx, State.RoundObjective);
}

void TFormMain::StartTutorial() {
  GameScene->SetValue(gsTutorial);
  Tutorial->Show(Progress.IslandIdx, Progress.LevelIdx, State.RoundObjective);
}

void TFormMain::TutorialFinished() {
  TutorialOKButton->Visible = false;
  VoicePlayer->StopAll();
  if (GameScene->Value() == gsStickerBook) {
    ToolTip->SceneTrigger(kUpgradeSceneTrigger);
    return;
  }
  if (GameScene->Value() != gsTutorial) return;
  OpenPlay();
  Comment(coGo, {});
  State.LevelStartTipDue = true;
}

void TFormMain::FillMannaForTutorial(int entry) {
  const int full = MannaEnergy->FullRequiredFruits;
  int mark = 0;
  if (entry >= kFirstToolEntry && entry <= kLastToolEntry)
    mark = int(std::lround(full * MannaEnergy->ReqEnergyFactor[std::size_t(entry - kFirstToolEntry)]));
  else if (entry == kFullJarEntry)
    mark = full;
  else
    return;
  MannaEnergy->SetImmediately(std::max(0, mark - kMannaUnderMark));
  for (int fruit = 0; fruit <= kMannaUnderMark; ++fruit) MannaEnergy->AddOne();
}

void TFormMain::SpeakTutorial(int entry) {
  if (entry > VoiceName::TutorialCount) return;
  TVoicePlayer& voices = ReplaceVoicePlayer(TutorialVoiceVolume(SoundVolumeSetting()));
  voices.LoadTutorialVoice(entry);
  voices.PlayVoice(VoiceName::Tutorial(entry));
}

void TFormMain::StoreTutorialFlags() {
  // Written at once: a player who leaves in the middle of the round is not
  // taught the same thing again.
  PlayerRecord.TutorialShown = Tutorial->ExportShown();
  PlayerRecord.ToolTipShown = ToolTip->ExportShown();
  SaveFields([this](TProgressRecord& stored) {
    stored.TutorialShown = PlayerRecord.TutorialShown;
    stored.ToolTipShown = PlayerRecord.ToolTipShown;
  });
}

void TFormMain::ToolTipStarted() {
  ToolTipOKButton->Visible = true;
  StoreTutorialFlags();
  if (GameScene->Value() == gsStickerBook) return;
  GameBoard().Frozen = true;
  GameBoard().CanMatch = false;
  SetEnemiesActive(false);
  TubeTimer->Paused = true;
  GameScene->SetValue(gsTutorialToolTip);
}

void TFormMain::ToolTipFinished() {
  ToolTipOKButton->Visible = false;
  if (GameScene->Value() != gsTutorialToolTip) return;
  GameScene->SetValue(gsMainGame);
  ThawRound();
  ToolTip->CheckMoveTriggers();
}

void TFormMain::ThawRound() {
  GameBoard().Frozen = false;
  GameBoard().CanMatch = true;
  GameBoard().MatchElements();
  SetEnemiesActive(!State.Paused);
  TubeTimer->Paused = State.Paused;
}

void TFormMain::ToolTipEvent(int kind) {
  // Whatever happens while a scroll or another tip is up is told once play
  // goes on: the hammer's scroll itself fills the jar to the hammer's mark.
  State.PendingToolTipEvents.insert(kind);
}

void TFormMain::RaisePendingToolTips() {
  // A tip freezes the board: it waits until nothing on it moves, or the
  // cascade would stand still with holes in it.
  if (GameScene->Value() != gsMainGame || RoundPlay->Moving()) return;
  if (std::exchange(State.LevelStartTipDue, false)) ToolTip->LevelStart();
  for (int kind : std::exchange(State.PendingToolTipEvents, {})) ToolTip->EventTrigger(kind);
  ToolTip->CheckMoveTriggers();
}

void TFormMain::SpiderLanded(TPoint tile) {
  const TPoint corner = GameBoard().TilePixel(tile);
  State.SpiderLanding = {corner.X + TileSize / 2, corner.Y + TileSize / 2};
  Effects->BounceDust->BurstAt(float(State.SpiderLanding.X), float(corner.Y + TileSize));
  ToolTipEvent(kSpiderEvent);
}

void TFormMain::ToolReadyForTheFirstTime() { ToolTipEvent(kToolReadyEvent); }

int TFormMain::GuidePose() {
  // The guide talks while the scroll's words come, then points at its OK.
  constexpr int kIdle = 0, kTalking = 1, kPointing = 2, kTalkTicks = 100, kBeakTicks = 8;
  State.GuideTicks = Tutorial->Visible() ? State.GuideTicks + 1 : 0;
  if (State.GuideTicks >= kTalkTicks) return kPointing;
  return (State.GuideTicks / kBeakTicks) % 2 == 0 ? kTalking : kIdle;
}

void TFormMain::TutorialsRoutine() {
  const int pose = GuidePose();
  if (Tutorial->Visible())
    DrawImage(*OmegaImageList1, "SmallWren", kGuideLeft, kGuideTop, pose, int(std::lround(Tutorial->Fade() * 255)),
              kGuideScale);
  Tutorial->TickAndDraw();
  TutorialOKButton->Draw();
  ToolTip->TickAndDraw();
  ToolTipOKButton->Draw();
}

TGameButton* TFormMain::TutorialButtonOpen() const {
  if (Tutorial->Visible() && TutorialOKButton->Visible) return TutorialOKButton.get();
  if (ToolTip->Showing() && ToolTipOKButton->Visible) return ToolTipOKButton.get();
  return nullptr;
}

TGameButton* TFormMain::TutorialButtonReady() const {
  TGameButton* ok = TutorialButtonOpen();
  if (ok == nullptr) return nullptr;
  // A click meant for the board as the words appear must not send them away
  // unread: the OK takes clicks once the scroll or tip stands in full.
  const float fade = ok == TutorialOKButton.get() ? Tutorial->Fade() : ToolTip->Fade();
  return fade >= 1 ? ok : nullptr;
}

}  // namespace qm
