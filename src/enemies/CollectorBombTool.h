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

enum class TPowerToolState { Hanging, Carried, Returning };

// One of the six manna tools, told apart by ToolKind. It only knows the
// pointer: what a tile allows is asked through OnObjectOpenableAsk, and a use
// ends in OnClick, which the owner turns into the board's operation. The
// owner also drops the other five on OnPick and switches Enabled with the
// manna gauge.
class TCollectorBombTool {
 public:
  static constexpr int BlinkTicks = 24;

  TOmegaImageList* OmgImgList = nullptr;
  // Frames: 0 idle, 1 highlighted, 2 carried, 3 disabled, 4 the blaster's overlay.
  std::string ImgName;
  TToolBoardArea Board;
  int HangingPosX = 32;
  int HangingPosY = 192;
  // Unavailable tools are drawn faint and ignore the mouse.
  bool Available = true;
  // Turning this on again makes the hanging tool blink.
  bool Enabled = true;
  // Off while the game is paused.
  bool Accessible = true;
  TNewToolKind ToolKind = tlNone;
  int ShadowAlpha = 80;
  int ShadowAdjustX = -4;
  int ShadowAdjustY = 5;
  int HitLeft = 0;
  int HitTop = 0;
  int HitWidth = 50;
  int HitHeight = 50;
  // Where the carried picture sits from the pointer.
  int DrawOffsetX = 0;
  int DrawOffsetY = 0;

  std::function<void()> OnPick;
  std::function<void(TPoint tilePos, TPoint toolPos)> OnClick;
  // Tile (0, 0) clears the highlight. selectionEnabled comes in as the
  // applicability just asked for.
  std::function<void(TPoint tilePos, bool& selectionEnabled, TNewToolKind kind)> OnTilePosChange;
  std::function<void(TPoint tilePos, bool& openable, bool& isBlankTile)> OnObjectOpenableAsk;
  // Whether the tool can be paid for now: asked when it is picked and again
  // when it is used (no answer: it can).
  std::function<void(bool& covered)> OnCostCoveredAsk;
  std::function<void(const std::string& sound)> OnPlaySound;
  std::function<void(TCursorShape shape)> OnCursorRequest;

  // Hit rectangle and drawing offset in one go, as the holders are laid out.
  void SetHitRect(int left, int top, int width, int height);
  void SetDrawOffset(int x, int y);

  void MouseDown(int x, int y, TMouseButton button);
  void MouseMove(int x, int y);
  void UpdateAndDraw();
  // Hanging, neither carried nor returning; nothing is reported.
  void Reset();

  TPowerToolState State() const { return FState; }
  bool Carried() const { return FState == TPowerToolState::Carried; }
  float X() const { return FPos.X; }
  float Y() const { return FPos.Y; }
  bool Blinking() const { return FBlink > 0; }
  bool HitTest(int x, int y) const;

 private:
  void StartReturn();
  bool CostCovered() const;
  void AskAndReport(TPoint tile, bool& openable, bool& blank);
  void PlaySound(std::string_view name);
  void Draw() const;

  TPowerToolState FState = TPowerToolState::Hanging;
  TToolGlide FPos{32, 192};
  int FMouseX = 0;
  int FMouseY = 0;
  TPoint FTile;
  bool FHover = false;
  bool FWasEnabled = true;
  int FBlink = 0;
};

}  // namespace qm
