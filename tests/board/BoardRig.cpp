#include "board/BoardRig.h"

#include <cstring>

namespace qm::testing {

namespace {

TBoardTile TileFor(char c) {
  TBoardTile tile;
  tile.ObjectKind = okFruit;
  tile.LockerColor = 1;
  tile.BlastElement = 1;
  if (c >= 'A' && c <= 'P') {
    tile.Element = static_cast<std::uint8_t>(c - 'A' + 1);
    return tile;
  }
  switch (c) {
    case 'q': tile.Element = ecPotion1; break;
    case 'r': tile.Element = ecPotion2; break;
    case 'u': tile.Element = ecUniFruit; break;
    case '*': tile.Element = ecHammer; break;
    case 'm': tile.Element = ecMultiBubble; tile.BlastElement = 5; break;
    case 'f': tile.Element = ecFoundFlower; break;
    case 'k': tile.Element = ecMagicKeyItem; break;
    case 'b': tile.Element = ecBroomItem; break;
    case 'a': tile.Element = ecAerosolItem; break;
    case 'x': case 'y': case 'z':
      tile.ObjectKind = okLocker;
      tile.LockerColor = static_cast<std::uint8_t>(c - 'x' + 1);
      tile.Element = 1;
      break;
    case '#': tile.ObjectKind = okBlocker; tile.Element = 1; break;
    case '_': tile.ObjectKind = okTempBlank; break;
    case 'o': tile.ObjectKind = okUnused; tile.TileBack = 1; break;
    default: tile.ObjectKind = okUnused; break;
  }
  return tile;
}

char CharFor(const TBoardTile& tile) {
  switch (tile.ObjectKind) {
    case okLocker: return static_cast<char>('x' + tile.LockerColor - 1);
    case okBlocker: return '#';
    case okTempBlank: return '_';
    case okUnused: return tile.TileBack != 0 ? 'o' : '.';
    default: break;
  }
  if (tile.Element >= 1 && tile.Element <= 16) return static_cast<char>('A' + tile.Element - 1);
  switch (tile.Element) {
    case ecPotion1: return 'q';
    case ecPotion2: return 'r';
    case ecUniFruit: return 'u';
    case ecHammer: return '*';
    case ecMultiBubble: return 'm';
    case ecFoundFlower: return 'f';
    case ecMagicKeyItem: return 'k';
    case ecBroomItem: return 'b';
    case ecAerosolItem: return 'a';
    default: return '?';
  }
}

std::string PointText(TPoint p) { return "(" + std::to_string(p.X) + "," + std::to_string(p.Y) + ")"; }

}  // namespace

TBoardData BoardFromRows(std::initializer_list<const char*> rows) {
  TBoardData data;
  for (TBoardTile& tile : data.Tiles) tile = TileFor('.');
  int y = 1;
  for (const char* row : rows) {
    const int length = static_cast<int>(std::strlen(row));
    for (int x = 1; x <= length && x <= BoardColumns; ++x) data.At(x, y) = TileFor(row[x - 1]);
    ++y;
  }
  return data;
}

std::string RowOf(const TBoardData& data, int y) {
  std::string row;
  for (int x = 1; x <= BoardColumns; ++x) row += CharFor(data.At(x, y));
  return row;
}

std::string CellsOf(const TSimpleObjectArray& mask) {
  std::string text;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (mask.At(x, y) != 0) text += PointText({x, y});
  return text;
}

TSimpleObjectArray MaskOf(std::initializer_list<TPoint> cells) {
  TSimpleObjectArray mask;
  for (TPoint p : cells) mask.At(p) = 1;
  return mask;
}

TBoardRig::TBoardRig() {
  Board.Left = 100;
  Board.Top = 80;
  TElementSet allowed;
  for (int code = 1; code <= 6; ++code) allowed.set(code);
  Board.SetAllowedElements(allowed);
  for (int* left : {&Swap.Left, &Grouped.Left, &Opening.Left, &LockerFrames.Left, &ChainLocks.Left, &Webs.Left,
                    &ShuffleAway.Left, &LockerFiller.Left, &LockersAway.Left, &LostBoard.Left})
    *left = Board.Left;
  for (int* top : {&Swap.Top, &Grouped.Top, &Opening.Top, &LockerFrames.Top, &ChainLocks.Top, &Webs.Top,
                   &ShuffleAway.Top, &LockerFiller.Top, &LockersAway.Top, &LostBoard.Top})
    *top = Board.Top;

  Board.OnSwapEffectRequest = [this](const TSwappedObjectsData& data, bool matchOccurs) {
    ++SwapRequests;
    Log.push_back("swap " + PointText(data.Object1Pos) + PointText(data.Object2Pos) + (matchOccurs ? " match" : ""));
    Swap.Start(data, matchOccurs);
  };
  Board.OnManualMatch = [this] { Log.push_back("manual match"); };
  Swap.OnEffectComplete = [this](TTileObjectKind kind, TPoint a, TPoint b) {
    ++SwapsDone;
    Board.SwapCompleted(a, b);
    if (kind == okLocker) Board.MatchLockers();
    if (kind == okFruit) Board.MatchElements();
  };
  Swap.OnSwapBackComplete = [this](TTileObjectKind kind, TPoint a, TPoint b) {
    ++SwapBacks;
    Board.SwapBackCompleted(a, b);
    if (kind == okLocker) Board.MatchLockers();
    if (kind == okFruit) Board.MatchElements();
  };
  Board.OnGroupedElementsEffectRequest = [this](const TBoardData& data, const TSimpleObjectArray& mask, bool checkCombos,
                                                bool blaster) {
    GroupRequests.push_back(mask);
    Log.push_back("group " + CellsOf(mask));
    Grouped.Start(data, mask, blaster);
    (void)checkCombos;
  };
  Grouped.OnGroupingEffectComplete = [this](const TBoardData&, const TSimpleObjectArray& mask, bool) {
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y)
        if (mask.At(x, y) != 0) Cleared.push_back({x, y});
    Board.GroupedCleared(mask);
  };
  Grouped.OnNewToolAcquired = [this](TPoint p, int tool) {
    Log.push_back("tool " + std::to_string(tool) + " " + PointText(p));
    Cleared.push_back(p);
    Board.CellCleared(p);
  };
  Grouped.OnNewFlowerAcquired = [this](TPoint p) {
    Log.push_back("flower " + PointText(p));
    Cleared.push_back(p);
    Board.CellCleared(p);
  };
  Board.OnOpeningLockersEffectRequest = [this](const TBoardData& data, const TSimpleObjectArray& mask) {
    OpenRequests.push_back(mask);
    if (mask.Any()) Log.push_back("open " + CellsOf(mask));
    Opening.Start(data, mask);
  };
  Opening.OnOpeningEffectComplete = [this](const TSimpleObjectArray& mask, bool last) {
    Board.LockersOpened(mask);
    if (last) {
      Board.CheckNoMoreMoves();
      Board.MatchElements();
    }
  };
  // The regeneration: the old board goes, a new one with the same pieces
  // comes, and the passes pick up anything the new board still lines up.
  Board.OnNoMoreMoves = [this] {
    ++NoMoreMovesReports;
    Log.push_back("no more moves");
    Board.CanDraw = false;
    Swap.Reset();
    Opening.Reset();
    ShuffleAway.UniFruitColorIndex = Board.UniFruitShownElement();
    TBoardData fresh;
    Board.GenerateShuffledBoard(fresh);
    ShuffleAway.Start(Board.BoardData(), fresh);
  };
  ShuffleAway.OnFinished = [this](const TBoardData& fresh) {
    ++Regenerations;
    Regenerated = fresh;
    Log.push_back("regenerated");
    Board.LoadBoardData(fresh);
    Board.CanDraw = true;
    Board.ResetNoMoreMoves();
    Board.MatchLockers();
    Board.MatchElements();
  };
  LockerFiller.OnFinish = [this] {
    Log.push_back("filled");
    Board.CanDraw = true;
  };
  LockersAway.OnAboutSpreading = [this] { Log.push_back("spreading"); };
  LockersAway.OnFinished = [this] { Log.push_back("lockers away"); };
  LostBoard.OnTimeForDialogWindow = [this] { Log.push_back("dialog"); };
  Board.OnRemoveLockerFrames = [this](const TSimpleObjectArray& mask) { LockerFrames.RemoveFrames(mask); };
  Board.OnTimeToDrawLockerFrames = [this] { LockerFrames.TickAndDraw(); };
  LockerFrames.OnLockerFrameEffectRequest = [this](TPoint p, std::uint8_t level) {
    Log.push_back("gold " + PointText(p) + " " + std::to_string(level));
  };
  Board.OnChainLockEffectRequest = [this](TPoint p, std::uint8_t level) {
    Log.push_back("chain " + PointText(p) + " " + std::to_string(level));
    ChainLocks.Start(p, level);
  };
  Board.OnWebEffectRequest = [this](TPoint p) {
    Log.push_back("web " + PointText(p));
    Webs.Start(p);
  };
}

