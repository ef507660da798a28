#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "board/GeneralDataClass.h"

namespace qm {

class TOmegaImageList;

// The playfield: the live tile grid, the state of every cell, the selection
// and every rule that changes them. It never calls another component: each
// animation is asked for through an event, and the shell hands the
// animation's completion back through the operations below.
class TGameBoard {
 public:
  TGameBoard();
  TGameBoard(const TGameBoard&) = delete;
  TGameBoard& operator=(const TGameBoard&) = delete;

  // Published settings.
  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  bool CanDraw = true;
  bool CanMatch = true;
  bool Frozen = false;
  int UniFruitInterval = 750;
  int MultiBubbleInterval = 300;
  TGameBoardActiveMode ActiveMode = amNormal;
  int OneFlowerPerLockersMin = 6;
  int OneFlowerPerLockersMax = 10;
  int WormEatingTime = 10000;
  int FruitRegenerateTime = 25000;
  int WaitingFairyRestoreInterval = 3500;
  int ShowingHintTime = 2500;
  int HintInterval = 12000;
  int NoMatchInterval = 25000;
  int NoMoreMovesInterval = 20000;
  int DroppingStep = 10;
  std::uint8_t MaxUniFruitOnBoard = 1;
  std::uint8_t MaxMultiBubbleOnBoard = 0;
  int OneUniFruitEveryInterval = 100;
  int OneFruitBombEveryInterval = 0;
  int OneMultiBubbleEveryProb = 0;
  std::uint8_t MaxHammersOnBoard = 0;
  int OneHammerEveryProb = 0;
  std::uint8_t MaxFruitBombsOnBoard = 0;
  TToolKind MaxToolKind = toAerosol;
  int OneBroomEveryProb = 0;
  int OneMagicKeyEveryProb = 0;
  int OneAerosolEveryProb = 0;

  // Published events. Records and masks are the board's own and only valid
  // during the call: a receiver that keeps them copies them.
  std::function<void(const TSwappedObjectsData& swappedObjectsData, bool matchOccurs)> OnSwapEffectRequest;
  std::function<void()> OnManualMatch;
  std::function<void()> OnObjectTileClick;
  std::function<void(const TBoardData& newBoardData, const TSimpleObjectArray& lockersToOpen)>
      OnOpeningLockersEffectRequest;
  std::function<void(const TBoardData& newBoardData, const TSimpleObjectArray& groupedFruits, bool checkCombos,
                     bool triggeredByBlaster)>
      OnGroupedElementsEffectRequest;
  std::function<void(const TSimpleObjectArray& framesToRemove)> OnRemoveLockerFrames;
  std::function<void(TPoint tilePos)> OnWebEffectRequest;
  std::function<void(TPoint tilePos, std::uint8_t chainLockLevel)> OnChainLockEffectRequest;
  std::function<void(bool& canAddFlower)> OnCanAddFlowerQuestion;
  std::function<void(TFlowerIdxSet& flowerIdxSet)> OnUnobtainedFlowerIdxSetRequest;
  std::function<void(const TBoardData& newBoardData, const TSimpleObjectArray& groupedFruits)>
      OnFallingElementsEffectRequest;
  std::function<void(TPoint tilePos)> OnExplossionEffectRequest;
  std::function<void(const TSimpleObjectArray& bannedPosArray)> OnEnemiesBanned;
  std::function<void(TPoint hammerPos)> OnHammerEffectRequest;
  std::function<void(const TBoardData& boardData, const TSimpleObjectArray& hammeredTiles)>
      OnHammeredObjectsEffectRequest;
  std::function<void(TPoint tilePos)> OnUniBubbleEffectRequest;
  std::function<void(TPoint tilePos, TPoint toolPos, int multiBubbleIdx)> OnMultiBubbleClicked;
  std::function<void(TPoint tilePos)> OnStarsEffectRequest;
  std::function<void(TPoint tilePos)> OnAFruitWormBanRequest;
  std::function<void(TPoint tilePos)> OnFruitRestoreEffectRequest;
  std::function<void()> OnFruitBubbleAdded;
  std::function<void()> OnFruitBlasterAdded;
  std::function<void()> OnHammerAdded;
  std::function<void()> OnFruitBombAdded;
  std::function<void(int& acquiredMagicKeys)> OnAcquiredMagicKeysQuestion;
  std::function<void(int& acquiredBrooms)> OnAcquiredBroomsQuestion;
  std::function<void(int& acquiredAerosols)> OnAcquiredAerosolsQuestion;
  std::function<void()> OnNoMoreMoves;
  std::function<void()> OnNoMatchTimerReset;
  std::function<void()> OnTimeToDrawBoardBorder;
  std::function<void()> OnTimeToDrawLockerFrames;
  std::function<void(TPoint swappedTilePos)> OnCheckComboRequest;
  std::function<void()> OnNoMatchHint;
  std::function<void(TChangedElementIdx changedElementIdx)> OnElementChange;
  std::function<void(const std::string& sound)> OnPlaySound;

