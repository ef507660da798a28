#include "ToolPlayer.h"

namespace {

using qm::TPoint;

// The least a tool must take to be worth its manna.
struct TPowerToolChoice {
  qm::TNewToolKind Kind;
  int MinGain;
};
// The dearest first: a full jar goes on the biggest blast.
constexpr TPowerToolChoice kPowerTools[] = {{qm::tlBigBomb, 6},         {qm::tlBlaster, 4}, {qm::tlVertLightning, 3},
                                            {qm::tlHorzLightning, 3}, {qm::tlBomb, 2},    {qm::tlHammer, 1}};

// Below the board, clear of every holder and button.
constexpr int kOffBoardX = 1200;
constexpr int kOffBoardY = 755;

template <class Test>
TPoint FirstTile(Test test) {
  for (int x = 1; x <= qm::BoardColumns; ++x)
    for (int y = 1; y <= qm::BoardRows; ++y)
      if (test(TPoint{x, y})) return {x, y};
  return {};
}

}  // namespace

bool TToolPlayer::Act() {
  auto& form = FDriver.Form();
  if (FDriver.Scene() != qm::gsMainGame || form.RoundPlay->Moving()) return false;
  if (form.CountedToolActive()) return SendCountedToolHome();
  return SprayAWorm() || SweepANeededWeb() || OpenANeededLock() || UsePowerTool();
}

bool TToolPlayer::SendCountedToolHome() {
  auto& form = FDriver.Form();
  for (const qm::TCountedTool* tool : form.CountedTools())
    if (tool->Carried()) {
      ClickOffTheBoard();
      return true;
    }
  return false;
}

bool TToolPlayer::UseCounted(const qm::TCountedTool& tool, TPoint tile) {
  if (!qm::IsOnBoard(tile) || tool.Stock() < 1 || !FDriver.PickCountedTool(tool)) return false;
  const int stock = tool.Stock();
  FDriver.HoverTile(tile);
  FDriver.ClickTile(tile);
  if (tool.Stock() < stock) ++FUses;
  return true;
}

bool TToolPlayer::SprayAWorm() {
  const qm::TGameBoard& board = FDriver.Form().GameBoard();
  if (board.CountWorms() == 0) return false;
  return UseCounted(*FDriver.Form().Aerosol,
                    FirstTile([&](TPoint p) { return board.BoardData().At(p).Worm != 0; }));
}

bool TToolPlayer::SweepANeededWeb() {
  const qm::TGameBoard& board = FDriver.Form().GameBoard();
  return UseCounted(*FDriver.Form().Broom, FirstTile([&](TPoint p) { return board.IsBroomable(p) && Needed(p); }));
}

bool TToolPlayer::OpenANeededLock() {
  const qm::TGameBoard& board = FDriver.Form().GameBoard();
  return UseCounted(*FDriver.Form().MagicKey, FirstTile([&](TPoint p) { return board.IsLocker(p) && Needed(p); }));
}

bool TToolPlayer::UsePowerTool() {
  auto& form = FDriver.Form();
  // The jar fills on: the tools are used once it stands at the highest
  // mark this round offers.
  for (const TPowerToolChoice& choice : kPowerTools) {
    const qm::TCollectorBombTool& tool = *form.PowerTool(choice.Kind);
    if (tool.Available && !tool.Enabled) return false;
  }
  bool anyTried = false;
  for (const TPowerToolChoice& choice : kPowerTools) {
    const qm::TCollectorBombTool& tool = *form.PowerTool(choice.Kind);
    if (!tool.Available || !FDriver.PickPowerTool(choice.Kind)) continue;
    anyTried = true;
    int gain = 0;
    const TPoint best = BestTile(gain);
    if (gain >= choice.MinGain) {
      FDriver.HoverTile(best);
      FDriver.ClickTile(best);
      if (!tool.Carried()) ++FUses;
      return true;
    }
    ClickOffTheBoard();
  }
  return anyTried;
}

TPoint TToolPlayer::BestTile(int& gain) {
  const qm::TGameBoard& board = FDriver.Form().GameBoard();
  TPoint best;
  gain = 0;
  for (int x = 1; x <= qm::BoardColumns; ++x)
    for (int y = 1; y <= qm::BoardRows; ++y) {
      if (board.IsBlankTile({x, y})) continue;
      FDriver.HoverTile({x, y});
      const int here = NeededUnderHighlight();
      if (here > gain) {
        gain = here;
        best = {x, y};
      }
    }
  return best;
}

int TToolPlayer::NeededUnderHighlight() {
  const qm::TGameBoard& board = FDriver.Form().GameBoard();
  int needed = 0;
  for (int x = 1; x <= qm::BoardColumns; ++x)
    for (int y = 1; y <= qm::BoardRows; ++y)
      if (board.ToolMarked({x, y}) && board.IsFruit({x, y}) && Needed({x, y})) ++needed;
  return needed;
}

bool TToolPlayer::Needed(TPoint tile) {
  auto& form = FDriver.Form();
  if (form.LevelParams->Record().GameObjective == qm::goBossMode) return true;
  if (IsNeededPiece(tile)) return true;
  // A piece under a needed potion stands between it and the bottom.
  for (int y = tile.Y - 1; y >= 1; --y) {
    const TPoint above{tile.X, y};
    if (form.GameBoard().BoardData().At(above).IsPotion() && IsNeededPiece(above)) return true;
  }
  return false;
}

bool TToolPlayer::IsNeededPiece(TPoint tile) {
  auto& form = FDriver.Form();
  qm::TIndividualElementKind kind;
  return qm::IndividualKindOf(form.GameBoard().ElementAt(tile), kind) && form.ElementGather->IsRequired(kind);
}

void TToolPlayer::ClickOffTheBoard() { FDriver.Click(kOffBoardX, kOffBoardY); }
