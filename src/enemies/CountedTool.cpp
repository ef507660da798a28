#include "enemies/CountedTool.h"

#include <algorithm>

#include "audio/AudioNames.h"
#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "enemies/ToolFrames.h"
#include "engine/StepHelpers.h"

namespace qm {

namespace {

constexpr int kDigitWidth = 12;

}  // namespace

TCountedTool::TCountedTool(int hangX, int hangY, int countX, int countY, int idleReturn, int adjustX, int adjustY)
    : HangingPosX(hangX),
      HangingPosY(hangY),
      IdleReturnTime(idleReturn),
      PointerAdjustX(adjustX),
      PointerAdjustY(adjustY),
      CountPosX(countX),
      CountPosY(countY) {
  FPos.JumpTo(float(hangX), float(hangY));
}

void TCountedTool::SetStock(int value) { FStock = std::clamp(value, 0, MaxStock); }

void TCountedTool::AcquireOne() {
  SetStock(FStock + 1);
  PlaySound(SoundName::ToolAcquired);
}

void TCountedTool::PlaySound(std::string_view name) {
  if (OnPlaySound) OnPlaySound(std::string(name));
}

bool TCountedTool::OnHangingTool(int x, int y) const {
  return PointInRect(float(x), float(y), float(HangingPosX), float(HangingPosY), float(HangingPosX + HitWidth),
                     float(HangingPosY + HitHeight));
}

void TCountedTool::Reset() {
  FState = TCountedToolState::Hanging;
  FPos.JumpTo(float(HangingPosX), float(HangingPosY));
  FTile = {};
  FIdleClock = 0;
  FHover = false;
}

void TCountedTool::StartReturn() {
  FState = TCountedToolState::Waiting;
  FIdleClock = 0;
  FTile = {};
  // Tile (0, 0) clears the board's highlight.
  ReportTilePos({}, false);
  if (OnCursorRequest) OnCursorRequest(TCursorShape::crDefault);
}

void TCountedTool::MouseDown(int x, int y, TMouseButton /*button*/) {
  FMouseX = x;
  FMouseY = y;
  if (!Available || !Enabled) return;
  if (FState == TCountedToolState::Hanging) {
    if (!OnHangingTool(x, y) || FStock < 1) return;
    FState = TCountedToolState::Carried;
    FTile = {};
    PlaySound(SoundName::PickingTool);
    if (OnPick) OnPick();
    return;
  }
  // Sweeping, spraying or on the way home: clicks wait.
  if (FState != TCountedToolState::Carried) return;
  if (!Board.Contains(x, y)) {
    StartReturn();
    return;
  }
  // The tool works where it was clicked, even if it had not caught up with
  // a quick pointer.
  FPos.JumpTo(float(x + PointerAdjustX), float(y + PointerAdjustY));
  UseAt(Board.TileAt(x, y), x, y);
}

void TCountedTool::MouseMove(int x, int y) {
  FMouseX = x;
  FMouseY = y;
  FHover = FState == TCountedToolState::Hanging && Usable() && OnHangingTool(x, y);
  if (FHover && OnCursorRequest) OnCursorRequest(TCursorShape::crHandPoint);
  if (FState != TCountedToolState::Carried) return;
  const TPoint tile = Board.TileAt(x, y);
  if (tile == FTile) return;
  FTile = tile;
  bool applies = false;
  bool blank = true;
  AskTile(tile, applies, blank);
  ReportTilePos(tile, applies);
}

void TCountedTool::UpdateAndDraw() {
  switch (FState) {
    case TCountedToolState::Hanging: break;
    case TCountedToolState::Carried:
      FPos.StepToward(float(FMouseX + PointerAdjustX), float(FMouseY + PointerAdjustY));
      break;
    case TCountedToolState::Waiting:
      if (TimerReached(FIdleClock, IdleReturnTime)) FState = TCountedToolState::Returning;
      break;
    case TCountedToolState::Returning:
      if (FPos.StepToward(float(HangingPosX), float(HangingPosY))) FState = TCountedToolState::Hanging;
      break;
    default: UpdateWork(); break;
  }
  if (!OmgImgList) return;
  DrawStock();
  switch (FState) {
    case TCountedToolState::Hanging: DrawHanging(); break;
    case TCountedToolState::Carried:
    case TCountedToolState::Waiting:
    case TCountedToolState::Returning: DrawCarried(toolframe::Carried); break;
    default: DrawWork(); break;
  }
}

void TCountedTool::DrawHanging() const {
  if (!Available) {
    DrawImage(*OmgImgList, ImgName, float(HangingPosX), float(HangingPosY), toolframe::Disabled, toolframe::UnavailableAlpha);
    return;
  }
  const int frame = !Enabled || FStock < 1 ? toolframe::Disabled : FHover ? toolframe::Highlight : toolframe::Idle;
  DrawImage(*OmgImgList, ImgName, float(HangingPosX), float(HangingPosY), frame);
}

void TCountedTool::DrawCarried(int frame, float angle) const {
  if (!OmgImgList) return;
  DrawImageEx(*OmgImgList, ImgName, FPos.X + float(ShadowAdjustX), FPos.Y + float(ShadowAdjustY), angle, 0.5f, 0.5f,
              1.0f, 1.0f, 0, 0, 0, ShadowAlpha, frame, -1);
  DrawImageEx(*OmgImgList, ImgName, FPos.X, FPos.Y, angle, 0.5f, 0.5f, 1.0f, 1.0f, 255, 255, 255, 255, frame, -1);
}

void TCountedTool::DrawStock() const {
  const int alpha = Available ? 255 : toolframe::UnavailableAlpha;
  DrawImage(*OmgImgList, std::string(img::ToolCounterDigit), float(CountPosX + (CountWidth - kDigitWidth) / 2),
            float(CountPosY), FStock, alpha);
}

}  // namespace qm
