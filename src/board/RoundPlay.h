#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "board/BoardBorder.h"
#include "board/BigBombEffect.h"
#include "board/BoardSetUp.h"
#include "board/BurstEffects.h"
#include "board/ChainLockEffect.h"
#include "board/FallingElements.h"
#include "board/FlowingElements.h"
#include "board/GameBoard.h"
#include "board/GroupedElementsEffect.h"
#include "board/HammerEffect.h"
#include "board/LockerFiller.h"
#include "board/LockerFrames.h"
#include "board/LockersAwayEffect.h"
#include "board/LightningEffect.h"
#include "board/LostBoardEffect.h"
#include "board/NewDiamondEffect.h"
#include "board/OpeningLockers.h"
#include "board/ShuffleAwayEffect.h"
#include "board/SwapEffect.h"

namespace qm {

class TOmegaImageList;

// The board at play: the board and every effect that animates it, wired to
// one another as the board's protocol asks. The shell owns one and connects
// its outward events to the rules of the round; the tests drive this very
// wiring.
class TRoundPlay {
 public:
  TRoundPlay();
  ~TRoundPlay();
  TRoundPlay(const TRoundPlay&) = delete;
  TRoundPlay& operator=(const TRoundPlay&) = delete;

  std::unique_ptr<TGameBoard> Board;
  std::unique_ptr<TSwapEffect> Swap;
  std::unique_ptr<TGroupedElementsEffect> Grouped;
  std::unique_ptr<TOpeningLockers> Opening;
  std::unique_ptr<TLockerFrames> LockerFrames;
  std::unique_ptr<TChainLockEffect> ChainLocks;
  std::unique_ptr<TBurstEffects> Webs;
  std::unique_ptr<TShuffleAwayEffect> ShuffleAway;
  std::unique_ptr<TLockerFiller> LockerFiller;
  std::unique_ptr<TLockersAwayEffect> LockersAway;
  std::unique_ptr<TLostBoardEffect> LostBoard;
  std::unique_ptr<TBoardBorder> Border;
  std::unique_ptr<TFlowingElements> Flowing;
  std::unique_ptr<TFallingElements> Falling;
  std::unique_ptr<TNewDiamondEffect> Diamonds;
  std::unique_ptr<THammerEffect> Hammer;
  std::unique_ptr<THammeredObjectsEffect> Hammered;
  std::unique_ptr<TBurstEffects> UniBubbles;
  std::unique_ptr<TBurstEffects> Explosions;
  std::unique_ptr<TBurstEffects> Stars;
  // The power tools' own effects: the hammer tool's blow, the blaster's
  // rings, the lightning bolt and the big bomb's blast.
  std::unique_ptr<THammerEffect> HammerTool;
  std::unique_ptr<TBurstEffects> Collector;
  std::unique_ptr<TLightningEffect> Lightning;
  std::unique_ptr<TBigBombEffect> BigBomb;

  // Outward events. A group the board asks to clear (for the combos); a
  // group whose clearing has finished (for the score); a gold tile worn off
  // a cell; a board that has no move left (the regeneration starts on its
  // own); the first board has been built in front of the player.
  std::function<void(const TBoardData& board, const TSimpleObjectArray& grouped)> OnGroupRequested;
  std::function<void(const TBoardData& board, const TSimpleObjectArray& cleared, bool triggeredByBlaster)>
      OnGroupCleared;
  std::function<void(TPoint tilePos, std::uint8_t goldTilesBefore)> OnGoldTileRemoved;
  std::function<void()> OnNoMoreMoves;
  std::function<void()> OnFilled;
  // Questions to the objectives: whether a kind of piece is still needed,
  // and where its slot is. Needed pieces fly there and arrive one by one.
  std::function<void(TIndividualElementKind kind, bool& required)> OnRequiredQuestion;
  std::function<void(TIndividualElementKind kind, TPoint& slotPos)> OnSlotPosRequest;
  std::function<void(TElementKind kind, std::uint8_t elementIdx)> OnPieceArrived;
  // A potion reached its place (it counts there and pays as a treasure).
  std::function<void(std::uint8_t potionIdx)> OnPotionDelivered;
  // Sounds of the board and its specials.
  std::function<void(const std::string& sound)> OnPlaySound;
  // The player swapped two pieces and the swap makes a line.
  std::function<void()> OnPlayerMove;
  // A tool item was cleared off its tile (its element code, 104..106).
  std::function<void(TPoint tilePos, int itemCode)> OnToolCollected;
  // Spiders and monsters in the cells are knocked off (an area clear).
  std::function<void(const TSimpleObjectArray& cells)> OnEnemiesBanned;

  void SetImageList(TOmegaImageList* images);
  // Tile (1, 1)'s pixel position, for the board and every effect.
  void PlaceBoard(TPoint origin);
  // Every effect idle and the board's round state cleared.
  void Reset();
  // A paused round hides the board and its effects.
  void SetVisible(bool visible);
  // The level's board, shown by the locker filler.
  // The look of the tiles and the gold tiles' kind for the next rounds.
  void SetTileKind(TTileKind kind);
  void StartRound(const TBoardSetUp& setUp);
  // A board with no move left is replaced by a fresh one.
  void Regenerate();
  // A power tool used on a tile: its effect starts, and the board's
  // operation follows when the effect reaches it.
  void UseTool(TNewToolKind kind, TPoint tilePos, TPoint toolPos);
  // A won round: a regeneration under way stops and the board shows as it
  // is; the board is cleared off the screen once it has come to rest.
  void FinishShuffle();
  void ClearAway();
  // A lost round: the board falls apart.
  void FallApart();

  // The board's layer of the round routine: the board with its border and
  // frames, the whole-board animations, the opening lockers and the hint.
  void TickBoardLayer();
  // The effects over the board: swaps, groups, falling pieces, chains and
  // webs; then, over whatever crawls on the board, the stars, the hammers'
  // blows and the tools' blasts.
  void TickEffectsLayer();
  void TickBlastsLayer();
  // Treasures and needed pieces on their way to the panel, over everything.
  void TickFlights();

  // Something on the board still moves: an effect runs, a piece falls, the
  // element pass after a landing or a uni fruit's reveal is due, or a
  // whole-board animation plays.
  bool Moving() const;
  // The board takes no click: a hammer is striking, a blaster's rings
  // spread or its wave runs.
  bool BoardBusy() const;
  // Cleared pieces are still in the air.
  bool PiecesInFlight() const;

 private:
  void WireSwaps();
  void WireClearing();
  void WireFlights();
  void WireRegeneration();
  void WireSpecials();
  void WireTools();
  // Either hammer's blow: its sound, stars and the shake around the tile.
  void HammerLands(TPoint p);
  // Sends each cleared piece on its way: needed ones to the panel, the
  // others off the board.
  void SendAway(const TBoardData& board, const TSimpleObjectArray& cleared);
  bool Required(TIndividualElementKind kind) const;
  void BringBoardIn();
  void TakeBoardAway();
  // Border and frames when the board did not draw them this frame.
  void DrawUnderLayer();

  bool FUnderLayerDrawn = false;
  bool FClearAwayDue = false;
};

}  // namespace qm
