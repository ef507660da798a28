#include "board/BoardRig.h"

#include <cstring>
#include <functional>

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

namespace {

// Runs `log` with an event's arguments, then whatever the game wired to it.
template <class... Args, class Log>
void LogBefore(std::function<void(Args...)>& event, Log log) {
  event = [inner = event, log](Args... args) {
    log(args...);
    if (inner) inner(args...);
  };
}

}  // namespace

TBoardRig::TBoardRig()
    : Board(*Play.Board),
      Swap(*Play.Swap),
      Grouped(*Play.Grouped),
      Opening(*Play.Opening),
      LockerFrames(*Play.LockerFrames),
      ShuffleAway(*Play.ShuffleAway),
      LockerFiller(*Play.LockerFiller),
      LockersAway(*Play.LockersAway),
      LostBoard(*Play.LostBoard) {
  Play.PlaceBoard({100, 80});
  TElementSet allowed;
  for (int code = 1; code <= 6; ++code) allowed.set(code);
  Board.SetAllowedElements(allowed);

  LogBefore(Board.OnSwapEffectRequest, [this](const TSwappedObjectsData& data, bool matchOccurs) {
    ++SwapRequests;
    Log.push_back("swap " + PointText(data.Object1Pos) + PointText(data.Object2Pos) + (matchOccurs ? " match" : ""));
  });
  LogBefore(Board.OnManualMatch, [this] { Log.push_back("manual match"); });
  LogBefore(Swap.OnEffectComplete, [this](TTileObjectKind, TPoint, TPoint) { ++SwapsDone; });
  LogBefore(Swap.OnSwapBackComplete, [this](TTileObjectKind, TPoint, TPoint) { ++SwapBacks; });
  LogBefore(Board.OnGroupedElementsEffectRequest,
            [this](const TBoardData&, const TSimpleObjectArray& mask, bool, bool) {
              GroupRequests.push_back(mask);
              Log.push_back("group " + CellsOf(mask));
            });
  LogBefore(Grouped.OnGroupingEffectComplete, [this](const TBoardData&, const TSimpleObjectArray& mask, bool) {
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y)
        if (mask.At(x, y) != 0) Cleared.push_back({x, y});
  });
  LogBefore(Grouped.OnNewToolAcquired, [this](TPoint p, int tool) {
    Log.push_back("tool " + std::to_string(tool) + " " + PointText(p));
    Cleared.push_back(p);
  });
  LogBefore(Grouped.OnNewFlowerAcquired, [this](TPoint p) {
    Log.push_back("flower " + PointText(p));
    Cleared.push_back(p);
  });
  LogBefore(Board.OnOpeningLockersEffectRequest, [this](const TBoardData&, const TSimpleObjectArray& mask) {
    OpenRequests.push_back(mask);
    if (mask.Any()) Log.push_back("open " + CellsOf(mask));
  });
  LogBefore(Board.OnNoMoreMoves, [this] {
    ++NoMoreMovesReports;
    Log.push_back("no more moves");
  });
  LogBefore(ShuffleAway.OnFinished, [this](const TBoardData& fresh) {
    ++Regenerations;
    Regenerated = fresh;
    Log.push_back("regenerated");
  });
  LogBefore(LockerFiller.OnFinish, [this] { Log.push_back("filled"); });
  LogBefore(LockersAway.OnAboutSpreading, [this] { Log.push_back("spreading"); });
  LogBefore(LockersAway.OnFinished, [this] { Log.push_back("lockers away"); });
  LogBefore(LostBoard.OnTimeForDialogWindow, [this] { Log.push_back("dialog"); });
  LogBefore(LockerFrames.OnLockerFrameEffectRequest, [this](TPoint p, std::uint8_t level) {
    Log.push_back("gold " + PointText(p) + " " + std::to_string(level));
  });
  LogBefore(Board.OnChainLockEffectRequest, [this](TPoint p, std::uint8_t level) {
    Log.push_back("chain " + PointText(p) + " " + std::to_string(level));
  });
  LogBefore(Board.OnWebEffectRequest, [this](TPoint p) { Log.push_back("web " + PointText(p)); });
}

void TBoardRig::Load(const TBoardData& data) {
  Board.ResetRound();
  Board.LoadBoardData(data);
}

void TBoardRig::StartRound(const TBoardData& level, const TElementSet& allowed) {
  Play.Reset();
  TBoardSetUp setUp;
  setUp.Board = level;
  setUp.Allowed = allowed;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& tile = level.At(x, y);
      if (tile.Web != 0) setUp.Webs.push_back({x, y});
      if (tile.IsPotion()) {
        setUp.Potions.push_back({x, y});
        setUp.PotionCode = tile.Element;
      }
    }
  Play.StartRound(setUp);
}

void TBoardRig::Frame() {
  ++FramesRun;
  Play.TickBoardLayer();
  Play.TickEffectsLayer();
  Play.TickBlastsLayer();
}

void TBoardRig::Frames(int count) {
  for (int i = 0; i < count; ++i) Frame();
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
