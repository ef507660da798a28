#include "board/RoundPlay.h"

namespace qm {

TRoundPlay::TRoundPlay()
    : Board(std::make_unique<TGameBoard>()),
      Swap(std::make_unique<TSwapEffect>()),
      Grouped(std::make_unique<TGroupedElementsEffect>()),
      Opening(std::make_unique<TOpeningLockers>()),
      LockerFrames(std::make_unique<TLockerFrames>()),
      ChainLocks(std::make_unique<TChainLockEffect>()),
      Webs(std::make_unique<TBurstEffects>()),
      ShuffleAway(std::make_unique<TShuffleAwayEffect>()),
      LockerFiller(std::make_unique<TLockerFiller>()),
      LockersAway(std::make_unique<TLockersAwayEffect>()),
      LostBoard(std::make_unique<TLostBoardEffect>()),
      Border(std::make_unique<TBoardBorder>()),
      Flowing(std::make_unique<TFlowingElements>()),
      Falling(std::make_unique<TFallingElements>()),
      Diamonds(std::make_unique<TNewDiamondEffect>()),
      Hammer(std::make_unique<THammerEffect>()),
      Hammered(std::make_unique<THammeredObjectsEffect>()),
      UniBubbles(std::make_unique<TBurstEffects>()),
      Explosions(std::make_unique<TBurstEffects>()),
      Stars(std::make_unique<TBurstEffects>()),
      HammerTool(std::make_unique<THammerEffect>()),
      Collector(std::make_unique<TBurstEffects>()),
      Lightning(std::make_unique<TLightningEffect>()),
      BigBomb(std::make_unique<TBigBombEffect>()) {
  // A torn web twists and fades as it comes apart.
  Webs->Image = "Web";
  Webs->Patterns = 6;
  Webs->TicksPerPattern = 2;
  Webs->FadeOut = true;
  Webs->SpinPerFrame = 4;
  UniBubbles->Image = "BubblePopRing";
  UniBubbles->Patterns = 4;
  UniBubbles->Overhang = 4;
  Explosions->Image = "Explosion";
  Explosions->Patterns = 6;
  Explosions->Overhang = 26;
  Stars->Image = "LittleStars";
  Stars->Patterns = 2;
  Stars->TicksPerPattern = 6;
  Stars->Overhang = -14;
  Collector->Image = "CollectorWave";
  Collector->Patterns = 7;
  Collector->TicksPerPattern = 2;
  Collector->Overhang = 22;
  Collector->FadeOut = true;
  WireSwaps();
  WireClearing();
  WireFlights();
  WireRegeneration();
  WireSpecials();
  WireTools();
}

TRoundPlay::~TRoundPlay() = default;

void TRoundPlay::WireSwaps() {
  Board->OnSwapEffectRequest = [this](const TSwappedObjectsData& data, bool matchOccurs) {
    Swap->Start(data, matchOccurs);
    if (matchOccurs && OnPlayerMove) OnPlayerMove();
  };
  // Both ends of a swap look for lines: the new one after a swap, lines
  // formed elsewhere meanwhile after a swap back.
  auto swapDone = [this](TTileObjectKind kind, TPoint a, TPoint b, bool back) {
    if (back)
      Board->SwapBackCompleted(a, b);
    else
      Board->SwapCompleted(a, b);
    if (kind == okLocker) Board->MatchLockers();
    if (kind == okFruit) Board->MatchElements();
  };
  Swap->OnEffectComplete = [swapDone](TTileObjectKind kind, TPoint a, TPoint b) { swapDone(kind, a, b, false); };
  Swap->OnSwapBackComplete = [swapDone](TTileObjectKind kind, TPoint a, TPoint b) { swapDone(kind, a, b, true); };
}

void TRoundPlay::WireClearing() {
  // Every grouped clearing counts for the combos, whatever set it off.
  Board->OnGroupedElementsEffectRequest = [this](const TBoardData& data, const TSimpleObjectArray& mask, bool,
                                                 bool blaster) {
    if (OnGroupRequested) OnGroupRequested(data, mask);
    Grouped->Start(data, mask, blaster);
  };
  // The board empties the cells first, so whatever the credits lead to (a
  // won round among them) finds the group gone.
  Grouped->OnGroupingEffectComplete = [this](const TBoardData& data, const TSimpleObjectArray& mask, bool blaster) {
    Board->GroupedCleared(mask);
    Board->ExplodeFruitBombs(data, mask);
    if (OnGroupCleared) OnGroupCleared(data, mask, blaster);
    SendAway(data, mask);
  };
  Board->OnFallingElementsEffectRequest = [this](const TBoardData& data, const TSimpleObjectArray& mask) {
    if (OnGroupCleared) OnGroupCleared(data, mask, false);
    SendAway(data, mask);
  };
  Grouped->OnNewToolAcquired = [this](TPoint p, int code) {
    Board->CellCleared(p);
    if (OnToolCollected) OnToolCollected(p, code);
  };
  Grouped->OnNewFlowerAcquired = [this](TPoint p) { Board->CellCleared(p); };

  Board->OnOpeningLockersEffectRequest = [this](const TBoardData& data, const TSimpleObjectArray& mask) {
    Opening->Start(data, mask);
  };
  Opening->OnOpeningEffectComplete = [this](const TSimpleObjectArray& mask, bool last) {
    Board->LockersOpened(mask);
    if (!last) return;
    Board->CheckNoMoreMoves();
    Board->MatchElements();
  };

  Board->OnRemoveLockerFrames = [this](const TSimpleObjectArray& mask) { LockerFrames->RemoveFrames(mask); };
  LockerFrames->OnLockerFrameEffectRequest = [this](TPoint p, std::uint8_t before) {
    if (OnGoldTileRemoved) OnGoldTileRemoved(p, before);
    if (Required(LockerFrames->TileKind == tkUpgraded ? ieGoldTile2 : ieGoldTile1)) Flowing->StartGoldTile(p);
  };
  Board->OnTimeToDrawBoardBorder = [this] {
    FUnderLayerDrawn = true;
    Border->TickAndDraw();
  };
  Board->OnTimeToDrawLockerFrames = [this] { LockerFrames->TickAndDraw(); };
  Board->OnChainLockEffectRequest = [this](TPoint p, std::uint8_t level) { ChainLocks->Start(p, level); };
  Board->OnWebEffectRequest = [this](TPoint p) { Webs->Start(p); };
}

void TRoundPlay::WireFlights() {
  auto slotPos = [this](TIndividualElementKind kind, TPoint& pos) {
    if (OnSlotPosRequest) OnSlotPosRequest(kind, pos);
  };
  Flowing->OnSlotPosRequest = slotPos;
  Diamonds->OnPlaceRequest = slotPos;
  Flowing->OnOneFruitArrived = [this](TElementKind kind, std::uint8_t index) {
    if (OnPieceArrived) OnPieceArrived(kind, index);
  };
  Diamonds->OnFinished = [this](TElementKind, std::uint8_t index) {
    if (OnPotionDelivered) OnPotionDelivered(index);
  };
}

void TRoundPlay::WireRegeneration() {
  Board->OnNoMoreMoves = [this] {
    if (OnNoMoreMoves) OnNoMoreMoves();
    Regenerate();
  };
  ShuffleAway->OnFinished = [this](const TBoardData& fresh) {
    Board->LoadBoardData(fresh);
    Board->CanDraw = true;
    BringBoardIn();
    Board->ResetNoMoreMoves();
    Board->MatchLockers();
    Board->MatchElements();
  };
  // The first board may hold a line the generator could not avoid, or no
  // move at all: the passes clear the line and a board without a move is
  // replaced at once, before the player's first move.
  LockerFiller->OnFinish = [this] {
    Board->CanDraw = true;
    BringBoardIn();
    Board->MatchLockers();
    Board->MatchElements();
    Board->CheckNoMoreMoves();
    if (OnFilled) OnFilled();
  };
}

void TRoundPlay::WireSpecials() {
  Board->OnPlaySound = [this](const std::string& sound) {
    if (OnPlaySound) OnPlaySound(sound);
  };
  Board->OnUniBubbleEffectRequest = [this](TPoint p) { UniBubbles->Start(p); };
  Board->OnMultiBubbleClicked = [this](TPoint p, TPoint, int) {
    if (OnPlaySound) OnPlaySound("Collector");
    Stars->Start(p);
    Collector->Start(p);
    Board->StartBlasterWave(p);
  };
  Board->OnStarsEffectRequest = [this](TPoint p) { Stars->Start(p); };
  Board->OnExplossionEffectRequest = [this](TPoint p) { Explosions->Start(p); };
  Board->OnEnemiesBanned = [this](const TSimpleObjectArray& cells) {
    if (OnEnemiesBanned) OnEnemiesBanned(cells);
  };
  Board->OnHammerEffectRequest = [this](TPoint p) { Hammer->Start(p); };
  Hammer->OnHit = [this](TPoint p) {
    HammerLands(p);
    Board->HammerStrike(p);
  };
  Board->OnHammeredObjectsEffectRequest = [this](const TBoardData& data, const TSimpleObjectArray& mask) {
    Hammered->Start(Hammer->Target(), data, mask);
  };
  Hammered->OnFinish = [this] { Board->HammeredCleared(); };
  // A fairy restores what a worm ate, with stars.
  Board->OnFruitRestoreEffectRequest = [this](TPoint p) {
    Stars->Start(p);
    Board->RestoreEatenFruit(p);
  };
}

void TRoundPlay::WireTools() {
  HammerTool->OnHit = [this](TPoint p) {
    HammerLands(p);
    Board->HammerToolHit(p);
  };
  Lightning->OnFullEffect = [this](TPoint p, TLightningType type) { Board->ClearLine(p, type); };
  BigBomb->OnFullExplosion = [this](TPoint p) {
    Board->ShakeExplosion(p);
    Board->BigBombAt(p);
  };
}

void TRoundPlay::HammerLands(TPoint p) {
  if (OnPlaySound) OnPlaySound("Hammer");
  Stars->Start(p);
  Board->ShakeHammer(p);
}

void TRoundPlay::UseTool(TNewToolKind kind, TPoint tilePos, TPoint toolPos) {
  switch (kind) {
    case tlHammer: HammerTool->Start(tilePos); break;
    case tlBomb: Board->BombAt(tilePos); break;
    case tlBlaster: Board->BlasterAt(tilePos, toolPos); break;
    case tlHorzLightning:
    case tlVertLightning: {
      int firstColumn = 0, lastColumn = 0, firstRow = 0, lastRow = 0;
      Board->LineExtent(tilePos, firstColumn, lastColumn, firstRow, lastRow);
      if (OnPlaySound) OnPlaySound("Lightning");
      if (kind == tlHorzLightning)
        Lightning->Start(tilePos, ltHorizontal, firstColumn, lastColumn);
      else
        Lightning->Start(tilePos, ltVertical, firstRow, lastRow);
      break;
    }
    case tlBigBomb: BigBomb->Start(tilePos); break;
    case tlNone: break;
  }
}

bool TRoundPlay::Required(TIndividualElementKind kind) const {
  bool required = false;
  if (OnRequiredQuestion) OnRequiredQuestion(kind, required);
  return required;
}

void TRoundPlay::SendAway(const TBoardData& board, const TSimpleObjectArray& cleared) {
  TSimpleObjectArray flowing;
  TSimpleObjectArray falling;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (cleared.At(x, y) == 0) continue;
      const TBoardTile& tile = board.At(x, y);
      TIndividualElementKind kind;
      // A fruit bomb's piece counts as its fruit.
      if (!IndividualKindOf(tile.Element, kind) || !Required(kind))
        falling.At(x, y) = 1;
      else if (tile.IsPotion())
        Diamonds->StartPotion({x, y}, tile.Element);
      else
        flowing.At(x, y) = 1;
    }
  Flowing->Start(board, flowing);
  Falling->Start(board, falling);
}