void TBoardRig::Load(const TBoardData& data) {
  Board.ResetRound();
  Board.LoadBoardData(data);
}

void TBoardRig::StartRound(const TBoardData& level, const TElementSet& allowed) {
  Board.ResetRound();
  Board.SetAllowedElements(allowed);
  Board.LoadBoardData(level);
  Board.ActiveMode = amNormal;
  Board.RandomizeElements();
  TBoardData fresh;
  Board.GenerateShuffledBoard(fresh);
  Board.LoadBoardData(fresh);
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& tile = level.At(x, y);
      if (tile.Web != 0) Board.PlaceWeb({x, y});
      if (tile.Element == ecPotion1 || tile.Element == ecPotion2) Board.SetPotion({x, y}, tile.Element);
    }
  Board.CanDraw = false;
  LockerFiller.UniFruitColorIndex = Board.UniFruitShownElement();
  LockerFiller.Start(Board.BoardData());
}

void TBoardRig::Frame() {
  ++FramesRun;
  Board.Tick();
  LockerFiller.TickAndDraw();
  LostBoard.TickAndDraw();
  ShuffleAway.TickAndDraw();
  LockersAway.TickAndDraw();
  Opening.UniFruitColorIndex = Board.UniFruitShownElement();
  Opening.TickAndDraw();
  Board.DrawHint();
  Swap.TickAndDraw();
  Grouped.TickAndDraw();
  ChainLocks.TickAndDraw();
  Webs.TickAndDraw();
}

