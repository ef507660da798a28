// A round from start to result: the level is loaded and applied, the board
// plays, the objectives count down, the timer runs, and a win leads through
// the medal and the result window to the next level.
#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

#include "board/BoardImages.h"
#include "audio/AudioNames.h"
#include "shell/FormMain.h"
#include "shell/ShellTextAreas.h"
#include "text/GameTextIds.h"

namespace {
constexpr int kRoundPocketLeft = 1080, kRoundPocketTop = 694;
}

namespace qm {

namespace {


}  // namespace

void TFormMain::CreateRoundComponents() {
  TOmegaImageList* images = OmegaImageList1.get();
  LevelParams = std::make_unique<TLevelParams>();
  LevelParams->LevelFilesPath = Folders.LevelsFolder;
  LevelParams->OnShowMessage = [this](TLevelParams&, const std::string& text) {
    FPlatform.MessageBox->Show(text, "Message", TMessageBoxKind::mbInformation);
  };
  LevelParams->OnProblem = [this](const std::string& problem) { ReportOnce(problem); };

  RoundPlay = std::make_unique<TRoundPlay>();
  RoundPlay->SetImageList(images);

  ElementGather = std::make_unique<TElementGather>();
  ElementGather->OmgImgList = images;
  ObjectiveInfo = std::make_unique<TObjectiveInfo>();
  ObjectiveInfo->OmgImgList = images;
  TubeTimer = std::make_unique<TTubeTimer>();
  TubeTimer->OmgImgList = images;
  TubeTimer->Left = 1294;
  TubeTimer->HideLeft = 1420;
  TubeTimer->Top = 362;
  TubeTimer->MaxPixelProgress = 305;

  RoundScore = std::make_unique<TRoundScore>();
  Combos = std::make_unique<TCombos>();
  Combos->OmgImgList = images;
  CombosConveyer = std::make_unique<TCombosConveyer>();
  CombosConveyer->OmgImgList = images;
  EnergyBonusPopper = std::make_unique<TEnergyBonusPopper>();
  EnergyBonusPopper->OmgImgList = images;
  TotalScore = std::make_unique<TJackpotScore>();
  TotalScore->OmgImgList = images;
  TotalScore->DigitImg = "Score";
  TotalScore->DigitBlurImg = "ScoreBlur";
  TotalScore->ShowLeadingZeros = false;
  TotalScore->AutoCentered = true;
  TotalScore->Increment = 9;
  TotalScore->SetDigits(6);

  TopPanel = std::make_unique<TGameMenuWindow>();
  TopPanel->OmgImgList = images;
  TopPanel->WindowImg = "TopPanel";
  TopPanel->Left = 2;
  TopPanel->Top = 0;
  TopPanel->HidingYPos = -85;
  TopPanel->ShowDir = sdToDown;
  TopPanel->MoveStep = 1;
  TopPanel->OnPosUpdate = [this](TGameMenuWindow&, TScreenPoint position) {
    TotalScore->Left = position.X + 1050;
    TotalScore->Top = position.Y + 25;
    PlaceCountedTools(position);
    PlaceInGameMenuButton(position);
  };
  // The objectives' backing hangs from the top bar, under the counters.
  ElementsPanelMover = std::make_unique<TPanelMover>();
  ElementsPanelMover->Left = ElementsPanelMover->HideLeft = 373;
  ElementsPanelMover->Top = 40;
  ElementsPanelMover->HideTop = -80;
  ElementsPanelMover->VertStep = 2;
  LeftPanel = std::make_unique<TGameMenuWindow>();
  LeftPanel->OmgImgList = images;
  LeftPanel->WindowImg = "LeftPanel";
  LeftPanel->Left = -4;
  LeftPanel->Top = 232;
  // Its picture's width: hidden, not a sliver of it shows.
  LeftPanel->HidingXPos = -134;
  LeftPanel->ShowDir = sdToRight;
  LeftPanel->MoveStep = 1;

  MannaEnergy = std::make_unique<TMannaEnergy>();
  MannaEnergy->OmgImgList = images;
  // Our jar's liquid (80 rows) fills the glass from its bottom, row 96 of
  // the jar's picture.
  MannaEnergy->LiquidAdjustY = 16;
  LeftPanel->OnPosUpdate = [this](TGameMenuWindow&, TScreenPoint position) {
    MannaEnergy->Left = position.X + 14;
    MannaEnergy->Top = position.Y + 408;
    PlacePowerTools(position);
  };

  WireRoundPlay();
  WireRoundRules();
  WireResultWindow();
  WireManna();
  CreateTools();
  CreateEnemies();
}

void TFormMain::WireManna() {
  RoundScore->OnMannaUnitsAdd = [this](TRoundScore&, int units) {
    for (int unit = 0; unit < units; ++unit) MannaEnergy->AddOne();
  };
  // The tool of each threshold; the order of the manna table.
  static constexpr TPowerTool kToolOfThreshold[TMannaEnergy::ThresholdCount] = {
      ptHammer, ptBomb, ptHorzLightning, ptVertLightning, ptBlaster, ptBigBomb};
  MannaEnergy->OnEnergyFactorReached = [this](int threshold) {
    EnableToolsUpTo(threshold);
    if (!State.PowerTools[kToolOfThreshold[threshold - 1]]) return;
    static constexpr const char* kNotify[] = {"MannaNotify1", "MannaNotify1", "MannaNotify2",
                                              "MannaNotify2", "MannaNotify3", "MannaNotify3"};
    PlaySound(kNotify[threshold - 1]);
    if (threshold == 1) ToolReadyForTheFirstTime();
  };
  MannaEnergy->OnBelowEnergyFactor = [this](int threshold) { DisableToolsFrom(threshold); };
}

void TFormMain::WireRoundPlay() {
  RoundPlay->OnPlaySound = SoundRequest();
  RoundPlay->OnPlayerMove = [this] {
    if (GameScene->Value() == gsMainGame) ToolTip->CountMove();
  };
  RoundPlay->OnGroupRequested = [this](const TBoardData& data, const TSimpleObjectArray& mask) {
    Combos->Check(data, mask);
    Spiders->KnockOffCleared(mask);
  };
  RoundPlay->OnGroupCleared = [this](const TBoardData& data, const TSimpleObjectArray& mask, bool blaster) {
    RoundScore->GroupCleared(mask, blaster);
    EarnClearedTiles(data, mask);
  };
  RoundPlay->OnGoldTileRemoved = [this](TPoint, std::uint8_t) {
    RoundScore->GoldTileRemoved();
    BuySlots->AddOwned(elGoldTile, GoldTileEarning(BuySlots->Flags(), Progress.IslandIdx));
  };
  RoundPlay->OnNoMoreMoves = [this] { Comment(coNoMoreMoves, {}); };
  // Needed pieces count on the objectives panel when they land on it.
  RoundPlay->OnRequiredQuestion = [this](TIndividualElementKind kind, bool& required) {
    required = ElementGather->IsRequired(kind);
  };
  RoundPlay->OnSlotPosRequest = [this](TIndividualElementKind kind, TPoint& pos) {
    pos = ElementGather->SlotPosition(kind);
  };
  RoundPlay->OnPieceArrived = [this](TElementKind kind, std::uint8_t index) { ElementGather->Collect(kind, index); };
  RoundPlay->OnPotionDelivered = [this](std::uint8_t index) {
    RoundScore->FlowerDelivered();
    ElementGather->Collect(elPotion, index);
    const TPoint slot = ElementGather->SlotPosition(TIndividualElementKind(iePotion1 + index - 1));
    Effects->DiamondButterflies->BurstAt(float(slot.X), float(slot.Y));
  };
}

void TFormMain::WireRoundRules() {
  auto playSound = SoundRequest();
  ElementGather->OnPlaySound = playSound;
  Combos->OnPlaySound = playSound;
  TotalScore->OnPlaySound = playSound;
  ElementGather->OnComplete = [this](TElementGather&) {
    if (State.RoundObjective == goNormalMode) RoundWon();
  };
  TubeTimer->OnTimeUp = [this](TTubeTimer&) { TimeUp(); };
  TubeTimer->OnAlmostTimeUp = [this](TTubeTimer&) {
    if (State.RoundObjective == goBossMode) Comment(coTimeRunningOut, {});
  };
  // A level with something new to learn says "Go" once the guide is done.
  ObjectiveInfo->OnStartHiding = [this](TObjectiveInfo&) {
    if (!TutorialApplies()) Comment(coGo, {});
  };
  ObjectiveInfo->OnHidingComplete = [this](TObjectiveInfo&) {
    if (TutorialApplies()) {
      StartTutorial();
      return;
    }
    OpenPlay();
    State.LevelStartTipDue = true;
  };

  RoundScore->OnTotalScoreAdd = [this](TRoundScore&, int points) { TotalScore->SetTarget(TotalScore->Value() + points); };
  RoundScore->OnEnergyBonusRequest = [this](TRoundScore&, int look) { EnergyBonusPopper->Start(look); };
  Combos->OnAComboDoneShowing = [this](TCombos&, int matchX, TPoint position) {
    if (!State.RoundOver) CombosConveyer->Launch(matchX, position);
  };
  CombosConveyer->OnAComboArrives = [this](TCombosConveyer&, int matchX) { RoundScore->ComboArrived(matchX); };

  RoundPlay->LockersAway->OnAboutSpreading = [this] {
    TubeTimer->SlideOut();
    LeftPanel->Hide();
    TopPanel->Hide();
    ElementsPanelMover->Hide();
    if (State.RoundObjective == goNormalMode) ElementGather->HidePanel();
  };
  RoundPlay->LockersAway->OnFinished = [this] {
    GameScene->SetValue(gsStageResult);
    ResultWindow->Show();
  };
  RoundPlay->LostBoard->OnTimeForDialogWindow = [this] { AskConfirm(0, pbYes, nbNo); };
}

void TFormMain::WireResultWindow() {
  ResultWindow = std::make_unique<TGameMenuWindow>();
  ResultWindow->OmgImgList = OmegaImageList1.get();
  SetupResultWindow(*ResultWindow);
  ResultMedal = std::make_unique<TResultMedal>();
  ResultMedal->OmgImgList = OmegaImageList1.get();
  ResultStats = std::make_unique<TResultStats>();
  ResultStats->OmgImgList = OmegaImageList1.get();
  ResultStats->GlobGameText = GlobalGameText.get();
  ResultStats->Labels = {GameText(GameTextId::ResultTimeLabel), GameText(GameTextId::ResultScoreLabel),
                         GameText(GameTextId::ResultBonusLabel)};
  ResultShine = std::make_unique<TResultFeatureShine>();
  ResultShine->OmgImgList = OmegaImageList1.get();
  auto playSound = SoundRequest();
  ResultMedal->OnPlaySound = playSound;
  ResultStats->OnPlaySound = playSound;
  MakeButton(ResultOKButton, "WindowOKButton");
  qm::WireResultWindow(*ResultWindow, *ResultMedal, *ResultStats, *ResultShine, *ResultOKButton);
  ResultWindow->OnHidingComplete = [this](TGameMenuWindow&) { ResultWindowHidden(); };
}

void TFormMain::EarnClearedTiles(const TBoardData& data, const TSimpleObjectArray& mask) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!mask.At(x, y)) continue;
      const TEarning earning = ClearedTileEarning(data.At(x, y).Element, Progress.IslandIdx);
      if (earning.Amount > 0) BuySlots->AddOwned(earning.Kind, earning.Amount);
    }
}

