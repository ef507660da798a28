#include "board/RoundPlay.h"

namespace qm {

TRoundPlay::TRoundPlay()
    : Board(std::make_unique<TGameBoard>()),
      Swap(std::make_unique<TSwapEffect>()),
      Grouped(std::make_unique<TGroupedElementsEffect>()),
      Opening(std::make_unique<TOpeningLockers>()),
      LockerFrames(std::make_unique<TLockerFrames>()),
      ChainLocks(std::make_unique<TChainLockEffect>()),
      Webs(std::make_unique<TWebEffect>()),
      ShuffleAway(std::make_unique<TShuffleAwayEffect>()),
      LockerFiller(std::make_unique<TLockerFiller>()),
      LockersAway(std::make_unique<TLockersAwayEffect>()),
      LostBoard(std::make_unique<TLostBoardEffect>()) {
  WireSwaps();
  WireClearing();
  WireRegeneration();
}

TRoundPlay::~TRoundPlay() = default;

void TRoundPlay::WireSwaps() {
  Board->OnSwapEffectRequest = [this](const TSwappedObjectsData& data, bool matchOccurs) {
    Swap->Start(data, matchOccurs);
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
  Board->OnGroupedElementsEffectRequest = [this](const TBoardData& data, const TSimpleObjectArray& mask, bool checkCombos,
                                                 bool blaster) {
    if (checkCombos && OnGroupRequested) OnGroupRequested(data, mask);
    Grouped->Start(data, mask, blaster);
  };
  Grouped->OnGroupingEffectComplete = [this](const TBoardData& data, const TSimpleObjectArray& mask, bool blaster) {
    if (OnGroupCleared) OnGroupCleared(data, mask, blaster);
    Board->GroupedCleared(mask);
  };
  Grouped->OnNewToolAcquired = [this](TPoint p, int) { Board->CellCleared(p); };
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
  Board->OnTimeToDrawLockerFrames = [this] { LockerFrames->TickAndDraw(); };
  LockerFrames->OnLockerFrameEffectRequest = [this](TPoint p, std::uint8_t before) {
    if (OnGoldTileRemoved) OnGoldTileRemoved(p, before);
  };
  Board->OnChainLockEffectRequest = [this](TPoint p, std::uint8_t level) { ChainLocks->Start(p, level); };
  Board->OnWebEffectRequest = [this](TPoint p) { Webs->Start(p); };
}

void TRoundPlay::WireRegeneration() {
  Board->OnNoMoreMoves = [this] {
    if (OnNoMoreMoves) OnNoMoreMoves();
    Regenerate();
  };
  ShuffleAway->OnFinished = [this](const TBoardData& fresh) {
    Board->LoadBoardData(fresh);
    Board->CanDraw = true;
    Board->ResetNoMoreMoves();
    Board->MatchLockers();
    Board->MatchElements();
  };
  LockerFiller->OnFinish = [this] { Board->CanDraw = true; };
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
}

void TRoundPlay::PlaceBoard(TPoint origin) {
  Board->Left = origin.X;
  Board->Top = origin.Y;
  for (int* left : {&Swap->Left, &Grouped->Left, &Opening->Left, &LockerFrames->Left, &ChainLocks->Left, &Webs->Left,
                    &ShuffleAway->Left, &LockerFiller->Left, &LockersAway->Left, &LostBoard->Left})
    *left = origin.X;
  for (int* top : {&Swap->Top, &Grouped->Top, &Opening->Top, &LockerFrames->Top, &ChainLocks->Top, &Webs->Top,
                   &ShuffleAway->Top, &LockerFiller->Top, &LockersAway->Top, &LostBoard->Top})
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
  LockerFiller->UniFruitColorIndex = Board->UniFruitShownElement();
  LockerFiller->Start(Board->BoardData());
}

void TRoundPlay::Regenerate() {
  Board->CanDraw = false;
  Swap->Reset();
  Opening->Reset();
  ShuffleAway->UniFruitColorIndex = Board->UniFruitShownElement();
  TBoardData fresh;
  Board->GenerateShuffledBoard(fresh);
  ShuffleAway->Start(Board->BoardData(), fresh);
}

void TRoundPlay::ClearAway() {
  Board->CanDraw = false;
  LockersAway->Start(Board->BoardData());
}

void TRoundPlay::FallApart() {
  Board->CanDraw = false;
  LostBoard->UniFruitColorIndex = Board->UniFruitShownElement();
  LostBoard->Start(Board->BoardData());
}

void TRoundPlay::TickBoardLayer() {
  Board->Tick();
  LockerFiller->TickAndDraw();
  LostBoard->TickAndDraw();
  ShuffleAway->TickAndDraw();
  LockersAway->TickAndDraw();
  Opening->UniFruitColorIndex = Board->UniFruitShownElement();
  Opening->TickAndDraw();
  Board->DrawHint();
}

void TRoundPlay::TickEffectsLayer() {
  Swap->TickAndDraw();
  Grouped->TickAndDraw();
  ChainLocks->TickAndDraw();
  Webs->TickAndDraw();
}

bool TRoundPlay::Moving() const {
  return Swap->IsRunning() || Grouped->IsRunning() || Opening->IsRunning() || !Board->IsSettled() ||
         Board->RegroupPending() || Board->UniRevealPending() || ShuffleAway->IsRunning() || LockerFiller->IsRunning() ||
         LockersAway->IsRunning() || LostBoard->IsRunning();
}

}  // namespace qm