void TRoundPlay::SetImageList(TOmegaImageList* images) {
  Board->OmgImgList = images;
  Swap->OmgImgList = images;
  Grouped->OmgImgList = images;
  Opening->OmgImgList = images;
  LockerFrames->OmgImgList = images;
  ChainLocks->OmgImgList = images;
  Webs->OmgImgList = images;
  ShuffleAway->OmgImgList = images;
  LockerFiller->OmgImgList = images;
  LockersAway->OmgImgList = images;
  LostBoard->OmgImgList = images;
  Border->OmgImgList = images;
  Flowing->OmgImgList = images;
  Falling->OmgImgList = images;
  Diamonds->OmgImgList = images;
  Hammer->OmgImgList = images;
  Hammered->OmgImgList = images;
  UniBubbles->OmgImgList = images;
  Explosions->OmgImgList = images;
  Stars->OmgImgList = images;
  HammerTool->OmgImgList = images;
  Collector->OmgImgList = images;
  Lightning->OmgImgList = images;
  BigBomb->OmgImgList = images;
}

void TRoundPlay::PlaceBoard(TPoint origin) {
  Board->Left = origin.X;
  Board->Top = origin.Y;
  for (int* left : {&Swap->Left, &Grouped->Left, &Opening->Left, &LockerFrames->Left, &ChainLocks->Left, &Webs->Left,
                    &ShuffleAway->Left, &LockerFiller->Left, &LockersAway->Left, &LostBoard->Left, &Border->Left,
                    &Flowing->Left, &Falling->Left, &Diamonds->Left, &Hammer->Left, &Hammered->Left,
                    &UniBubbles->Left, &Explosions->Left, &Stars->Left, &HammerTool->Left, &Collector->Left,
                    &Lightning->Left, &BigBomb->Left})
    *left = origin.X;
  for (int* top : {&Swap->Top, &Grouped->Top, &Opening->Top, &LockerFrames->Top, &ChainLocks->Top, &Webs->Top,
                   &ShuffleAway->Top, &LockerFiller->Top, &LockersAway->Top, &LostBoard->Top, &Border->Top,
                   &Flowing->Top, &Falling->Top, &Diamonds->Top, &Hammer->Top, &Hammered->Top, &UniBubbles->Top,
                   &Explosions->Top, &Stars->Top, &HammerTool->Top, &Collector->Top, &Lightning->Top,
                   &BigBomb->Top})
    *top = origin.Y;
}