  // Round life cycle.
  void ResetRound();
  // Round set-up: reseeds and gives every tile a new element (lockers stay
  // locked), then restarts the hint and no-more-moves clocks.
  void RandomizeElements();
  // A new board with as many free pieces as the live one, the same specials
  // and potions, chains and holes in place, and no line where one can be
  // avoided. See GameBoard.cpp for the bounds the search keeps to.
  void GenerateShuffledBoard(TBoardData& newBoard);
  void SetAllowedElements(const TElementSet& allowed) { FAllowedElements = allowed; }
  const TElementSet& AllowedElements() const { return FAllowedElements; }
  // Copies the grid in, cleans codes no rule knows and rebuilds every
  // cell's state from its record.
  void LoadBoardData(const TBoardData& data);
  const TBoardData& BoardData() const { return FBoard; }
  void BoardExtent(TPoint& extent) const;
  void SetPotion(TPoint tilePos, std::uint8_t code);

  // Coordinates: the tile under a frame pixel (either part 0 or past the
  // edge means off the board), and a tile's top-left pixel.
  TPoint TileAtPixel(int x, int y) const;
  TPoint TilePixel(TPoint tilePos) const { return {Left + TileSize * (tilePos.X - 1), Top + TileSize * (tilePos.Y - 1)}; }

  // Per frame and input.
  void Tick();
  // The hint's two wiggling tiles, on top of everything the board drew.
  void DrawHint();
  void MouseDown(int x, int y, int button);
  void MouseMove(int x, int y);
  void SetDragging(bool value);
  bool Dragging() const { return FDragging; }
  TPoint HoverTile() const { return FHover; }

  // Selection.
  void TileClick(TPoint p);
  void SetToolSelection(TPoint tilePos, bool notUsable);
  bool SelectionArmed() const { return FSelectionArmed; }
  TPoint SelectedTile() const { return FFirstTile; }
  std::uint8_t SelectionLook() const { return FSelectionLook; }

  // The line rule: every cell of a horizontal or vertical run of three or
  // more cells of that kind and colour that may match right now.
  TSimpleObjectArray FindLines(const TBoardData& data, TTileObjectKind kind, int color) const;
  bool AnyLine(const TBoardData& data) const;

  // Effect completions, forwarded by the shell.
  void SwapCompleted(TPoint pos1, TPoint pos2);
  void SwapBackCompleted(TPoint pos1, TPoint pos2);
  void MatchElements();
  void MatchLockers();
  void LockersOpened(const TSimpleObjectArray& mask);
  void GroupedCleared(const TSimpleObjectArray& mask);
  void CellCleared(TPoint tilePos);
  // The fall, run by Tick: empty cells claim the pieces above them, and
  // every claimed piece moves down by DroppingStep.
  void MarkFalling();
  void FallStep();
  // A new piece in an empty cell, with the special-piece spawn rules.
  void NewPiece(TPoint tilePos);
  // A revealed uni fruit may now complete a line.
  void UniRevealDone();

  // Lockers and webs, for the tools and the spiders.
  void OpenLocker(TPoint p);
  bool IsLocker(TPoint p) const;
  // The key opens a locker at rest. A chained one stays shut, as the broom
  // leaves a chained web: lines wear the chain off first, so that no piece
  // ever falls with its chain.
  bool CanOpenLocker(TPoint p) const;
  bool IsBlankTile(TPoint p) const;
  void PlaceWeb(TPoint p);
  void RemoveWeb(TPoint p);
  bool HasWeb(TPoint p) const;
  int CountWebs() const;
  bool IsBroomable(TPoint p) const;

  // Draws a new element for a piece from the allowed set.
  std::uint8_t RandomElement();

