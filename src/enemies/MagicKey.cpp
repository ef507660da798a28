#include "enemies/MagicKey.h"

#include "audio/AudioNames.h"
#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"

namespace qm {

TMagicKey::TMagicKey() : TCountedTool(32, 192, 85, 208, 250, -1, -10) { ImgName = std::string(img::MagicKeyTool); }

void TMagicKey::AskTile(TPoint tile, bool& applies, bool& blank) {
  if (OnObjectOpenableAsk) OnObjectOpenableAsk(tile, applies, blank);
}

void TMagicKey::ReportTilePos(TPoint tile, bool applies) {
  if (OnTilePosChange) OnTilePosChange(tile, applies);
}

void TMagicKey::UseAt(TPoint tile, int, int) {
  bool openable = false;
  bool blank = true;
  AskTile(tile, openable, blank);
  if (openable && Stock() > 0) {
    SpendOne();
    FOpenedTile = tile;
    FSequencePos = 0;
    SetState(TCountedToolState::Opening);
    // The lock gives at once; the turning key is only the show over it.
    if (OnTileClick) OnTileClick(tile);
  } else if (!blank) {
    PlaySound(SoundName::DisabledTile);
  } else {
    StartReturn();
  }
}

void TMagicKey::UpdateWork() {
  if (++FSequencePos < static_cast<int>(OpeningSequence.size())) return;
  if (Stock() == 0) {
    StartReturn();
    return;
  }
  SetState(TCountedToolState::Carried);
}

void TMagicKey::DrawWork() {
  if (!OmgImgList) return;
  const int at = FSequencePos < static_cast<int>(OpeningSequence.size()) ? FSequencePos : 0;
  const int frame = OpeningSequence[at] - '1';
  const TPoint origin = Board.TileOrigin(FOpenedTile);
  const int size = PatternWidth(*OmgImgList, std::string(img::MagicKeyOpening));
  DrawImage(*OmgImgList, std::string(img::MagicKeyOpening), float(origin.X + (TileSize - size) / 2),
            float(origin.Y + (TileSize - size) / 2), frame);
}

}  // namespace qm
