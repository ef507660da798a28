#include "enemies/BossMonster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "engine/ImageCatalogue.h"
#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {

namespace {

constexpr const char* kLoop = "112233445566776655443322";
// The cat pads along at half the others' pace.
constexpr const char* kCatLoop = "111122223333444455556666777766665555444433332222";
constexpr const char* kDeath = "11223344556677";

constexpr std::array<TBossShape, 5> kShapes{{
    {bkOwl, 478, 115, 795, 478 + 52, -4, 15, 242, 25, {185, 87}, {190, 108}, kLoop, kDeath},
    {bkSquirrel, 415, 113, 843, 415 + 41, -4, 136, 344, 142, {150, 66}, {135, 149}, kLoop, kDeath},
    {bkBee, 534, 155, 958, 539, -4, 92, 286, 70, {90, 75}, {193, 50}, kLoop, kDeath},
    {bkBat, 444, 107, 850, 489, -4, 148, 303, 116, {155, 80}, {157, 43}, kLoop, kDeath},
    {bkCat, 526, 156, 830, 531, 0, 140, 308, 55, {133, 20}, {117, 83}, kCatLoop, kDeath},
}};

// The dead monster lands in this many ticks, and its body settles with it.
constexpr int kFallTicks = 20;

constexpr float kRecoilDepth = -4.0f;
constexpr float kRecoilStep = 1.1f;

// The aerosol reaches the body only: the spray's left edge must lie over it
// and the spray must fit between its head and its feet.
constexpr int kSprayHeight = 134;
constexpr int kSprayFrontHeight = 135;
constexpr int kSprayLeftFrom = 0;
constexpr int kSprayLeftTo = 182;
constexpr int kSprayRightFrom = 85;
constexpr int kSprayRightTo = 259;
constexpr int kSprayFrontFrom = 57;
constexpr int kSprayFrontTo = 208;

// The dying body slumps and keels over.
constexpr float kDeathDrop = 12.0f;
constexpr float kDeathLean = 14.0f;

// Every creature picture is one size; it is scaled to span the hit box, with
// the head a little above where fruit start to hit and the feet near the
// bottom.
constexpr float kArtWidth = 160.0f;
constexpr float kArtHeight = 140.0f;
constexpr float kArtHeadroom = 20.0f;
constexpr float kArtFeet = 128.0f;
constexpr float kShadowWidth = 140.0f;
constexpr float kShadowHeight = 40.0f;
// The front pose swells a little with each frame of its loop.
constexpr float kBreathPerFrame = 0.01f;
constexpr int kKOStarTicks = 4;
constexpr int kKOStarPatterns = 4;

// A pattern scaled about its middle, placed so that the scaled picture's
// top-left corner is (left, top); a negative scaleX mirrors it in place.
void DrawPlaced(const TOmegaImageList& list, std::string_view name, float left, float top, float width, float height,
                float scaleX, float scaleY, float angle, int alpha, int pattern) {
  const float x = left + width * (std::abs(scaleX) - 1) / 2;
  const float y = top + height * (scaleY - 1) / 2;
  DrawImageEx(list, std::string(name), x, y, angle, 0.5f, 0.5f, scaleX, scaleY, 255, 255, 255, alpha, pattern, 0);
}

}  // namespace

TBossMonster::TBossMonster(TBossKind kind) : FShape(kShapes[kind]) {
  TopPos = FShape.TopPos;
  MaxLeftPos = FShape.MaxLeftPos;
  MaxRightPos = FShape.MaxRightPos;
  FrontViewAdjX = FShape.FrontViewAdjX;
  FrontDeadGroundPos = FShape.FrontDeadGroundPos;
  DeadMoveStep = double(FrontDeadGroundPos - TopPos) / kFallTicks;
  FLoopSeq.SetSeq(FShape.LoopSeq);
  FWalkSeq.SetSeq(FShape.LoopSeq);
  FDeathSeq.SetSeq(FShape.DeathSeq);
  FDeathSeq.SetLooped(false);
  FBob.Setup(-8, 0, 0.25f, 0.25f);
  FSizePulse.Setup(0.35f, 1, 0.06f, 0.05f);
  FAbsorbSwing.Setup(-2, 2, 4, 4);
  Reset();
}