  // Hints and the no-more-moves test. FindMove searches from a random cell
  // and checks each candidate swap only around the two cells it changes.
  bool FindMove(TPoint& a, TPoint& b);
  // One candidate: a pair the hint may show whose swap makes a line.
  bool IsHintMove(TPoint a, TPoint b) const;
  void ShowHint(TPoint a, TPoint b);
  void CancelHint();
  bool HasAnyMove();
  void CheckNoMoreMoves();
  void ResetNoMoreMoves();
  bool HintVisible() const { return FHintVisible; }
  TPoint HintTileA() const { return FHintA; }
  TPoint HintTileB() const { return FHintB; }
  bool HintMarked(TPoint p) const { return IsOnBoard(p) && FHintMarks[CellIndex(p.X, p.Y)] != 0; }
  bool NoMoreMovesReported() const { return FNoMoreMovesReported; }

  TTileState TileState(TPoint p) const { return IsOnBoard(p) ? FStates[CellIndex(p.X, p.Y)] : tsVoid; }
  const std::array<TTileState, BoardCells>& TileStates() const { return FStates; }
  // No cell takes part in the fall.
  bool IsSettled() const;
  // Every cell rests.
  bool IsQuiet() const;
  // The element pass that follows a landing is still to come.
  bool RegroupPending() const { return FRegroupOn; }
  // A clicked uni fruit is still turning into its piece.
  bool UniRevealPending() const;
  // Pixels the landing bounce lifts or drops the pieces of a column.
  int ColumnBounce(int x) const;
  std::uint8_t UniFruitShownElement() const { return FUniFruitShownElement; }

  // Specials and area clears, for the pieces' own effects and the tools.
  // The small area is the tile and its right, lower and lower-right
  // neighbours; the big one a 7 x 7 square without its corners.
  enum TArea { arSmall, arBig };
  void StartBlasterWave(TPoint p);
  // The wave is on its way to the blast: the board takes no clicks then.
  bool IsBlasterWaveRunning() const;
  int BlasterWaveStep() const { return FBlasterStep; }
  void BlasterAt(TPoint p, TPoint toolPos);
  // The hammer piece's strike on its cross, and the struck cells emptied.
  void HammerStrike(TPoint p);
  void HammeredCleared();
  void HammerToolHit(TPoint p);
  // After a group is cleared: the bombs its pieces carried go off. The
  // pieces have left the live board by then; `cleared` is the group's copy.
  void ExplodeFruitBombs(const TBoardData& cleared, const TSimpleObjectArray& mask);
  void BombAt(TPoint p);
  void BigBombAt(TPoint p);
  void BanEnemies(TPoint p, TArea area);
  void ExplodeArea(TPoint p, TArea area);
  void ClearLine(TPoint p, TLightningType type);
  // The first and last column of p's row and row of p's column that hold a
  // locker or piece (0 where none).
  void LineExtent(TPoint p, int& firstColumn, int& lastColumn, int& firstRow, int& lastRow) const;
  // Worms: an eaten piece is restored by the fairy; the aerosol bans the
  // worms whose tile centre lies in the rectangle (frame pixels).
  void RestoreEatenFruit(TPoint p);
  void BanWormsInRect(int left, int top, int right, int bottom);
  int CountWorms() const;
  bool FairyOnTheWay(TPoint p) const { return IsOnBoard(p) && FWormFairy[CellIndex(p.X, p.Y)] != 0; }
  // The tool highlight under the pointer.
  void MarkToolArea(TPoint p, TNewToolKind kind);
  void ClearToolArea();
  bool ToolMarked(TPoint p) const { return IsOnBoard(p) && FToolMarks[CellIndex(p.X, p.Y)] != 0; }
  // Shakes: visual only.
  void ShakeExplosion(TPoint p);
  void ShakeHammer(TPoint p);
  int ShakeAmplitude(TPoint p) const { return IsOnBoard(p) ? FShake[CellIndex(p.X, p.Y)] : 0; }
  // Queries of the tools, the spiders and the tutorials.
  bool IsFruit(TPoint p) const;
  bool IsPlainElement(TPoint p) const;
  std::uint8_t ElementAt(TPoint p) const;
  bool CanWebTile(TPoint p) const;
  TPoint RandomTopTile();
  TPoint FindElementInRange(int first) const;
  void MakeUniFruit(TPoint p);
  int FoundFlowerIdx() const { return FFoundFlowerIdx; }