void TFormMain::PlaceBoard(TPoint origin) {
  RoundPlay->PlaceBoard(origin);
  Combos->BoardLeft = origin.X;
  Combos->BoardTop = origin.Y;
  PlaceToolsOnBoard(origin);
  PlaceEnemies(origin);
}

void TFormMain::ResetRoundComponents() {
  RoundScore->Clear();
  RoundComment->HideNow();
  State.CommentFinished = {};
  ResetTutorials();
  State.RoundOver = false;
  SceneTransition->Cancel();
  TubeTimer->Reset();
  ObjectiveInfo->Reset();
  RoundPlay->Reset();
  Combos->Clear();
  CombosConveyer->Clear();
  EnergyBonusPopper->Reset();
  MannaEnergy->Reset();
  ResetTools();
  ResetEnemies();
  ResultMedal->Reset();
  ResultStats->Reset();
  ResultShine->Reset();
  ResultWindow->HideNow();
  SetPaused(false);
  State.PausedBeforeMenu = false;
  State.PlayOpened = false;
}

void TFormMain::StartLevel() {
  State.PowerTools = PowerToolsAvailable(Progress.IslandIdx, Progress.LevelIdx);
  ResetRoundComponents();
  BuySlots->ClearEarnings();
  SetUpLevel();
  LeftPanel->Show();
  TopPanel->Show();
  TubeTimer->Start();
  // A boss round has no objectives panel: its monster is the objective.
  ElementGather->Visible = State.RoundObjective == goNormalMode;
  if (State.RoundObjective == goNormalMode) {
    ElementsPanelMover->Show();
    ElementGather->ShowPanel();
    State.RoundMusicCounter = State.RoundMusicCounter % 3 + 1;
    RequestMusic(MusicTrack::MainGame1 + State.RoundMusicCounter - 1);
  } else {
    ElementsPanelMover->HideNow();
  }
  State.MissionNumber = Progress.IslandIdx;
  StartRoundEffects();
  SceneTransition->Start(GameScene->Value(), gsObjectiveInfo);
  ObjectiveInfo->Show(State.RoundObjective);
}

