#pragma once

#include <memory>

#include "effects/Collector.h"
#include "effects/FilmOverlay.h"
#include "effects/Fog.h"
#include "effects/ParticleEmitter.h"
#include "effects/Shine.h"
#include "effects/Walkers.h"

namespace qm {

class TOmegaImageList;

// Where the effects live: each scene family has its own ambient effects,
// started when the family is entered and stopped when it is left.
enum TEffectsFamily { efNone, efMenu, efMap, efTown, efRound, efStory, efEnding };

// Every visual effect of the game in one owner, so the main window holds the
// set rather than fifty members. The shell starts them on the game's events
// and calls each one's TickAndDraw at its place in the scene's order.
class TEffectsSet {
 public:
  explicit TEffectsSet(TOmegaImageList* images);

  std::unique_ptr<TParticleEmitter> ScreenDust, BounceDust, ScoringDust, SlotSparkle, HitStars, Confetti, Fireworks,
      TubeBubbles, NarrationPuffs, DiamondButterflies;
  std::unique_ptr<TShine> PlayButtonShine, MapShine, EndingShine, SunShine;
  std::unique_ptr<TWalkers> TownPeopleBack, TownPeopleFront, Clouds, Birds, BookButterflies;
  std::unique_ptr<TFilmOverlay> Film;
  std::unique_ptr<TFog> Fog;
  std::unique_ptr<TCollector> SpentHarvest;

  // Stops what the old family showed and starts the new one's ambience;
  // nothing happens when the family stays the same.
  void EnterFamily(TEffectsFamily family);
  TEffectsFamily Family() const { return FFamily; }
  // The round's effects neither move nor show while it is paused.
  void SetRoundPaused(bool paused);

  // What the next round's ambience holds: fog on the misty island, bubbles
  // in a guardian's tube (an area of no size for none).
  bool RoundMisty = false;
  int TubeLeft = 0, TubeTop = 0, TubeWidth = 0, TubeHeight = 0;
  // The family's ambience from its start again, as for a restarted round.
  void Restart();

  // Game events.
  void Celebrate();             // a won round: confetti and fireworks over the board
  // A purchase at (x, y): the spent harvest flies there from the pocket,
  // then fireworks, golden spray and confetti.
  void Purchase(int x, int y, const std::vector<TCollector::TSource>& spent);

 private:
  void ResetAll();
  void StartTown();
  void StartAmbience(TEffectsFamily family);

  TEffectsFamily FFamily = efNone;
};

}  // namespace qm