void TBossMonster::SetEnergy(int value) {
  FEnergy = value;
  FCurrentEnergy = value;
}

void TBossMonster::ApplyLevelValues(const TBossValues& values) {
  SetEnergy(values.Energy);
  RefTimeForAbsorbAttempt = values.RefTimeForAbsorbAttempt;
  HitsToCancelAbsorbAttempt = values.HitsToCancelAbsorbAttempt;
  OneAbsorbedTime = values.OneAbsorbedTime;
  PreparingTime = values.PreparingTime;
  AbsorbingTime = values.AbsorbingTime;
  FinishingTime = values.FinishingTime;
}

void TBossMonster::Reset() {
  FMode = bmWalking;
  FPhase = apNone;
  FDirection = drLeft;
  FCurrentEnergy = FEnergy;
  FHitAngle = 0;
  FHitDownAdj = 0;
  FShownDownAdj = 0;
  FRecoil = 0;
  FRecoilTarget = 0;
  FHitSoundTimer = 0;
  FAttemptTimer = 0;
  FAttemptThreshold = 0;
  FPhaseElapsed = 0;
  FAerosolFrames = 0;
  FPreparingHits = 0;
  FAttemptsEnabled = false;
  FGrounded = false;
  FDisappearing = false;
  FGroundedTicks = 0;
  FDeathPose = {};
  FDeathSeq.Reset();
  FX = MaxRightPos;
  FY = TopPos;
  FAnchor = {RoundToEven(FX), RoundToEven(FY)};
}

void TBossMonster::Update() {
  if (!Visible) return;
  if (FAttemptsEnabled && FMode == bmWalking && TimerReached(FAttemptTimer, FAttemptThreshold)) {
    FAttemptTimer = 0;
    FAttemptThreshold = RandomStretch(RefTimeForAbsorbAttempt);
    StartAttempt();
  }
  TimerReached(FHitSoundTimer, HitSoundDelayTime);
  StepToward(FRecoil, kRecoilStep, FRecoilTarget);
  if (FRecoil == kRecoilDepth && FRecoilTarget == kRecoilDepth) FRecoilTarget = 0;

  switch (FMode) {
    case bmWalking:
      Walk();
      FWalkSeq.Next();
      break;
    case bmFrontView:
    case bmAbsorbing:
      RunAttempt();
      FLoopSeq.Next();
      if (FMode == bmAbsorbing) FAbsorbSwing.Step();
      break;
    case bmDead: Fall(); break;
  }

  if (FMode == bmDead) {
    FAnchor = {RoundToEven(FX + FrontViewAdjX), RoundToEven(FY + FrontViewAdjY)};
    return;
  }
  FBob.Step();
  FSizePulse.Step();
  FHitAngle = std::max(0.0f, FHitAngle - HitAngleRecoverStep);
  FShownDownAdj = FHitDownAdj;
  FHitDownAdj = 0;
  const double bobbing = FBob.Value() + FShownDownAdj;
  if (FMode == bmWalking)
    FAnchor = {RoundToEven(FX + (FDirection == drRight ? RightDirViewAdjX : 0)), RoundToEven(FY + bobbing)};
  else
    FAnchor = {RoundToEven(FX + FrontViewAdjX), RoundToEven(FY + FrontViewAdjY + bobbing)};
}

void TBossMonster::Walk() {
  if (FDirection == drLeft) {
    FX -= 1;
    if (FX <= MaxLeftPos) {
      FX = MaxLeftPos;
      FDirection = drRight;
    }
  } else {
    FX += 1;
    if (FX >= MaxRightPos) {
      FX = MaxRightPos;
      FDirection = drLeft;
    }
  }
}

void TBossMonster::StartAttempt() {
  FPhase = apPreparing;
  FPreparingHits = 0;
  FPhaseElapsed = 0;
  FMode = bmFrontView;
  if (OnFinishAbsorbing) OnFinishAbsorbing();
}