void TRoundPlay::Reset() {
  Board->ResetRound();
  Grouped->Reset();
  Opening->Reset();
  Swap->Reset();
  ShuffleAway->Reset();
  LockerFiller->Reset();
  LockersAway->Reset();
  LostBoard->Reset();
  Border->Reset();
  Flowing->Reset();
  Falling->Reset();
  Diamonds->Reset();
  Hammer->Reset();
  Hammered->Reset();
  UniBubbles->Reset();
  Explosions->Reset();
  Stars->Reset();
  HammerTool->Reset();
  Collector->Reset();
  Lightning->Reset();
  BigBomb->Reset();
  FClearAwayDue = false;
}

void TRoundPlay::SetVisible(bool visible) {
  Board->Visible = visible;
  for (bool* shown : {&Swap->Visible, &Grouped->Visible, &Opening->Visible, &LockerFrames->Visible,
                      &ChainLocks->Visible, &Webs->Visible, &ShuffleAway->Visible, &LockerFiller->Visible,
                      &LockersAway->Visible, &LostBoard->Visible, &Border->Visible, &Flowing->Visible,
                      &Falling->Visible, &Diamonds->Visible, &Hammer->Visible, &Hammered->Visible,
                      &UniBubbles->Visible, &Explosions->Visible, &Stars->Visible, &HammerTool->Visible,
                      &Collector->Visible, &Lightning->Visible, &BigBomb->Visible})
    *shown = visible;
}

