#include "enemies/CrawlingSpiders.h"

#include <algorithm>

#include "audio/AudioNames.h"
#include "engine/GameRandom.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {

namespace {

const std::string kWalkingImage = "SpiderWalking";
const std::string kAnchoringImage = "SpiderAnchoring";
const std::string kMakingWebImage = "SpiderMakingWeb";
const std::string kHitImage = "SpiderHit";

constexpr const char* kWalkingSeq = "AAABBBCCCDDDEEEFFFGGGHHHIII";
constexpr const char* kSpinningSeq = "AABBCCDD";
constexpr const char* kAnchoringSeq = "AAAABBBBCCCCDDDDEEEEFFFFGGGG";
constexpr const char* kHitSeq = "AABBCCDDDEEEFFFF";

constexpr int kDirectionDraws = 10000;
constexpr int kRollingPattern = 5;
constexpr int kRollStep = 12;
// A rolling spider turns about a point low on its left side, so it tumbles
// rather than spins.
constexpr float kRollCentreX = 0.25f;
constexpr float kRollCentreY = 0.65f;

TPoint Neighbour(TPoint tile, TSpiderDirection direction) {
  switch (direction) {
    case sdUp:
      return {tile.X, tile.Y - 1};
    case sdDown:
      return {tile.X, tile.Y + 1};
    case sdLeft:
      return {tile.X - 1, tile.Y};
    case sdRight:
      return {tile.X + 1, tile.Y};
  }
  return tile;
}

}  // namespace

TCrawlingSpiders::TCrawlingSpiders() {
  for (TSlot& slot : FSlots) {
    slot.Walking.SetSeq(kWalkingSeq);
    slot.Spinning.SetSeq(kSpinningSeq);
    slot.Anchoring.SetSeq(kAnchoringSeq);
    slot.Anchoring.SetLooped(false);
    slot.Hit.SetSeq(kHitSeq);
    slot.Hit.SetLooped(false);
  }
}

void TCrawlingSpiders::Reset() {
  for (TSlot& slot : FSlots) {
    slot.State = spFree;
    slot.Stranded = false;
  }
  FWebsAllowed = 0;
  FWebsSpun = 0;
  FSpidersToAdd = 0;
  FAddTimer = 0;
  FAddInterval = 0;
  FFruitCount = 0;
  Frozen = false;
}

void TCrawlingSpiders::CountClearedFruit() {
  if (FruitsInterval <= 0 || ++FFruitCount < FruitsInterval) return;
  FFruitCount = 0;
  if (OnFruitsIntervalReached) OnFruitsIntervalReached();
}

void TCrawlingSpiders::StartWave(const TBoardData& board, int websOnBoard) {
  FCells = board;
  FWebsAllowed = std::max(0, MaxWebs - websOnBoard);
  FWebsSpun = 0;
  // A spider still dropping in already belongs on the board.
  const auto present = std::count_if(FSlots.begin(), FSlots.end(),
                                     [this](const TSlot& slot) { return IsLive(slot) || slot.State == spDroppingIn; });
  FSpidersToAdd = std::max(0, MaxSpidersOnBoard - static_cast<int>(present));
  FAddTimer = 0;
  FAddInterval = NewAddInterval();
  FFruitCount = 0;
}

void TCrawlingSpiders::KnockOffCleared(const TSimpleObjectArray& mask) {
  for (TSlot& slot : FSlots)
    if (IsLive(slot) && mask.At(slot.Tile) != 0) HitSpider(slot);
}

void TCrawlingSpiders::KnockOffFalling(const TTileStates& states) {
  for (TSlot& slot : FSlots)
    if (IsLive(slot) && states[static_cast<std::size_t>(CellIndex(slot.Tile.X, slot.Tile.Y))] == tsFalling)
      HitSpider(slot);
}

void TCrawlingSpiders::KnockOffSprayed(const TSprayRect& rect) {
  for (TSlot& slot : FSlots) {
    if (!IsLive(slot)) continue;
    const float middleX = static_cast<float>(slot.X) + static_cast<float>(SpiderWidth) / 2;
    const float middleY = static_cast<float>(slot.Y) + static_cast<float>(SpiderHeight) / 2;
    if (PointInRect(middleX, middleY, static_cast<float>(rect.Left), static_cast<float>(rect.Top),
                    static_cast<float>(rect.Right), static_cast<float>(rect.Bottom)))
      HitSpider(slot);
  }
}

void TCrawlingSpiders::KnockOffAll() {
  // The rest of the wave stays away: a spider dropped onto a board that is
  // over would crawl for as long as the last words are up, and nobody plays
  // against it.
  FSpidersToAdd = 0;
  // A spider already knocked off is counted once.
  for (TSlot& slot : FSlots)
    if (slot.State != spFree && slot.State != spHit && slot.State != spRollingAway) HitSpider(slot);
}

