#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qm {

class TOmegaImageList;
class TTextStrings;

// What tells one strip show apart from the other.
struct TComicStripsParams {
  int StripCount = 0;
  // Lines of "StoryNarrations.txt", in the order they are told.
  std::vector<int> NarrationEntries;
  // A strip with no narration of its own shows this long (ms).
  int SilentStripMs = 0;
  int MaskAlpha = 255;
  bool ReportsLastNarration = false;
  // Voice of strip n.
  std::string (*VoiceOf)(int strip) = nullptr;
};

// The opening: five strips, each with its narration, under an opaque mask.
const TComicStripsParams& OpeningStripsParams();
// The ending: two narrated strips, a silent last one, a lighter mask.
const TComicStripsParams& EndingStripsParams();

// A slide show of full-screen story pictures ("Story-01", "Story-02", ...):
// each fades in from black, zooms slowly about its middle and fades out when
// its time is up, while the narrations start on their own clock. It only
// keeps time and draws; the narration line and the voices are the owner's,
// asked for through the events.
class TComicStripsBase {
 public:
  using TNotify = std::function<void(TComicStripsBase& sender)>;

  static constexpr int FadeStep = 10;
  static constexpr int NarrationMsPerLetter = 65;
  static constexpr int NarrationMsExtra = 2500;
  // A narrated strip stays up this much longer than its narration.
  static constexpr int StripMsAfterNarration = 2000;
  static constexpr int FirstNarrationMs = 1000;
  static constexpr float ZoomStep = 0.00015f;
  static constexpr float PictureTop = 95;

  explicit TComicStripsBase(TComicStripsParams params);

  TOmegaImageList* OmgImgList = nullptr;
  std::function<void(TComicStripsBase& sender, const std::string& text)> OnStartNarration;
  TNotify OnEndNarration;
  TNotify OnEnteringLastNarration;
  // Once per show, when the last strip has faded out or the show is skipped.
  TNotify OnSceneFinished;
  // Only for a strip that comes up, never past the last one.
  std::function<void(TComicStripsBase& sender, int strip)> OnStripChange;
  // The voice of the strip on screen, by name.
  std::function<void(const std::string& name)> OnVoiceRequest;

  // Once after creation, with the text tables read.
  void LoadNarrations(const TTextStrings& texts);
  // Story 1 is the one told; any other runs on a plain one-second clock.
  void Start(int story = 1);
  // Ends the show at once: the finish is reported if it was not yet, and
  // nothing else follows.
  void Skip();
  // The player is done with this strip: it fades out now and the next one's
  // words come with its picture. The last strip, and a story without timed
  // strips, wait for their own end.
  void NextStrip();
  // No voice comes any more until the next Start: the show goes on under
  // the cover that takes it away, in silence.
  void Silence() { FSilenced = true; }
  // Once per frame: time, the strip picture and its dark corners, then the
  // narration clock.
  void UpdateAndDraw();
  // Once per frame after the strips and the dust: the mask and the fade.
  void DrawOverlay() const;

  int StripCount() const { return FParams.StripCount; }
  int NarrationCount() const { return int(FParams.NarrationEntries.size()); }
  const std::string& Narration(int n) const { return FNarrations[n - 1]; }
  int NarrationStartMs(int n) const { return FNarrationStart[n - 1]; }
  int NarrationMs(int n) const { return FNarrationMs[n - 1]; }
  // 0 for a strip that never ends by time.
  int StripMs(int strip) const { return FStripMs[strip - 1]; }

  bool Playing() const { return FPlaying; }
  bool Finished() const { return FFinished; }
  // 0 when not playing.
  int CurrentStrip() const { return FStrip; }
  int CurrentNarration() const { return FNarration; }
  int Brightness() const { return FBrightness; }
  bool FadingOut() const { return FFadingOut; }
  float Top() const { return FTop; }
  // Of the picture about its middle.
  float Scale() const { return FScale; }
  int StoryMs() const { return FStoryMs; }

 private:
  void BuildTimings();
  void ResetZoom();
  void Step();
  void StepFade();
  void RequestVoice(int strip);
  void StepNarrations();
  void Draw() const;

  TComicStripsParams FParams;
  std::vector<std::string> FNarrations;
  std::vector<int> FNarrationMs;
  std::vector<int> FNarrationStart;
  std::vector<int> FStripMs;

  int FStory = 1;
  bool FPlaying = false;
  bool FFinished = false;
  bool FSilenced = false;
  int FStrip = 0;
  int FStripTimer = 0;
  int FBrightness = 0;
  bool FFadingOut = false;
  int FNarration = 0;
  int FNarrationTimer = 0;
  int FStoryMs = 0;
  float FTop = 0;
  float FScale = 1, FScaleStep = 0;
};

// The opening story.
class TComicStrips : public TComicStripsBase {
 public:
  TComicStrips() : TComicStripsBase(OpeningStripsParams()) {}
  // Kept for the owner, which sets it once the opening has been told.
  bool OpeningStoryTold = false;
};

// The ending story.
class TEndingComicStrips : public TComicStripsBase {
 public:
  TEndingComicStrips() : TComicStripsBase(EndingStripsParams()) {}
};

}  // namespace qm
