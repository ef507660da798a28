#pragma once

#include <functional>
#include <string>

#include "audio/AudioNames.h"
#include "board/GeneralDataClass.h"
#include "enemies/Aerosol.h"
#include "engine/AnimData.h"
#include "engine/ValueUpDown.h"
#include "rules/LevelRecord.h"

namespace qm {

class TOmegaImageList;

// The five island monsters; the index is also the creature kind whose
// picture folder they are drawn from.
enum TBossKind { bkOwl, bkSquirrel, bkBee, bkBat, bkCat };

// What makes one monster kind look and stand differently; every kind
// behaves the same.
struct TBossShape {
  TBossKind Kind;
  int TopPos;
  int MaxLeftPos;
  int MaxRightPos;
  int FrontDeadGroundPos;
  int FrontViewAdjX;
  // The thrown-fruit hit box, from the monster's position.
  int HitLeftAdd;
  int HitRightAdd;
  int HitTopAdd;
  // Top-left corners of the aura and the knock-out stars from the anchor.
  TPoint AuraOffset;
  TPoint KOStarsOffset;
  const char* LoopSeq;
  const char* DeathSeq;
};

// A boss walking its ledge above the board. Thrown fruit and the aerosol
// take its energy one point a hit; now and then it turns to the front and
// absorbs, and the owner drains the round timer at its aura's peak. At zero
// energy it dies, falls to its ground line and lies stunned.
class TBossMonster {
 public:
  enum TMode { bmWalking, bmFrontView, bmAbsorbing, bmDead };
  enum TAttemptPhase { apNone, apPreparing, apAbsorbing, apFinishing };
  enum TDirection { drLeft, drRight };

  virtual ~TBossMonster() = default;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int FruitAvgSize = 53;
  int ShadowAlpha = 90;
  int NewDirTolerance = 140;
  int RefTimeForAbsorbAttempt = 10000;
  int HitsToCancelAbsorbAttempt = 99999;
  int OneAbsorbedTime = 60;
  int PreparingTime = 3000;
  int AbsorbingTime = 7000;
  int FinishingTime = 3500;
  int HitSoundDelayTime = 1000;
  int AerosolCanHitInterval = 5;
  int TopPos;
  int MaxLeftPos;
  int MaxRightPos;
  float HitAngleRecoverStep = 1.2f;
  float MaxHitAngle = 26.0f;
  float OneHitAngle = 8.0f;
  int MaxHitDownAdj = 20;
  int OneHitDownAdj = 5;
  int FrontViewAdjX;
  int FrontViewAdjY = 0;
  int RightDirViewAdjX = 0;
  int FrontDeadGroundPos;
  double DeadMoveStep;
  double DisappearMoveStep = 0;
  int DisappearVertPos = 700;
  std::string HitSound{SoundName::SpiderHit};

  std::function<void()> OnDead;
  std::function<void()> OnDeadGrounded;
  std::function<void()> OnStartAbsorbing;
  // Also when an attempt starts: the monster turns to the front either way.
  std::function<void()> OnFinishAbsorbing;
  // Seconds the round timer loses to one absorb.
  std::function<void(int seconds)> OnAbsorbTime;
  std::function<void(const std::string& sound)> OnPlaySound;

  int Energy() const { return FEnergy; }
  // Refills the current energy too, also in the middle of a round.
  void SetEnergy(int value);
  // The level's values for this monster, copied at round start.
  void ApplyLevelValues(const TBossValues& values);

  // A fresh fight: full energy, walking left from the right end. Absorb
  // attempts wait until the owner switches them on as play starts.
  void Reset();
  void Update();
  void Draw();
  void TickAndDraw() {
    Update();
    Draw();
  }

  // A fruit at (x, y), or a forced blow. True when the monster caught it,
  // also while absorbing, when the blow does no harm.
  bool Hit(int x, int y, bool forced);
  // One frame of the aerosol's spray; every few frames over the monster
  // land one blow. True when this frame did.
  bool SprayTest(const TSprayRect& spray);
  // The aura has peaked: an absorbing monster takes its seconds.
  void AbsorbAtAuraPeak();
  // The round is over: the dead monster sinks away.
  void StartDisappearing();
  void EnableAttempts(bool on);

  bool IsAbsorbing() const { return FMode == bmAbsorbing; }
  bool IsDead() const { return FMode == bmDead; }
  const TBossShape& Shape() const { return FShape; }
  TMode Mode() const { return FMode; }
  TAttemptPhase Phase() const { return FPhase; }
  TDirection Direction() const { return FDirection; }
  double X() const { return FX; }
  double Y() const { return FY; }
  int CurrentEnergy() const { return FCurrentEnergy; }
  float HitAngle() const { return FHitAngle; }
  float Recoil() const { return FRecoil; }
  bool Grounded() const { return FGrounded; }
  // Where the monster was drawn on the last tick.
  TPoint Anchor() const { return FAnchor; }
  TPoint AuraPos() const;
  TPoint KOStarsPos() const;

 protected:
  explicit TBossMonster(TBossKind kind);

 private:
  struct TDeathPose {
    float Drop = 0;
    float Lean = 0;
  };

  void Walk();
  void RunAttempt();
  void Fall();
  void StartAttempt();
  void EndAttempt();
  void TakeBlow();
  bool InSprayReach(const TSprayRect& spray) const;
  void PlaySound(const std::string& name);
  void DrawBody(float scale);

  const TBossShape& FShape;
  int FEnergy = 60;
  TMode FMode = bmWalking;
  TAttemptPhase FPhase = apNone;
  TDirection FDirection = drLeft;
  double FX = 0;
  double FY = 0;
  int FCurrentEnergy = 0;
  float FHitAngle = 0;
  int FHitDownAdj = 0;
  // A blow's push-down shows for the one frame after it landed.
  int FShownDownAdj = 0;
  float FRecoil = 0;
  float FRecoilTarget = 0;
  int FHitSoundTimer = 0;
  int FAttemptTimer = 0;
  int FAttemptThreshold = 0;
  int FPhaseElapsed = 0;
  int FAerosolFrames = 0;
  int FPreparingHits = 0;
  bool FAttemptsEnabled = false;
  bool FGrounded = false;
  bool FDisappearing = false;
  int FGroundedTicks = 0;
  TDeathPose FDeathPose;
  TPoint FAnchor;
  TAnimData FLoopSeq;
  TAnimData FDeathSeq;
  TAnimData FWalkSeq;
  TValueUpDown FBob;
  TValueUpDown FSizePulse;
  TValueUpDown FAbsorbSwing;
};

class TOwlBoss : public TBossMonster {
 public:
  TOwlBoss() : TBossMonster(bkOwl) {}
};

class TSquirrelBoss : public TBossMonster {
 public:
  TSquirrelBoss() : TBossMonster(bkSquirrel) {}
};

class TBeeBoss : public TBossMonster {
 public:
  TBeeBoss() : TBossMonster(bkBee) {}
};

class TBatBoss : public TBossMonster {
 public:
  TBatBoss() : TBossMonster(bkBat) {}
};

class TCatBoss : public TBossMonster {
 public:
  TCatBoss() : TBossMonster(bkCat) {}
};

}  // namespace qm