 private:
  TTileState& State(TPoint p) { return FStates[CellIndex(p.X, p.Y)]; }
  void RebuildStates();
  // An emptied cell: it waits for a piece and holds nothing of the old one.
  void VacateCell(int index);
  void DisarmSelection();
  bool IsLegalPair(TPoint a, TPoint b) const;
  // Takes one line or collection hit on a cell: a bare cell is grouped,
  // otherwise its web goes and one chain link breaks. True when grouped.
  bool HitCell(TPoint p, TTileState groupedState);
  void ReportGroup(const TSimpleObjectArray& grouped, bool triggeredByBlaster);
  bool IsPotionAtBottom(TPoint p) const;
  void DrawFoundFlowerThreshold();
  void ChooseFoundFlowerIdx();
  void ActivateSpecialPiece(TPoint p);
  void AdvanceUniFruitCycle();
  void AdvanceUniReveals();
  void Draw();
  void DrawPiece(const TBoardTile& tile, float x, float y, float scale);
  bool BelowHasHole(int x, int y) const;
  bool IsSpawnCell(int x, int y) const;
  void ApplySpawnRules(TPoint p);
  int CountElement(std::uint8_t element) const;
  bool HintLegal(TPoint a, TPoint b) const;
  template <class Test>
  bool SearchMove(TPoint& a, TPoint& b, Test test);
  // The kinds and colours that already have a line on the live board; a
  // candidate of such a colour is checked on a full copy.
  void NoteLiveLines(std::array<bool, 512>& lined) const;
  bool SwapMakesLineNear(TPoint a, TPoint b, const std::array<bool, 512>& lined) const;
  // The same asked of a swapped copy of the whole board.
  bool SwapMakesLineOnCopy(TPoint a, TPoint b) const;
  void ShowFoundMove();
  void HideHint();
  void AdvanceHintClock();
  void AdvanceNoMoreMovesClock();
  void AdvanceRegroup();
  void AdvanceBounces();
  void AdvanceWorms();
  void AdvanceBlasterWave();
  void ShakeBlasterRing();
  void BlastPass(std::uint8_t element);
  void DecayShakes();
  void Shake(TPoint p, const int (&rings)[4], int elsewhere);
  void PlaySound(const char* sound);
  bool GenerateOnce(TBoardData& board, bool reseed);

  TBoardData FBoard{};
  std::array<TTileState, BoardCells> FStates{};
  TElementSet FAllowedElements;

  bool FSelectionArmed = false;
  TPoint FFirstTile;
  TPoint FSecondTile;
  TPoint FLastClicked;
  std::uint8_t FSelectionLook = 0;
  int FSelectionAlpha = 255;
  int FSelectionAlphaStep = -10;
  bool FDragging = false;
  TPoint FHover;

  std::uint8_t FUniFruitShownElement = 1;
  int FUniFruitClock = 0;
  std::array<std::uint8_t, BoardCells> FWormFairy{};
  // Frames since a uni fruit was revealed on the cell; -1 when none is.
  std::array<int, BoardCells> FUniReveal;
  bool FUniRevealFlag = false;
  int FPotionPulse = 0;

  // Hint and no-more-moves.
  TPoint FHintA;
  TPoint FHintB;
  std::array<std::uint8_t, BoardCells> FHintMarks{};
  bool FHintVisible = false;
  std::uint8_t FHintKind = okFruit;
  int FHintWiggle = 0;
  int FHintWiggleStep = 1;
  int FHintClock = 0;
  int FHintShowingClock = 0;
  int FNoMoreMovesClock = 0;
  bool FNoMoreMovesReported = false;

  // Falling and the element pass that follows a landing.
  bool FRegroupOn = false;
  int FRegroupClock = 0;
  // Frames into each column's landing bounce; -1 when still.
  std::array<int, BoardColumns> FBounce;
  int FPiecesSinceUniFruit = 0;
  int FPiecesSinceFruitBomb = 0;

  // The blaster wave.
  bool FBlasterOn = false;
  TPoint FBlasterCentre;
  int FBlasterStep = 0;
  int FBlasterClock = 0;
  bool FBlasterFired = false;
  std::uint8_t FBlasterElement = 0;
  std::array<std::uint8_t, BoardCells> FShake{};
  int FShakeClock = 0;
  // Shakes draw from their own sequence: the game's draws stay the same.
  std::minstd_rand FShakeRandom;
  std::array<std::uint8_t, BoardCells> FToolMarks{};
  int FToolPulse = 0;

  int FLockerPassCounter = 0;
  int FFlowerThreshold = 6;
  int FFoundFlowerIdx = 0;
};

}  // namespace qm
