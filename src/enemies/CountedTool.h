#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "board/GeneralDataClass.h"
#include "enemies/ToolBoardArea.h"
#include "enemies/ToolGlide.h"
#include "platform/Window.h"

namespace qm {

class TOmegaImageList;

enum class TCountedToolState { Hanging, Carried, Sweeping, Opening, Shaking, Spraying, SprayOut, Waiting, Returning };

// What the broom, the key and the aerosol share: a stock of uses, picking
// from the holder, following the pointer and going home. Each tool adds what
// a click on the board does and what it asks the owner.
class TCountedTool {
 public:
  static constexpr int MaxStock = 9;

  virtual ~TCountedTool() = default;

  TOmegaImageList* OmgImgList = nullptr;
  std::string ImgName;
  TToolBoardArea Board;
  bool Available = true;
  bool Enabled = true;
  int HangingPosX = 0;
  int HangingPosY = 0;
  // How long a dropped tool lies still before gliding home.
  int IdleReturnTime = 250;
  // The drawn tool sits this far from the pointer.
  int PointerAdjustX = 0;
  int PointerAdjustY = 0;
  int CountPosX = 0;
  int CountPosY = 0;
  int CountWidth = 15;
  int ShadowAlpha = 50;
  int ShadowAdjustX = 5;
  int ShadowAdjustY = 7;
  // The hanging tool is hit over one picture frame.
  int HitWidth = 66;
  int HitHeight = 56;

  std::function<void(const std::string& sound)> OnPlaySound;
  std::function<void(TCursorShape shape)> OnCursorRequest;
  // The owner drops whatever other tool is in the hand.
  std::function<void()> OnPick;

  void MouseDown(int x, int y, TMouseButton button);
  void MouseMove(int x, int y);
  void UpdateAndDraw();
  // Home and idle at once, nothing asked or reported.
  void Reset();

  int Stock() const { return FStock; }
  void SetStock(int value);
  // One more collected from the board: the stock stops at MaxStock, the
  // sound plays all the same.
  void AcquireOne();

  TCountedToolState State() const { return FState; }
  bool Carried() const { return FState == TCountedToolState::Carried; }
  float X() const { return FPos.X; }
  float Y() const { return FPos.Y; }
  TPoint TilePos() const { return FTile; }

 protected:
  TCountedTool(int hangX, int hangY, int countX, int countY, int idleReturn, int adjustX, int adjustY);

  // A click on the board while carried, inside it.
  virtual void UseAt(TPoint tile, int x, int y) = 0;
  // Applicability of a tile and whether it is blank, as the owner answers.
  virtual void AskTile(TPoint tile, bool& applies, bool& blank) = 0;
  virtual void ReportTilePos(TPoint tile, bool applies) = 0;
  // One tick of a tool-specific state.
  virtual void UpdateWork() {}
  virtual void DrawWork() {}

  void StartReturn();
  void PlaySound(std::string_view name);
  void SpendOne() { if (FStock > 0) --FStock; }
  void SetState(TCountedToolState state) { FState = state; }
  int MouseX() const { return FMouseX; }
  int MouseY() const { return FMouseY; }
  // The carried picture at the tool's place, shadow first.
  void DrawCarried(int frame, float angle = 0.0f) const;

  TToolGlide FPos;

 private:
  bool OnHangingTool(int x, int y) const;
  bool Usable() const { return Available && Enabled && FStock >= 1; }
  void DrawHanging() const;
  void DrawStock() const;

  TCountedToolState FState = TCountedToolState::Hanging;
  int FStock = 3;
  int FMouseX = 0;
  int FMouseY = 0;
  TPoint FTile;
  int FIdleClock = 0;
  bool FHover = false;
};

}  // namespace qm