void TRoundPlay::SetTileKind(TTileKind kind) {
  LockerFrames->TileKind = kind;
  Flowing->TileKind = kind;
}

void TRoundPlay::StartRound(const TBoardSetUp& setUp) {
  Board->ActiveMode = amNormal;
  Board->SetAllowedElements(setUp.Allowed);
  Board->LoadBoardData(setUp.Board);
  Board->RandomizeElements();
  TBoardData fresh;
  Board->GenerateShuffledBoard(fresh);
  Board->LoadBoardData(fresh);
  for (TPoint p : setUp.Webs) Board->PlaceWeb(p);
  for (TPoint p : setUp.Potions) Board->SetPotion(p, setUp.PotionCode);
  LockerFrames->Load(setUp.GoldTiles);
  Board->CanDraw = false;
  Border->Start(Board->BoardData());
  LockerFiller->UniFruitColorIndex = Board->UniFruitShownElement();
  LockerFiller->Start(Board->BoardData());
}

void TRoundPlay::BringBoardIn() {
  Border->ComeBack();
  LockerFrames->FlyIn();
}

void TRoundPlay::TakeBoardAway() {
  Border->Leave();
  LockerFrames->FlyOut();
}

void TRoundPlay::Regenerate() {
  TakeBoardAway();
  Board->CanDraw = false;
  Swap->Reset();
  Opening->Reset();
  ShuffleAway->UniFruitColorIndex = Board->UniFruitShownElement();
  TBoardData fresh;
  Board->GenerateShuffledBoard(fresh);
  ShuffleAway->Start(Board->BoardData(), fresh);
}