void TFormMain::RestartLevel() {
  BuySlots->RevertEarnings();
  StartLevel();
}

void TFormMain::AbandonRound() {
  SubmitScore();
  BuySlots->RevertEarnings();
  // The question closes over the round it was asked in: the menu is entered
  // from the round, as from the map, and slides its panels in.
  GameScene->SetValue(State.RememberedScene);
  SceneTransition->Start(GameScene->Value(), gsMenu);
}

void TFormMain::SetUpLevel() {
  LevelParams->Load(Progress.IslandIdx, Progress.LevelIdx);
  const TLevelRecord& level = LevelParams->Record();
  State.RoundObjective = level.GameObjective;
  ElementGather->StartRound();
  // Two bought upgrades change every later round.
  const bool upgradedTiles = (BuySlots->Flags() & UpgradedTilesFlag) != 0;
  const bool upgradedPotions = (BuySlots->Flags() & SecondPotionsFlag) != 0;
  for (int slot = 0; slot < TElementGather::SlotCount; ++slot) {
    auto kind = TIndividualElementKind(slot);
    ElementGather->SetTarget(kind, level.RoundTarget(kind, upgradedTiles, upgradedPotions));
  }
  TubeTimer->Time = level.Time;
  // A damaged level cannot make the jar bottomless or empty.
  MannaEnergy->FullRequiredFruits = std::max(1, level.FullRequiredFruits);
  SetUpEnemies(level);
  TubeTimer->GameObjective = level.GameObjective;
  TubeTimer->Paused = true;
  ResultMedal->SetRoundTime(level.Time);
  TubeTimer->GoldSeconds = ResultMedal->GoldReqTime;
  TubeTimer->SilverSeconds = ResultMedal->SilverReqTime;
  State.RoundWonOnce = false;
  // The level sets the uni fruits; every other special waits for whoever
  // asks for it in this round.
  TGameBoard& board = GameBoard();
  board.OneUniFruitEveryInterval = level.OneUniFruitEveryInterval;
  board.MaxUniFruitOnBoard = level.MaxUniFruitOnBoard;
  board.OneMultiBubbleEveryProb = board.OneHammerEveryProb = board.OneFruitBombEveryInterval = 0;
  board.OneMagicKeyEveryProb = board.OneBroomEveryProb = board.OneAerosolEveryProb = 0;
  PlaceBoard(level.BoardOrigin());
  RoundPlay->SetTileKind(upgradedTiles ? tkUpgraded : tkStandard);
  RoundPlay->StartRound(level.BoardSetUp(upgradedPotions));
}

