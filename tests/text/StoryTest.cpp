// The story strips and the narration typed under them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/EffectsMode.h"
#include "text/ComicStrips.h"
#include "text/NarrationText.h"
#include "text/SpriteRecorder.h"
#include "text/TextFolder.h"
#include "text/TextStrings.h"

namespace qm {
namespace {

using testing_support::TSpriteRecorder;
using testing_support::TTextFolder;
using Log = std::vector<std::string>;

// Narrations of 40, 10, 20, 4 and 30 letters open the story; 40 and 20 end it.
const std::vector<std::string> kNarrations = {std::string(40, 'a'), std::string(10, 'b'), std::string(20, 'c'),
                                              "dddd", std::string(30, 'e'), "", std::string(40, 'g'),
                                              std::string(20, 'h')};

// Shows started with their narrations loaded and every report written down.
class Story : public testing::Test {
 protected:
  void Begin(TComicStripsBase& show) {
    TTextFolder folder;
    folder.WriteLines("StoryNarrations.txt", kNarrations);
    show.LoadNarrations(TTextStrings(folder.Path));
    show.OmgImgList = &screen.List;
    show.OnStartNarration = [this](TComicStripsBase& s, const std::string& text) {
      log.push_back("narration " + text.substr(0, 1));
      startsMs.push_back(s.StoryMs());
    };
    show.OnEnteringLastNarration = [this](TComicStripsBase&) { log.push_back("last"); };
    show.OnStripChange = [this](TComicStripsBase&, int strip) { log.push_back("strip " + std::to_string(strip)); };
    show.OnVoiceRequest = [this](const std::string& name) { log.push_back(name); };
    show.OnSceneFinished = [this](TComicStripsBase&) { log.push_back("finished"); };
    show.Start();
  }
  // Until the show reports its end (or a long limit).
  void RunToFinish(TComicStripsBase& show) {
    for (int frame = 0; !show.Finished() && frame < 5000; ++frame) show.UpdateAndDraw();
  }
  void Frames(TComicStripsBase& show, int count) {
    for (int frame = 0; frame < count; ++frame) show.UpdateAndDraw();
  }
  int BlackRectAlpha(const TComicStripsBase& show) {
    screen.Forget();
    show.DrawOverlay();
    for (const auto& s : screen.Sprites())
      if (s.Image == "BlackRect") return s.Alpha;
    return -1;
  }