void TCrawlingSpiders::UpdateAndDraw() {
  if (!Visible) return;
  if (!Frozen) Spawn();
  for (TSlot& slot : FSlots) {
    Update(slot);
    if (slot.State != spFree) Draw(slot);
  }
}

TSpiderView TCrawlingSpiders::Spider(int slot) const {
  if (slot < 1 || slot > SlotCount) return {};
  const TSlot& s = FSlots[static_cast<std::size_t>(slot - 1)];
  return {s.State, s.Tile, s.TargetTile, s.X, s.Y, s.LastDirection};
}

int TCrawlingSpiders::LiveSpiders() const {
  return static_cast<int>(
      std::count_if(FSlots.begin(), FSlots.end(), [this](const TSlot& slot) { return IsLive(slot); }));
}

bool TCrawlingSpiders::IsRunning() const {
  return std::any_of(FSlots.begin(), FSlots.end(), [](const TSlot& slot) { return slot.State != spFree; });
}

int TCrawlingSpiders::NewAddInterval() const { return Random(10) * 350 + 350; }

void TCrawlingSpiders::Spawn() {
  if (FSpidersToAdd <= 0 || !TimerReached(FAddTimer, FAddInterval)) return;
  FAddTimer = 0;
  FAddInterval = NewAddInterval();
  --FSpidersToAdd;
  AddSpider();
}

void TCrawlingSpiders::AddSpider() {
  const auto free = std::find_if(FSlots.begin(), FSlots.end(), [](const TSlot& slot) { return slot.State == spFree; });
  if (free == FSlots.end() || FWebsSpun >= FWebsAllowed) return;
  TPoint tile;
  if (OnTopBoardPosRequest) OnTopBoardPosRequest(tile);
  if (!IsOnBoard(tile)) return;
  TSlot& slot = *free;
  slot.Tile = tile;
  slot.TargetTile = tile;
  slot.X = PixelX(tile);
  slot.TargetX = slot.X;
  slot.TargetY = PixelY(tile);
  // Somewhere above the screen, so the spiders of a wave land one by one.
  slot.Y = Random(15) * -32;
  slot.Stranded = false;
  slot.Walking.Reset();
  slot.State = spDroppingIn;
}

void TCrawlingSpiders::Update(TSlot& slot) {
  switch (slot.State) {
    case spDroppingIn:
      if (StepToward(slot.Y, FallingMoveStep, slot.TargetY)) {
        slot.StopTimer = 0;
        slot.State = spStopped;
        if (OnAnySpiderLanding) OnAnySpiderLanding(slot.Tile);
      }
      break;
    case spWalking:
      if (!Frozen) UpdateWalking(slot);
      break;
    case spStopped:
      if (Frozen) break;
      if (slot.Stranded) {
        if (FWebsSpun >= FWebsAllowed) Leave(slot);
      } else if (TimerReached(slot.StopTimer, StoppingTime)) {
        slot.State = spWalking;
      }
      break;
    case spAnchoring:
      if (Frozen) break;
      slot.Anchoring.Next();
      if (slot.Anchoring.IsFinished()) {
        slot.SpinTimer = 0;
        slot.Spinning.Reset();
        slot.State = spSpinning;
      }
      break;
    case spSpinning:
      if (Frozen) break;
      slot.Spinning.Next();
      if (TimerReached(slot.SpinTimer, MakeWebTime)) {
        ++FWebsSpun;
        slot.State = spWalking;
        if (OnPutWeb) OnPutWeb(slot.Tile);
      }
      break;
    case spDroppingToGround:
      if (StepToward(slot.Y, FallingMoveStep, slot.TargetY)) {
        slot.TargetX = DisappearHorzXPos;
        slot.State = spWalkingOff;
      }
      break;
    case spWalkingOff:
      slot.Walking.Next();
      if (StepToward(slot.X, WalkAwayMoveStep, slot.TargetX)) slot.State = spFree;
      break;
    case spHit:
      UpdateHit(slot);
      break;
    case spRollingAway:
      UpdateRolling(slot);
      break;
    case spFree:
      break;
  }
}

void TCrawlingSpiders::UpdateWalking(TSlot& slot) {
  slot.Walking.Next();
  const bool atX = StepToward(slot.X, MoveStep, slot.TargetX);
  const bool atY = StepToward(slot.Y, MoveStep, slot.TargetY);
  if (atX && atY) Arrive(slot);
}

