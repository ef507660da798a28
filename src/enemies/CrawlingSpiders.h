#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "board/GeneralDataClass.h"
#include "enemies/Aerosol.h"
#include "engine/AnimData.h"

namespace qm {

class TOmegaImageList;

// What a spider slot is doing; the values are the slot's state byte.
enum TSpiderState : std::uint8_t {
  spWalking,
  spStopped,
  spAnchoring,
  spSpinning,
  spFree,
  spDroppingToGround,
  spWalkingOff,
  spDroppingIn,
  spHit,
  spRollingAway,
};

// Directions a spider last stepped in.
enum TSpiderDirection : std::uint8_t { sdUp, sdDown, sdLeft, sdRight };

// One spider as the owner and the tests may look at it.
struct TSpiderView {
  TSpiderState State = spFree;
  TPoint Tile;
  TPoint TargetTile;
  // Pixel position: the board origin plus column x 52 - 48, row x 52 - 34.
  int X = 0;
  int Y = 0;
  TSpiderDirection LastDirection = sdUp;
};

// Per-cell states of the board, column-major like every grid.
using TTileStates = std::array<TTileState, BoardCells>;

// Spiders dropped onto the board in waves: they crawl from tile to tile,
// stop now and then and spin webs, which the board then owns. Cleared
// tiles, cascades, the aerosol and the round's end knock them off; a
// knocked-off spider flies to the objectives or rolls off the screen.
class TCrawlingSpiders {
 public:
  static constexpr int SlotCount = 20;

  TCrawlingSpiders();

  TOmegaImageList* OmgImgList = nullptr;
  int Left = 0;
  int Top = 0;
  bool Visible = true;
  // Holds walking, stopping, webbing and new spiders; spiders dropping,
  // leaving or knocked off keep moving.
  bool Frozen = false;
  int OneWebEveryProb = 15;
  int MoveStep = 2;
  int OneStoppingEveryProb = 6;
  // Milliseconds of game time.
  int StoppingTime = 400;
  int MakeWebTime = 5000;
  int FallingMoveStep = 17;
  int VertGroundYPos = 730;
  int DisappearHorzXPos = 1366;
  int DisappearVertYPos = 768;
  int WalkAwayMoveStep = 13;
  // The "SpiderWalking" pattern size, for the spray test.
  int SpiderWidth = 48;
  int SpiderHeight = 48;
  int SpiderAdjustX = -20;
  int SpiderAdjustY = -29;
  int SpiderRollAdjX = 0;
  int SpiderRollAdjY = -10;
  int ShadowAlpha = 60;
  int ShadowAdjustX = 6;
  int ShadowAdjustY = 3;
  int DustEffectAfterHitRange = 150;
  // Cleared fruit per wave; 0 or less calls no waves.
  int FruitsInterval = 60;
  int MaxSpidersOnBoard = 2;
  int MaxWebs = 3;

  // A spider finished a web on the tile; the owner webs it on the board.
  std::function<void(TPoint tilePos)> OnPutWeb;
  // Enough fruit cleared for the next wave.
  std::function<void()> OnFruitsIntervalReached;
  std::function<void(TPoint tilePos, bool& tilePossibleToWeb)> OnTilePossibleToWebQuestion;
  // The tile a new spider drops onto; (0, 0) keeps it away.
  std::function<void(TPoint& topTilePos)> OnTopBoardPosRequest;
  // A knocked-off spider's hit is over, at the pixel its body is drawn at.
  // True when the level still needs spiders: the spider leaves the board to
  // the owner's flying one instead of rolling away.
  std::function<void(int x, int y, bool& isRequiredElement)> OnOneSpiderHit;
  // A rolling spider's drawn position, while it is still near where it was hit.
  std::function<void(TPoint pos)> OnFallingPosUpdate;
  // A spider dropped in landed on its tile.
  std::function<void(TPoint landingPos)> OnAnySpiderLanding;
  std::function<void(const std::string& sound)> OnPlaySound;

  // Every slot free, every counter 0, not frozen.
  void Reset();
  void CountClearedFruit();
  // The next wave, onto a copy of the board's cells, with the webs already on it.
  void StartWave(const TBoardData& board, int websOnBoard);
  // Spiders on the tiles of a cleared group.
  void KnockOffCleared(const TSimpleObjectArray& mask);
  // Spiders on tiles a cascade is falling through.
  void KnockOffFalling(const TTileStates& states);
  // Spiders whose middle lies in the sprayed square, edges included.
  void KnockOffSprayed(const TSprayRect& rect);
  // Every spider not already knocked off: the round ended or the board is
  // lost. No more of the wave come.
  void KnockOffAll();
  void UpdateAndDraw();

  // Slots are numbered 1 to SlotCount.
  TSpiderView Spider(int slot) const;
  // Spiders on the board that can still be knocked off.
  int LiveSpiders() const;
  // Any slot in use: a spider dropping in, on the board, leaving or knocked off.
  bool IsRunning() const;
  int WebsAllowed() const { return FWebsAllowed; }
  int WebsSpun() const { return FWebsSpun; }

 private:
  struct TSlot {
    TSpiderState State = spFree;
    TPoint Tile;
    TPoint TargetTile;
    int X = 0;
    int Y = 0;
    int TargetX = 0;
    int TargetY = 0;
    TSpiderDirection LastDirection = sdUp;
    int RollAngle = 0;
    TAnimData Walking;
    TAnimData Spinning;
    TAnimData Anchoring;
    TAnimData Hit;
    int SpinTimer = 0;
    int StopTimer = 0;
    // No neighbour to step to: stays put until knocked off or the wave ends.
    bool Stranded = false;
    int HitY = 0;
  };

  bool IsLive(const TSlot& slot) const { return slot.State <= spSpinning; }
  int PixelX(TPoint tile) const { return Left + tile.X * TileSize - 48; }
  int PixelY(TPoint tile) const { return Top + tile.Y * TileSize - 34; }
  int NewAddInterval() const;

  void Spawn();
  void AddSpider();
  void Update(TSlot& slot);
  void UpdateWalking(TSlot& slot);
  void Arrive(TSlot& slot);
  bool MayAnchorOn(const TSlot& slot) const;
  bool StepOn(TSlot& slot);
  void Leave(TSlot& slot);
  void HitSpider(TSlot& slot);
  void UpdateHit(TSlot& slot);
  void UpdateRolling(TSlot& slot);
  void Draw(TSlot& slot) const;

  std::array<TSlot, SlotCount> FSlots{};
  TBoardData FCells{};
  int FWebsAllowed = 0;
  int FWebsSpun = 0;
  int FSpidersToAdd = 0;
  int FAddTimer = 0;
  int FAddInterval = 0;
  int FFruitCount = 0;
};

}  // namespace qm