void TBossMonster::RunAttempt() {
  switch (FPhase) {
    case apPreparing:
      if (!TimerReached(FPhaseElapsed, PreparingTime)) break;
      FPhase = apAbsorbing;
      FPhaseElapsed = 0;
      FMode = bmAbsorbing;
      if (OnStartAbsorbing) OnStartAbsorbing();
      break;
    case apAbsorbing:
      if (!TimerReached(FPhaseElapsed, AbsorbingTime)) break;
      FPhase = apFinishing;
      FPhaseElapsed = 0;
      FMode = bmFrontView;
      if (OnFinishAbsorbing) OnFinishAbsorbing();
      break;
    case apFinishing:
      if (TimerReached(FPhaseElapsed, FinishingTime)) EndAttempt();
      break;
    case apNone: break;
  }
}

void TBossMonster::EndAttempt() {
  FPhase = apNone;
  FMode = bmWalking;
  // Close to an end it would turn there at once; it sets off the other way.
  if (FDirection == drLeft && FX < MaxLeftPos + NewDirTolerance)
    FDirection = drRight;
  else if (FDirection == drRight && FX > MaxRightPos - NewDirTolerance)
    FDirection = drLeft;
}

void TBossMonster::Fall() {
  if (FDisappearing) {
    if (FY < DisappearVertPos) FY = std::min(FY + DisappearMoveStep, double(DisappearVertPos));
  } else if (!FGrounded) {
    FY += DeadMoveStep;
    if (FY >= FrontDeadGroundPos) {
      FY = FrontDeadGroundPos;
      FGrounded = true;
      if (OnDeadGrounded) OnDeadGrounded();
    }
  }
  if (FGrounded) ++FGroundedTicks;
  FDeathSeq.Next();
  StepToward(FDeathPose.Drop, kDeathDrop / kFallTicks, kDeathDrop);
  StepToward(FDeathPose.Lean, kDeathLean / kFallTicks, kDeathLean);
}

bool TBossMonster::Hit(int x, int y, bool forced) {
  if (!Visible || FCurrentEnergy <= 0 || FMode == bmDead) return false;
  const int left = RoundToEven(FX);
  const int top = RoundToEven(FY);
  const bool caught = forced || (x >= left + FShape.HitLeftAdd - FruitAvgSize && x <= left + FShape.HitRightAdd &&
                                 y >= top + FShape.HitTopAdd);
  if (!caught) return false;
  // An absorbing monster swallows the fruit unharmed.
  if (FMode != bmAbsorbing) TakeBlow();
  return true;
}

void TBossMonster::TakeBlow() {
  FAttemptTimer = 0;
  if (FHitSoundTimer >= HitSoundDelayTime) {
    FHitSoundTimer = 0;
    PlaySound(HitSound);
  }
  if (FPhase == apPreparing && ++FPreparingHits > HitsToCancelAbsorbAttempt) EndAttempt();
  FHitAngle = std::min(FHitAngle + OneHitAngle, MaxHitAngle);
  FHitDownAdj = std::min(FHitDownAdj + OneHitDownAdj, MaxHitDownAdj);
  FRecoilTarget = kRecoilDepth;
  if (--FCurrentEnergy > 0) return;
  FDeathPose = {};
  FPhase = apNone;
  FMode = bmDead;
  if (OnDead) OnDead();
}

bool TBossMonster::InSprayReach(const TSprayRect& spray) const {
  switch (FMode) {
    case bmWalking: {
      if (spray.Top < FY || spray.Bottom > FY + kSprayHeight) return false;
      const bool left = FDirection == drLeft;
      return spray.Left >= FX + (left ? kSprayLeftFrom : kSprayRightFrom) &&
             spray.Left <= FX + (left ? kSprayLeftTo : kSprayRightTo);
    }
    case bmFrontView:
      return spray.Top >= FY && spray.Bottom <= FY + kSprayFrontHeight && spray.Left >= FX + kSprayFrontFrom &&
             spray.Left <= FX + kSprayFrontTo;
    default: return false;
  }
}