void TCrawlingSpiders::Arrive(TSlot& slot) {
  slot.Tile = slot.TargetTile;
  bool possible = false;
  if (OnTilePossibleToWebQuestion) OnTilePossibleToWebQuestion(slot.Tile, possible);
  if (FWebsSpun < FWebsAllowed && possible && MayAnchorOn(slot) && Random(OneWebEveryProb) == 0) {
    slot.Anchoring.Reset();
    slot.State = spAnchoring;
    return;
  }
  if (Random(OneStoppingEveryProb) == 0) {
    slot.StopTimer = 0;
    slot.State = spStopped;
    return;
  }
  if (FWebsSpun >= FWebsAllowed) {
    Leave(slot);
    return;
  }
  if (!StepOn(slot)) {
    slot.Stranded = true;
    slot.State = spStopped;
  }
}

bool TCrawlingSpiders::MayAnchorOn(const TSlot& slot) const {
  return std::none_of(FSlots.begin(), FSlots.end(), [&slot](const TSlot& other) {
    return &other != &slot && (other.State == spAnchoring || other.State == spSpinning) && other.Tile == slot.Tile;
  });
}

bool TCrawlingSpiders::StepOn(TSlot& slot) {
  // Bounded: on a tile with no used neighbour the draw would never end.
  for (int draw = 0; draw < kDirectionDraws; ++draw) {
    const auto direction = static_cast<TSpiderDirection>(Random(4));
    const TPoint next = Neighbour(slot.Tile, direction);
    if (!IsOnBoard(next) || FCells.At(next).Kind() == okUnused) continue;
    slot.LastDirection = direction;
    slot.TargetTile = next;
    slot.TargetX = PixelX(next);
    slot.TargetY = PixelY(next);
    return true;
  }
  return false;
}

void TCrawlingSpiders::Leave(TSlot& slot) {
  slot.Stranded = false;
  slot.TargetY = VertGroundYPos;
  slot.State = spDroppingToGround;
}

void TCrawlingSpiders::HitSpider(TSlot& slot) {
  if (OnPlaySound) OnPlaySound(std::string(SoundName::SpiderHit));
  slot.TargetX = slot.X;
  slot.TargetY = DisappearVertYPos;
  slot.Hit.Reset();
  slot.HitY = slot.Y;
  slot.Stranded = false;
  slot.State = spHit;
}

void TCrawlingSpiders::UpdateHit(TSlot& slot) {
  slot.Hit.Next();
  if (!slot.Hit.IsFinished()) return;
  bool required = false;
  if (OnOneSpiderHit) OnOneSpiderHit(slot.X + SpiderAdjustX, slot.Y + SpiderAdjustY, required);
  if (required) {
    slot.State = spFree;
    return;
  }
  slot.RollAngle = 0;
  slot.State = spRollingAway;
}

void TCrawlingSpiders::UpdateRolling(TSlot& slot) {
  slot.RollAngle = (slot.RollAngle + kRollStep) % 360;
  if (StepToward(slot.Y, FallingMoveStep, slot.TargetY)) {
    slot.State = spFree;
    return;
  }
  if (slot.Y - slot.HitY <= DustEffectAfterHitRange && OnFallingPosUpdate)
    OnFallingPosUpdate({slot.X + SpiderAdjustX + SpiderRollAdjX, slot.Y + SpiderAdjustY + SpiderRollAdjY});
}

void TCrawlingSpiders::Draw(TSlot& slot) const {
  if (OmgImgList == nullptr) return;
  const std::string* image = &kWalkingImage;
  int pattern = 0;
  switch (slot.State) {
    case spAnchoring:
      image = &kAnchoringImage;
      pattern = slot.Anchoring.CurrentFrame();
      break;
    case spSpinning:
      image = &kMakingWebImage;
      pattern = slot.Spinning.CurrentFrame();
      break;
    case spHit:
      image = &kHitImage;
      pattern = slot.Hit.CurrentFrame();
      break;
    case spRollingAway:
      image = &kHitImage;
      pattern = kRollingPattern;
      break;
    default:
      pattern = slot.Walking.CurrentFrame();
      break;
  }
  const bool rolling = slot.State == spRollingAway;
  const int shadowScale = slot.State == spHit || rolling ? 2 : 1;
  const float x = static_cast<float>(slot.X + SpiderAdjustX + (rolling ? SpiderRollAdjX : 0));
  const float y = static_cast<float>(slot.Y + SpiderAdjustY + (rolling ? SpiderRollAdjY : 0));
  const float angle = rolling ? static_cast<float>(slot.RollAngle) : 0.0f;
  DrawImageEx(*OmgImgList, *image, x + static_cast<float>(ShadowAdjustX * shadowScale),
              y + static_cast<float>(ShadowAdjustY * shadowScale), angle, kRollCentreX, kRollCentreY, 1, 1, 0, 0, 0,
              ShadowAlpha, pattern, 0);
  DrawImageEx(*OmgImgList, *image, x, y, angle, kRollCentreX, kRollCentreY, 1, 1, 255, 255, 255, 255, pattern, 0);
}

}  // namespace qm