void TBoardRig::Frames(int count) {
  for (int i = 0; i < count; ++i) Frame();
}

bool TBoardRig::Busy() const {
  return Swap.IsRunning() || Grouped.IsRunning() || Opening.IsRunning() || !Board.IsSettled() ||
         Board.RegroupPending() || Board.UniRevealPending() || ShuffleAway.IsRunning() || LockerFiller.IsRunning() || LockersAway.IsRunning() ||
         LostBoard.IsRunning();
}

int TBoardRig::Settle(int limit) {
  int frames = 0;
  while (frames < limit && Busy()) {
    Frame();
    ++frames;
  }
  return frames;
}

int TBoardRig::SettleEffects(int limit) {
  int frames = 0;
  while (frames < limit && (Swap.IsRunning() || Grouped.IsRunning() || Opening.IsRunning())) {
    Frame();
    ++frames;
  }
  return frames;
}

TPoint TBoardRig::PixelOf(TPoint tile) const {
  const TPoint corner = Board.TilePixel(tile);
  return {corner.X + TileSize / 2, corner.Y + TileSize / 2};
}

void TBoardRig::Click(TPoint tile) {
  const TPoint at = PixelOf(tile);
  Board.SetDragging(true);
  Board.MouseDown(at.X, at.Y, 0);
  Board.SetDragging(false);
}

void TBoardRig::Drag(TPoint from, TPoint to) {
  const TPoint a = PixelOf(from);
  const TPoint b = PixelOf(to);
  Board.SetDragging(true);
  Board.MouseDown(a.X, a.Y, 0);
  // The pointer crosses the first tile before it reaches the second.
  for (int step = 1; step <= 4; ++step) {
    const int x = a.X + (b.X - a.X) * step / 4;
    const int y = a.Y + (b.Y - a.Y) * step / 4;
    Board.MouseMove(x, y);
    if (Board.Dragging()) Board.MouseDown(x, y, 0);
  }
  Board.SetDragging(false);
}

}  // namespace qm::testing
