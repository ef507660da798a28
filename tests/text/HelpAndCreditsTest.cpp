#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "text/CreditLines.h"
#include "text/GlobalGameText.h"
#include "text/HelpPages.h"
#include "text/SpriteRecorder.h"
#include "text/TextFolder.h"
#include "text/TextStrings.h"

namespace qm {
namespace {

using testing_support::TSpriteRecorder;
using testing_support::TTextFolder;

TEST(HelpPages, FadesInToFullInThirteenFramesAndShowsOnlyAboveAlphaTen) {
  struct TCase {
    int AlphaStep, FirstDrawnFrame, FullFrame;
  };
  for (const TCase& c : {TCase{20, 1, 13}, TCase{10, 2, 26}, TCase{5, 3, 51}}) {
    TSpriteRecorder recorder;
    recorder.AddPicture("Help1", 64, 48);
    THelpPages help;
    help.OmgImgList = &recorder.List;
    help.AlphaStep = c.AlphaStep;
    help.Load();
    for (int frame = 1; frame <= c.FullFrame; ++frame) {
      help.TickAndDraw();
      EXPECT_EQ(help.Alpha(1), frame < c.FullFrame ? frame * c.AlphaStep : 255);
      EXPECT_EQ(recorder.Sprites().size(), frame < c.FirstDrawnFrame ? 0u : 1u) << c.AlphaStep << " " << frame;
      recorder.Forget();
    }
  }
}

class CreditLines : public testing::Test {
 protected:
  CreditLines() {
    recorder.AddPicture("GlobalFontWhite", 28 * 19, 5 * 24, 28, 5);
    text.OmgImgList = &recorder.List;
    credits.GlobGameText = &text;
  }

  // The first lines of the file; the rest are numbered.
  void Start(std::vector<std::string> lines) {
    for (int i = int(lines.size()) + 1; i <= TCreditLines::SlotCount; ++i) lines.push_back("Line " + std::to_string(i));
    folder.WriteLines("Credits.txt", lines);
    texts = std::make_unique<TTextStrings>(folder.Path);
    credits.TextStringsComp = texts.get();
    credits.Start();
  }
  void Tick(int frames) {
    for (int i = 0; i < frames; ++i) credits.TickAndDraw();
  }
  int ActiveCount() const {
    int count = 0;
    for (int i = 1; i <= TCreditLines::SlotCount; ++i) count += credits.Slot(i).Active;
    return count;
  }

  TTextFolder folder;
  std::unique_ptr<TTextStrings> texts;
  TSpriteRecorder recorder;
  TGlobalGameText text;
  TCreditLines credits;
};

TEST_F(CreditLines, AHeadingLosesItsMark) {
  Start({"#Cast", "Ann", "#", "A#b"});
  for (auto [slot, text, heading] : {std::tuple{1, "Cast", true}, {2, "Ann", false}, {3, "", true}, {4, "A#b", false}})
    EXPECT_EQ(std::pair(credits.Slot(slot).Text, credits.Slot(slot).Heading), std::pair(std::string(text), heading));
}

TEST_F(CreditLines, AnEmptyLineTakesItsSlotAndTurnAndLeavesAGap) {
  Start({"Ann", "", "Bob"});
  Tick(20);
  recorder.Forget();
  Tick(1);
  EXPECT_TRUE(credits.Slot(2).Active);
  EXPECT_EQ(recorder.Sprites().size(), 3u) << "only Ann's letters";
  Tick(19);
  EXPECT_TRUE(credits.Slot(3).Active);
  EXPECT_EQ(credits.Slot(3).Position - credits.Slot(1).Position, 2 * 20);
}

TEST_F(CreditLines, TheNextLineEntersOnceTheLineBeforeHasRisenLineGap) {
  for (int gap : {20, 7}) {
    credits.LineGap = gap;
    Start({});
    Tick(gap - 1);
    EXPECT_FALSE(credits.Slot(2).Active) << gap;
    Tick(1);
    EXPECT_EQ(credits.Slot(2).Alpha, 45) << gap;
    EXPECT_EQ(credits.Slot(2).Position, 214);
    Tick(3);
    EXPECT_EQ(credits.Slot(2).Alpha, 45 + 3 * 15) << "entered again at " << gap;
    EXPECT_EQ(ActiveCount(), 2);
  }
}

TEST_F(CreditLines, RisesAPixelAFrameFadingInByFifteenAndOutByTwentyAboveLineGapAndGoesOutAtTheTop) {
  Start({});
  struct TCase {
    int Frame, Alpha;
    bool Active;
  };
  int frame = 0;
  for (const TCase& c :
       {TCase{0, 45, true}, TCase{1, 60, true}, TCase{12, 225, true}, TCase{13, 240, true}, TCase{194, 240, true},
        TCase{195, 220, true}, TCase{206, 0, true}, TCase{213, 0, true}, TCase{214, 0, false}}) {
    Tick(c.Frame - frame);
    frame = c.Frame;
    EXPECT_EQ(credits.Slot(1).Position, 214 - frame);
    EXPECT_EQ(credits.Slot(1).Alpha, c.Alpha) << "frame " << frame;
    EXPECT_EQ(credits.Slot(1).Active, c.Active) << "frame " << frame;
  }
}

TEST_F(CreditLines, TheLastLineSendsNoneAfterItAndTheRunStartsOver) {
  Start({});
  // Line 39 enters at frame 38 * 20 and is the only one left from frame 954.
  Tick(954);
  for (int frame = 954; frame < 974; ++frame, Tick(1)) EXPECT_TRUE(ActiveCount() == 1 && credits.Slot(39).Active);
  EXPECT_EQ(ActiveCount(), 1);
  EXPECT_EQ(credits.Slot(1).Position, 214);
  EXPECT_EQ(credits.Slot(1).Alpha, 45);
}

}  // namespace
}  // namespace qm