void TRoundPlay::FinishShuffle() {
  if (!ShuffleAway->IsRunning()) return;
  ShuffleAway->Reset();
  Board->CanDraw = true;
  BringBoardIn();
}

void TRoundPlay::ClearAway() { FClearAwayDue = true; }

void TRoundPlay::FallApart() {
  // The lost board stops every rule: nothing matches or regenerates under
  // the falling tiles.
  Board->CanMatch = false;
  ShuffleAway->Reset();
  TakeBoardAway();
  Board->CanDraw = false;
  LostBoard->UniFruitColorIndex = Board->UniFruitShownElement();
  LostBoard->Start(Board->BoardData());
}

void TRoundPlay::DrawUnderLayer() {
  Border->TickAndDraw();
  LockerFrames->TickAndDraw();
}

void TRoundPlay::TickBoardLayer() {
  // The board goes once nothing on it moves any more, so the lockers-away
  // effect starts from the board as the player last saw it.
  if (FClearAwayDue && !Moving()) {
    FClearAwayDue = false;
    TakeBoardAway();
    Board->CanDraw = false;
    LockersAway->UniFruitColorIndex = Board->UniFruitShownElement();
    LockersAway->Start(Board->BoardData());
  }
  FUnderLayerDrawn = false;
  Board->Tick();
  if (!FUnderLayerDrawn) DrawUnderLayer();
  LockerFiller->TickAndDraw();
  LostBoard->TickAndDraw();
  ShuffleAway->TickAndDraw();
  LockersAway->TickAndDraw();
  Opening->UniFruitColorIndex = Board->UniFruitShownElement();
  Opening->TickAndDraw();
  Board->DrawHint();
}

void TRoundPlay::TickEffectsLayer() {
  Swap->UniFruitColorIndex = Board->UniFruitShownElement();
  Swap->TickAndDraw();
  Grouped->TickAndDraw();
  Falling->TickAndDraw();
  Hammered->TickAndDraw();
  ChainLocks->TickAndDraw();
  Webs->TickAndDraw();
  UniBubbles->TickAndDraw();
}

void TRoundPlay::TickBlastsLayer() {
  Stars->TickAndDraw();
  Hammer->TickAndDraw();
  HammerTool->TickAndDraw();
  Collector->TickAndDraw();
  Lightning->TickAndDraw();
  Explosions->TickAndDraw();
  BigBomb->TickAndDraw();
}

bool TRoundPlay::BoardBusy() const {
  return Hammer->IsRunning() || HammerTool->IsRunning() || Hammered->IsRunning() || Collector->IsRunning() ||
         Board->IsBlasterWaveRunning();
}

void TRoundPlay::TickFlights() {
  Diamonds->TickAndDraw();
  Flowing->TickAndDraw();
}

bool TRoundPlay::Moving() const {
  return Swap->IsRunning() || Grouped->IsRunning() || Opening->IsRunning() || !Board->IsSettled() ||
         Board->RegroupPending() || Board->UniRevealPending() || ShuffleAway->IsRunning() || LockerFiller->IsRunning() ||
         LockersAway->IsRunning() || LostBoard->IsRunning() || Lightning->IsRunning() || BigBomb->IsRunning() || BoardBusy();
}

bool TRoundPlay::PiecesInFlight() const {
  return Flowing->IsRunning() || Diamonds->IsRunning() || Falling->IsRunning();
}

}  // namespace qm