void TFormMain::OpenPlay() {
  GameScene->SetValue(gsMainGame);
  State.PlayOpened = true;
  TubeTimer->Paused = State.Paused;
  SetEnemiesActive(!State.Paused);
}

void TFormMain::RoundWon() {
  if (State.RoundWonOnce) return;
  State.RoundWonOnce = true;
  State.RoundOver = true;
  TubeTimer->Paused = true;
  ToolTip->Reset();
  ToolTipOKButton->Visible = false;
  GameBoard().Frozen = false;
  GameBoard().CanMatch = false;
  DropCarriedTools();
  EnemiesLeaveTheBoard();
  RoundPlay->FinishShuffle();

  const TLevelRecord& level = LevelParams->Record();
  int elapsed = TubeTimer->PlayingSeconds();
  TMedalKind medal = ResultMedal->Decide(elapsed);
  ResultStats->SetResults(elapsed, RoundScore->LevelScore(), medal, level.BonusElementKind, level.BonusElementCount);
  ResultStats->Title = GameText(medal == mdGold     ? GameTextId::ResultGoldTitle
                                : medal == mdSilver ? GameTextId::ResultSilverTitle
                                                    : GameTextId::ResultBronzeTitle);
  BuySlots->KeepEarnings();
  if (medal == mdGold) BuySlots->AddOwned(level.BonusElementKind, float(level.BonusElementCount));

  GameScene->SetValue(gsRoundClear);
  RequestMusic(MusicTrack::LevelClear);
  // The jingle plays once; the town's music follows it under the results.
  MusicBox->FollowWith(MusicTrack::Upgrade);
  SubmitScore();
  // The island's next level follows, after a boss too: only the island's
  // last upgrade opens the next island (see CheerPeak), and a resume point
  // on an island still closed would start this one again from level 1.
  // A level played again never moves the resume point back.
  const std::pair next{Progress.IslandIdx, Progress.LevelIdx + 1};
  if (next > std::pair{Progress.NextUncompletedIslandIdx, Progress.NextUncompletedLevelIdx})
    std::tie(Progress.NextUncompletedIslandIdx, Progress.NextUncompletedLevelIdx) = next;
  SaveProgress(true);
  Effects->Celebrate();
  Comment(State.RoundObjective == goBossMode ? coBossVictory : coGameRoundClear, [this] { AfterWin(); });
}