  TSpriteRecorder screen;
  Log log;
  std::vector<int> startsMs;
};

// Strips last 2 s longer than their narrations (65 ms a letter and 2.5 s),
// the ending's silent last one 10 s; each narration waits for the strips
// before its own and starts on the first frame at or after its time.
TEST_F(Story, EachShowTimesItsStripsAndNarrationsAndOnlyTheOpeningAnnouncesItsLast) {
  TComicStrips opening;
  TEndingComicStrips ending;
  const struct {
    TComicStripsBase* Show;
    std::vector<int> StripMs, StartsMs;
    Log Reports;
  } cases[] = {
      {&opening, {7100, 5150, 5800, 4760, 6450}, {1020, 8100, 13260, 19050, 23820},
       {"narration a", "StoryOpening1", "strip 2", "StoryOpening2", "narration b", "strip 3", "StoryOpening3",
        "narration c", "strip 4", "StoryOpening4", "narration d", "strip 5", "StoryOpening5", "last", "narration e",
        "finished"}},
      {&ending, {7100, 5800, 10000}, {1020, 8100},
       {"narration g", "StoryEnding1", "strip 2", "StoryEnding2", "narration h", "strip 3", "StoryEnding3",
        "finished"}},
  };
  for (const auto& c : cases) {
    log.clear();
    startsMs.clear();
    Begin(*c.Show);
    std::vector<int> strips;
    for (int strip = 1; strip <= c.Show->StripCount(); ++strip) strips.push_back(c.Show->StripMs(strip));
    EXPECT_EQ(strips, c.StripMs);
    RunToFinish(*c.Show);
    Frames(*c.Show, 300);  // the last strip stays, dark and silent
    EXPECT_EQ(startsMs, c.StartsMs);
    EXPECT_EQ(log, c.Reports);
    EXPECT_EQ(c.Show->CurrentStrip(), c.Show->StripCount());
  }
}

TEST_F(Story, ABlackRectFadesEachStripInAndOutInTwentySixFrames) {
  screen.AddPicture("BlackRect", 683, 384);
  TComicStrips show;
  Begin(show);
  EXPECT_EQ(BlackRectAlpha(show), 255);
  Frames(show, 26);
  EXPECT_EQ(BlackRectAlpha(show), 0);
  // The 40-letter narration keeps its strip 7100 ms: it turns at frame 237.
  Frames(show, 210);
  EXPECT_FALSE(show.FadingOut());
  show.UpdateAndDraw();
  EXPECT_TRUE(show.FadingOut());
  Frames(show, 24);
  EXPECT_EQ(show.CurrentStrip(), 1);
  show.UpdateAndDraw();
  EXPECT_EQ(show.CurrentStrip(), 2);
  EXPECT_EQ(BlackRectAlpha(show), 255);
}

TEST_F(Story, WithReducedEffectsThePicturesStandStillAndFadeInHalfTheTime) {
  screen.AddPicture("BlackRect", 683, 384);
  ReducedDecoration = true;
  TComicStrips show;
  Begin(show);
  Frames(show, 13);
  EXPECT_EQ(BlackRectAlpha(show), 0);
  Frames(show, 100);
  EXPECT_EQ(show.Scale(), 1.0f) << "no slow zoom";
  ReducedDecoration = false;
}

// Enter turns to the next strip: the strip fades out at once and the next
// one comes up with its words and voice; the last strip waits for its end.
TEST_F(Story, TurningToTheNextStripBringsItsWordsWithItsPicture) {
  TComicStrips show;
  Begin(show);
  Frames(show, 60);  // strip 1, its words begun
  log.clear();
  for (int press = 0; press < 2; ++press) show.NextStrip();  // a second press during the fade does nothing
  Frames(show, 40);
  EXPECT_EQ(log, (Log{"strip 2", "StoryOpening2", "narration b"})) << "within 40 frames, not 7 seconds";
  for (int strip = 3; strip <= show.StripCount(); ++strip) {
    show.NextStrip();
    Frames(show, 40);
  }
  ASSERT_EQ(show.CurrentStrip(), show.StripCount());
  show.NextStrip();
  Frames(show, 40);
  EXPECT_FALSE(show.Finished()) << "the last strip keeps its own time";
}

TEST_F(Story, SkippingFinishesTheShowOnceAndSilencesIt) {
  const struct {
    int Frames;  // before the skip
    Log Reports;
  } cases[] = {{400, {"finished"}}, {5000, {}}};  // in strip 2; after the end
  for (const auto& c : cases) {
    TComicStrips show;
    Begin(show);
    Frames(show, c.Frames);
    log.clear();
    show.Skip();
    show.Skip();
    Frames(show, 2000);
    EXPECT_EQ(log, c.Reports);
    EXPECT_EQ(show.CurrentStrip(), 0);
  }
}

TEST_F(Story, ASilencedShowGoesOnWithoutAVoice) {
  TComicStrips show;
  Begin(show);
  Frames(show, 10);
  show.Silence();
  log.clear();
  Frames(show, 2000);
  EXPECT_NE(std::find(log.begin(), log.end(), "strip 3"), log.end()) << "the strips go on";
  for (const std::string& report : log) EXPECT_EQ(report.find("Story"), std::string::npos) << report;
}

TEST(NarrationText, ShowKeepsEightLinesOfAHundredLetters) {
  TNarrationText text;
  text.Show(10, 20, "one|two", 1, 2, 3);
  EXPECT_EQ(text.Line(2), "two");
  text.Show(0, 0, "1|2|3|4|5|6|7|8|9", 1, 2, 3);
  EXPECT_EQ(text.Line(8), "8");
  text.ShowWhite(0, 0, std::string(120, 'x'));
  EXPECT_EQ(text.Line(1).size(), 100u);
}

TEST(NarrationText, LettersComeOutOneAFrameBrightenAndFadeAway) {
  TNarrationText text;
  SetStoryNarrationLook(text);
  std::vector<int> tailX;
  text.OnTailPosUpdate = [&](TNarrationText&, TScreenPoint p) { tailX.push_back(p.X); };
  text.ShowWhite(100, 660, std::string(30, 'o'));
  for (int frame = 1; frame <= 30; ++frame) text.UpdateAndDraw();
  EXPECT_EQ(text.LetterAlpha(1, 30), 24);
  EXPECT_EQ(tailX.size(), 30u);
  EXPECT_EQ(tailX[1] - tailX[0], 12);  // "o" at 0.7 with one pixel less
  for (int frame = 1; frame <= 17; ++frame) text.UpdateAndDraw();
  EXPECT_EQ(text.LetterAlpha(1, 30), 255);
  text.Vanish();
  for (int frame = 1; frame <= 43; ++frame) text.UpdateAndDraw();
  EXPECT_EQ(text.LetterAlpha(1, 1), 0);
}

TEST(NarrationText, RevealAllBringsEveryLetterOutOnce) {
  TNarrationText text;
  text.SetMaxAlpha(300);
  text.ShowWhite(0, 0, "ab|cd");
  EXPECT_FALSE(text.RevealAll());
  EXPECT_EQ(text.LetterAlpha(2, 2), 255);
  text.UpdateAndDraw();
  EXPECT_TRUE(text.RevealAll());
}

}  // namespace
}  // namespace qm