bool TBossMonster::SprayTest(const TSprayRect& spray) {
  if (!Visible || !InSprayReach(spray)) return false;
  if (++FAerosolFrames < AerosolCanHitInterval) return false;
  FAerosolFrames = 0;
  return Hit(0, 0, true);
}

void TBossMonster::AbsorbAtAuraPeak() {
  if (FMode == bmAbsorbing && OnAbsorbTime) OnAbsorbTime(OneAbsorbedTime);
}

void TBossMonster::StartDisappearing() {
  if (Visible && FMode == bmDead) FDisappearing = true;
}

void TBossMonster::EnableAttempts(bool on) {
  if (on && !FAttemptsEnabled) FAttemptThreshold = RandomStretch(RefTimeForAbsorbAttempt);
  FAttemptsEnabled = on;
}

TPoint TBossMonster::AuraPos() const {
  return {FAnchor.X + FShape.AuraOffset.X, FAnchor.Y + FShape.AuraOffset.Y};
}

TPoint TBossMonster::KOStarsPos() const {
  return {FAnchor.X + FShape.KOStarsOffset.X, FAnchor.Y + FShape.KOStarsOffset.Y};
}

void TBossMonster::PlaySound(const std::string& name) {
  if (OnPlaySound) OnPlaySound(name);
}

void TBossMonster::Draw() {
  if (!Visible || !OmgImgList) return;
  const float scale = float(FShape.HitRightAdd - FShape.HitLeftAdd) / kArtWidth;
  const float artTop = FShape.HitTopAdd - kArtHeadroom * scale;
  // The shadow stays on the ledge while the body bobs above it.
  const float shadowScale = float(FShape.HitRightAdd - FShape.HitLeftAdd) / kShadowWidth;
  const float breadth = shadowScale * (0.85f + 0.15f * FSizePulse.Value());
  const float middle = FAnchor.X + (FShape.HitLeftAdd + FShape.HitRightAdd) / 2.0f;
  DrawPlaced(*OmgImgList, img::MonsterShadow, middle - kShadowWidth * breadth / 2,
             float(FY) + artTop + (kArtFeet - kShadowHeight / 2) * scale, kShadowWidth, kShadowHeight, breadth,
             scale, 0, ShadowAlpha, 0);
  DrawBody(scale);
  if (FGrounded) {
    const TPoint stars = KOStarsPos();
    DrawImage(*OmgImgList, std::string(img::MonsterKOStars), float(stars.X), float(stars.Y),
              FGroundedTicks / kKOStarTicks % kKOStarPatterns);
  }
}

void TBossMonster::DrawBody(float scale) {
  const float left = FAnchor.X + float(FShape.HitLeftAdd);
  const float top = FAnchor.Y + FShape.HitTopAdd - kArtHeadroom * scale;
  switch (FMode) {
    case bmWalking: {
      // The pictures face right; a blow tips the head back and knocks the
      // body backwards.
      const bool right = FDirection == drRight;
      const float back = right ? FRecoil : -FRecoil;
      DrawPlaced(*OmgImgList, img::MonsterWalk, left + back, top, kArtWidth, kArtHeight, right ? scale : -scale,
                 scale, right ? -FHitAngle : FHitAngle, 255, FWalkSeq.CurrentFrame());
      break;
    }
    case bmFrontView:
    case bmAbsorbing: {
      const bool absorbing = FMode == bmAbsorbing;
      const float shake = absorbing ? FAbsorbSwing.Value() : 0.0f;
      const float breath = 1 + kBreathPerFrame * FLoopSeq.CurrentFrame();
      DrawPlaced(*OmgImgList, img::MonsterFront, left + shake, top + FRecoil, kArtWidth, kArtHeight, scale,
                 scale * breath, FHitAngle, 255, absorbing ? 1 : 0);
      break;
    }
    case bmDead:
      DrawPlaced(*OmgImgList, img::MonsterDeath, left, top + FDeathPose.Drop, kArtWidth, kArtHeight, scale, scale,
                 FDeathPose.Lean, 255, FDeathSeq.CurrentFrame());
      break;
  }
}

}  // namespace qm