void TFormMain::AfterWin() { RoundPlay->ClearAway(); }

void TFormMain::ResultWindowHidden() { SceneTransition->Start(gsStageResult, gsStickerBook); }

void TFormMain::TimeUp() {
  if (State.RoundObjective != goBossMode) {
    // A normal level goes on: the player is told what the empty tube means.
    Comment(coMedalTimeOver, {});
    return;
  }
  GameScene->SetValue(gsTimeUp);
  DropCarriedTools();
  EnemiesLeaveTheBoard();
  RoundPlay->FallApart();
  Comment(coTimeUp, {});
  SubmitScore();
  BuySlots->RevertEarnings();
}

void TFormMain::DrawIslandAndLevel() {
  // "Level" and island-level in the top panel, between the tool counters
  // and the objectives, sliding with the panel.
  constexpr int kLeft = 338, kDigitGap = 13;
  constexpr float kScale = ShellText::LevelLabelScale;
  if (TopPanel->State() == mwHidden) return;
  const int slide = TopPanel->Position().Y - TopPanel->Top;
  const int textY = 26 + slide, digitTop = 16 + slide;
  const std::string& word = GameText(GameTextId::LevelLabel);
  GlobalGameText->DrawTextShadow(GlobalGameText->LeftEdgeAt(kLeft, kScale), textY, word, kScale, 0, 255,
                                 ShellText::LevelLabelWidth, TextColor::White);
  int x = kLeft + GlobalGameText->TextWidth(word, 0, kScale) + 6;
  const auto digits = [&](int number) {
    for (char digit : std::to_string(number)) {
      DrawImage(*OmegaImageList1, "LevelInfoDigit", float(x), float(digitTop), digit - '0');
      x += kDigitGap;
    }
  };
  digits(Progress.IslandIdx);
  GlobalGameText->DrawTextShadow(GlobalGameText->LeftEdgeAt(x, kScale), textY, "-", kScale, 0, 255, 0,
                                 TextColor::White);
  x += GlobalGameText->TextWidth("-", 0, kScale) + 1;
  digits(Progress.LevelIdx);
}

void TFormMain::DrawElementsPlank(int top) {
  // The plank holds the counters under the objective pieces: it is as wide
  // as they are, its ends kept and its middle stretched, so that no empty
  // board hangs beside them.
  TImageListItem* plank = OmegaImageList1->FindImage("ElementsPanel");
  if (!plank || ElementGather->ActiveCount() == 0) return;
  constexpr int kMargin = 14, kEnd = 28;
  const int picture = plank->PictureWidth(), height = plank->PictureHeight();
  const int left = ElementGather->PanelLeft() - kMargin;
  const int width = std::max(2 * kEnd, ElementGather->PanelWidth() + 2 * kMargin);
  const float stretch = float(width - 2 * kEnd) / float(picture - 2 * kEnd);
  plank->DrawPart(0, 0, kEnd, height, float(left), float(top), 0, 0, 0, 1, 1, 255, 255, 255, 255, 0);
  plank->DrawPart(kEnd, 0, picture - kEnd, height, float(left + kEnd), float(top), 0, 0, 0, stretch, 1, 255, 255,
                  255, 255, 0);
  plank->DrawPart(picture - kEnd, 0, picture, height, float(left + width - kEnd), float(top), 0, 0, 0, 1, 1, 255,
                  255, 255, 255, 0);
}

