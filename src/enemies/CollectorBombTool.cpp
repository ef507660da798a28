#include "enemies/CollectorBombTool.h"

#include "audio/AudioNames.h"
#include "engine/OmegaImageList.h"
#include "enemies/ToolFrames.h"
#include "engine/StepHelpers.h"

namespace qm {

namespace {

constexpr int kBlinkPeriod = 4;
constexpr int kAdditiveBlend = 2;

}  // namespace

void TCollectorBombTool::SetHitRect(int left, int top, int width, int height) {
  HitLeft = left;
  HitTop = top;
  HitWidth = width;
  HitHeight = height;
}

void TCollectorBombTool::SetDrawOffset(int x, int y) {
  DrawOffsetX = x;
  DrawOffsetY = y;
}

bool TCollectorBombTool::HitTest(int x, int y) const {
  return PointInRect(float(x), float(y), float(HitLeft), float(HitTop), float(HitLeft + HitWidth),
                     float(HitTop + HitHeight));
}

void TCollectorBombTool::PlaySound(std::string_view name) {
  if (OnPlaySound) OnPlaySound(std::string(name));
}

void TCollectorBombTool::Reset() {
  FState = TPowerToolState::Hanging;
  FPos.JumpTo(float(HangingPosX), float(HangingPosY));
  FTile = {};
  FHover = false;
}

void TCollectorBombTool::StartReturn() {
  FState = TPowerToolState::Returning;
  FTile = {};
  bool selection = false;
  if (OnTilePosChange) OnTilePosChange({}, selection, ToolKind);
  if (OnCursorRequest) OnCursorRequest(TCursorShape::crDefault);
}

void TCollectorBombTool::AskAndReport(TPoint tile, bool& openable, bool& blank) {
  openable = false;
  blank = true;
  if (OnObjectOpenableAsk) OnObjectOpenableAsk(tile, openable, blank);
  bool selection = openable;
  if (OnTilePosChange) OnTilePosChange(tile, selection, ToolKind);
}

void TCollectorBombTool::MouseDown(int x, int y, TMouseButton button) {
  if (!Available || !Accessible) return;
  FMouseX = x;
  FMouseY = y;
  if (FState == TPowerToolState::Carried && (button == TMouseButton::mbRight || !Board.Contains(x, y))) {
    StartReturn();
    return;
  }
  const TPoint tile = Board.TileAt(x, y);
  if (FState == TPowerToolState::Hanging) {
    if (!HitTest(x, y) || !Enabled || !CostCovered()) return;
    FState = TPowerToolState::Carried;
    FPos.JumpTo(float(x + DrawOffsetX), float(y + DrawOffsetY));
    FTile = tile;
    PlaySound(SoundName::PickingTool);
    if (OnPick) OnPick();
    return;
  }
  if (FState != TPowerToolState::Carried) return;
  bool openable = false;
  bool blank = true;
  AskAndReport(tile, openable, blank);
  if (blank || !CostCovered()) {
    StartReturn();
  } else if (openable) {
    // Spent: back on its hook at once, the owner runs the effect.
    Reset();
    if (OnCursorRequest) OnCursorRequest(TCursorShape::crDefault);
    if (OnClick) OnClick(tile, {x, y});
  } else {
    PlaySound(SoundName::DisabledTile);
  }
}

bool TCollectorBombTool::CostCovered() const {
  bool covered = true;
  if (OnCostCoveredAsk) OnCostCoveredAsk(covered);
  return covered;
}

void TCollectorBombTool::MouseMove(int x, int y) {
  FMouseX = x;
  FMouseY = y;
  const TPoint tile = Board.TileAt(x, y);
  FHover = Available && Accessible && Enabled && HitTest(x, y);
  if (FHover && OnCursorRequest) OnCursorRequest(TCursorShape::crHandPoint);
  if (tile == FTile) return;
  FTile = tile;
  if (FState != TPowerToolState::Carried) return;
  bool openable = false;
  bool blank = true;
  AskAndReport(tile, openable, blank);
}

void TCollectorBombTool::UpdateAndDraw() {
  if (Enabled && !FWasEnabled) FBlink = BlinkTicks;
  FWasEnabled = Enabled;
  if (FBlink > 0) --FBlink;
  switch (FState) {
    case TPowerToolState::Hanging: break;
    case TPowerToolState::Carried: FPos.JumpTo(float(FMouseX + DrawOffsetX), float(FMouseY + DrawOffsetY)); break;
    case TPowerToolState::Returning:
      if (FPos.StepToward(float(HangingPosX), float(HangingPosY))) FState = TPowerToolState::Hanging;
      break;
  }
  if (OmgImgList) Draw();
}

void TCollectorBombTool::Draw() const {
  if (FState == TPowerToolState::Hanging) {
    if (!Available) {
      DrawImage(*OmgImgList, ImgName, float(HangingPosX), float(HangingPosY), toolframe::Disabled, toolframe::UnavailableAlpha);
      return;
    }
    int frame = FHover ? toolframe::Highlight : toolframe::Idle;
    if (!Enabled) frame = toolframe::Disabled;
    else if (FBlink > 0) frame = (FBlink / kBlinkPeriod) % 2 == 0 ? toolframe::Highlight : toolframe::Idle;
    DrawImage(*OmgImgList, ImgName, float(HangingPosX), float(HangingPosY), frame);
    return;
  }
  DrawImageEx(*OmgImgList, ImgName, FPos.X + float(ShadowAdjustX), FPos.Y + float(ShadowAdjustY), 0, 0.5f, 0.5f, 1,
              1, 0, 0, 0, ShadowAlpha, toolframe::Carried, -1);
  DrawImage(*OmgImgList, ImgName, FPos.X, FPos.Y, toolframe::Carried);
  if (ToolKind == tlBlaster && FState == TPowerToolState::Carried)
    DrawImageEx(*OmgImgList, ImgName, FPos.X, FPos.Y, 0, 0.5f, 0.5f, 1, 1, 255, 255, 255, 255, toolframe::BlasterOverlay,
                kAdditiveBlend);
}

}  // namespace qm