void TFormMain::RoundRoutine() {
  ElementsPanelMover->Update();
  ImageLoader->DrawLateImage("GameBG" + std::to_string(State.MissionNumber), 0, 0, false);
  Effects->Fog->TickAndDraw();
  RoundPlay->TickBoardLayer();
  MonsterRoutine();
  Effects->BounceDust->TickAndDraw();
  RoundPlay->TickEffectsLayer();
  // Over the fruit in flight, one of which has just struck.
  Effects->HitStars->TickAndDraw();
  SpidersRoutine();
  RoundPlay->TickBlastsLayer();
  // Once this tick's board has stepped: a tip raised now stops the next move.
  RaisePendingToolTips();
  RoundComment->UpdateAndDraw();
  DrawElementsPlank(ElementsPanelMover->CurrentPos().Y);
  TubeTimer->TickAndDraw();
  Effects->TubeBubbles->TickAndDraw();
  AbsorbedEnergy->TickAndDraw();
  LeftPanel->Update();
  TopPanel->Update();
  LeftPanel->Draw();
  TopPanel->Draw();
  DrawIslandAndLevel();
  // The jar sits in the tool panel, drawn over it.
  MannaEnergy->TickAndDraw();
  TotalScore->TickAndDraw();
  // What the round has brought in so far, under the tube's foot.
  DrawPocket(kRoundPocketLeft, kRoundPocketTop);
  Combos->TickAndDraw();
  CombosConveyer->TickAndDraw();
  EnergyBonusPopper->TickAndDraw();
  ElementGather->TickAndDraw();
  Effects->SlotSparkle->TickAndDraw();
  Effects->DiamondButterflies->TickAndDraw();
  InGameMenuButton->Draw();
  ToolsRoutine();
  RoundPlay->TickFlights();
  DrawPausedLabel();
  DrawCelebration();
  TutorialsRoutine();
}

void TFormMain::ObjectiveInfoRoutine() {
  RoundRoutine();
  ObjectiveInfo->TickAndDraw();
}

void TFormMain::StageResultRoutine() {
  RoundRoutine();
  ResultWindow->Update();
  ResultWindow->Draw();
  ResultShine->TickAndDraw();
  ResultOKButton->Draw();
  ResultMedal->TickAndDraw();
  ResultStats->TickAndDraw();
}

// The board takes clicks while its pieces fall and clear: each tile decides
// for itself whether it can be picked. A tool in the hand takes the click
// instead: a tool's click never picks the tile under it as well.
void TFormMain::RoundMouseDown(int x, int y, TMouseButton button) {
  if (button == TMouseButton::mbLeft) GameBoard().SetDragging(true);
  InGameMenuButton->MouseDown(x, y, button);
  const bool toolInHand = CountedToolActive() || PowerToolCarried();
  ToolsMouseDown(x, y, button);
  // A hammer's blow or a blaster wave on its way holds the board.
  if (toolInHand || CountedToolActive() || PowerToolCarried() || RoundPlay->BoardBusy()) return;
  // A player already at the pieces does not need to be told to go.
  if (RoundComment->CommentKind() == coGo) RoundComment->FinishWaving();
  GameBoard().MouseDown(x, y, button == TMouseButton::mbLeft ? 0 : 1);
}

void TFormMain::RoundMouseMove(int x, int y) {
  InGameMenuButton->MouseMove(x, y);
  ToolsMouseMove(x, y);
  if (CountedToolActive() || PowerToolCarried()) return;
  GameBoard().MouseMove(x, y);
  // Dragging a piece onto its neighbour swaps like a second click.
  if (GameBoard().Dragging() && !RoundPlay->BoardBusy()) GameBoard().MouseDown(x, y, 0);
}

void TFormMain::RoundMouseUp(int x, int y) {
  GameBoard().SetDragging(false);
  InGameMenuButton->MouseUp(x, y);
}

}  // namespace qm
