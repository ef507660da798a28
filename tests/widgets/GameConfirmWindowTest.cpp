#include "widgets/GameConfirmWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/GameTextIds.h"
#include "text/GlobalGameText.h"
#include "text/SpriteRecorder.h"
#include "text/TextFolder.h"
#include "text/TextStrings.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;
using testing_support::TTextFolder;

constexpr std::string_view kTwoLineDesc = "Everything you collected in this round will be lost. Leave anyway?";
constexpr std::string_view kThreeLineDesc =
    "The player and all of their progress will be gone for good, with every upgrade bought and every island "
    "opened so far.";

// The confirm window as the shell sets it up, over a text folder whose
// "GameConfirms.txt" names every line.
class GameConfirmWindowTest : public testing::Test {
 protected:
  GameConfirmWindowTest() {
    std::vector<std::string> confirms;
    for (int line = 1; line <= 20; ++line) confirms.push_back("Title " + std::to_string(line));
    confirms[ConfirmTextId::LeaveRoundDesc - 1] = kTwoLineDesc;
    confirms[ConfirmTextId::DeletePlayerDesc - 1] = kThreeLineDesc;
    confirms[ConfirmTextId::ExitGameDesc - 1] = "Sure?";
    folder.WriteLines("GameConfirms.txt", confirms);
    texts = std::make_unique<TTextStrings>(folder.Path);

    screen.AddPicture("GlobalFontWhite", 28 * 32, 5 * 40, 28, 5);
    screen.AddPicture("ConfirmWindow", 406, 188);
    for (const char* name : {"WindowYesButton", "WindowNoButton", "WindowOKButton"})
      screen.AddPicture(name, 140, 48);
    screen.AddPicture("WindowCancelButton", 140, 96, 1, 2);
    text.OmgImgList = &screen.List;
    text.FetchLetterSize();

    confirm.OmgImgList = &screen.List;
    confirm.GlobGameText = &text;
    confirm.TextStringsComp = texts.get();
    confirm.Left = 480;
    confirm.Top = 290;
    confirm.OnStartShowing = [this](TGameConfirmWindow&) { events.push_back("start showing"); };
    confirm.OnStartHiding = [this](TGameConfirmWindow&) { events.push_back("start hiding"); };
    confirm.OnHidingComplete = [this](TGameConfirmWindow&, bool answer) {
      events.push_back(answer ? "hidden: yes" : "hidden: no");
    };
    confirm.OnPositiveButtonClick = [this](TGameConfirmWindow&) { events.push_back("positive"); };
    confirm.OnNegativeButtonClick = [this](TGameConfirmWindow&) { events.push_back("negative"); };
    confirm.OnPlaySound = [this](const std::string& name) { events.push_back("sound " + name); };
    confirm.OnCursorRequest = [this](TCursorShape) { ++handRequests; };
    confirm.Build();
    confirm.FetchButtonSizes();
  }

  // Frames until the window is shown.
  void DrawUntilShown() {
    for (int frame = 0; frame < 20 && confirm.Window().State() != mwShown; ++frame) confirm.Draw();
  }
  void Click(int x, int y) {
    confirm.MouseMove(x, y);
    confirm.MouseDown(x, y, TMouseButton::mbLeft);
    confirm.MouseUp(x, y);
  }
  // Tops of the text sprites, one per text line, in drawing order.
  std::vector<float> TextLineTops() {
    std::vector<float> tops;
    for (const TSprite& s : screen.Sprites())
      if (s.Image == "GlobalFontWhite" && (tops.empty() || tops.back() != s.Top)) tops.push_back(s.Top);
    return tops;
  }

  TTextFolder folder;
  std::unique_ptr<TTextStrings> texts;
  TSpriteRecorder screen;
  TGlobalGameText text;
  TGameConfirmWindow confirm;
  std::vector<std::string> events;
  int handRequests = 0;
};

using Events = std::vector<std::string>;

TEST_F(GameConfirmWindowTest, SlidesDownFromAboveAndIsShownOnTheSixthFrame) {
  confirm.Ask(1, pbYes, nbNo);
  EXPECT_EQ(confirm.Window().Position(), (TScreenPoint{480, -190}));
  std::vector<int> tops;
  for (int frame = 0; frame < 6; ++frame) {
    confirm.Draw();
    tops.push_back(confirm.Window().Position().Y);
  }
  EXPECT_EQ(tops, (std::vector<int>{-105, -20, 65, 150, 235, 290}));
  EXPECT_EQ(confirm.Window().State(), mwShown);
  EXPECT_EQ(events, (Events{"start showing"}));
}

TEST_F(GameConfirmWindowTest, ButtonsRideWithTheWindow) {
  EXPECT_EQ(confirm.PositiveButton().Left, -999);
  confirm.Ask(1, pbYes, nbNo);
  confirm.Draw();
  EXPECT_EQ(confirm.PositiveButton().Left, 480 + 67);
  EXPECT_EQ(confirm.PositiveButton().Top, -105 + 136);
  DrawUntilShown();
  EXPECT_EQ(confirm.PositiveButton().Left, 547);
  EXPECT_EQ(confirm.PositiveButton().Top, 426);
  EXPECT_EQ(confirm.NegativeButton().Left, 708);
  EXPECT_EQ(confirm.NegativeButton().Top, 426);
}

TEST_F(GameConfirmWindowTest, EachKindTakesItsTitleAndDescription) {
  const struct {
    int Kind, Title;
  } cases[] = {{0, 1}, {1, 7}, {2, 10}, {3, 16}, {4, 16}, {5, 19}, {6, 13}, {7, 4}, {8, 4}};
  for (const auto& c : cases) {
    confirm.Ask(c.Kind, pbYes, nbNo);
    EXPECT_EQ(confirm.Title(), "Title " + std::to_string(c.Title)) << "kind " << c.Kind;
    EXPECT_EQ(confirm.QuestionKind(), c.Kind);
  }
  confirm.Ask(1, pbYes, nbNo);
  EXPECT_EQ(confirm.DescLine(1), "Sure?");
  EXPECT_EQ(confirm.DescLine(2), "");
}

TEST_F(GameConfirmWindowTest, KindTwelveShowsAnEmptyQuestion) {
  confirm.Ask(1, pbYes, nbNo);
  confirm.Ask(12, pbYes, nbNo);
  EXPECT_EQ(confirm.Title(), "");
  EXPECT_EQ(confirm.DescLine(1), "");
  EXPECT_EQ(confirm.Window().State(), mwShowing);
}

TEST_F(GameConfirmWindowTest, ButtonPicturesFollowTheirKinds) {
  confirm.Ask(3, pbOK, nbCancel);
  EXPECT_EQ(confirm.PositiveButton().ImageName, "WindowOKButton");
  EXPECT_EQ(confirm.NegativeButton().ImageName, "WindowCancelButton");
  confirm.Ask(1, pbYes, nbNo);
  EXPECT_EQ(confirm.PositiveButton().ImageName, "WindowYesButton");
  EXPECT_EQ(confirm.NegativeButton().ImageName, "WindowNoButton");
}

TEST_F(GameConfirmWindowTest, YesHidesTheWindowAndAnswersTrueOnceItIsGone) {
  confirm.Ask(1, pbYes, nbNo);
  DrawUntilShown();
  events.clear();
  Click(547 + 20, 426 + 20);
  EXPECT_TRUE(confirm.Answer());
  EXPECT_EQ(events, (Events{"sound MouseOver", "sound Click", "positive", "start hiding"}));
  for (int frame = 0; frame < 10; ++frame) confirm.Draw();
  EXPECT_EQ(events.back(), "hidden: yes");
  EXPECT_EQ(confirm.Window().State(), mwHidden);
}

TEST_F(GameConfirmWindowTest, NoAnswersFalse) {
  confirm.Ask(2, pbYes, nbNo);
  DrawUntilShown();
  events.clear();
  Click(708 + 20, 426 + 20);
  EXPECT_FALSE(confirm.Answer());
  for (int frame = 0; frame < 10; ++frame) confirm.Draw();
  EXPECT_EQ(events, (Events{"sound MouseOver", "sound Click", "negative", "start hiding", "hidden: no"}));
}

TEST_F(GameConfirmWindowTest, AskingAgainForgetsTheLastAnswer) {
  confirm.Ask(1, pbYes, nbNo);
  DrawUntilShown();
  Click(567, 446);
  EXPECT_TRUE(confirm.Answer());
  confirm.Ask(1, pbYes, nbNo);
  EXPECT_FALSE(confirm.Answer());
}

TEST_F(GameConfirmWindowTest, AsksForTheHandOverEitherButton) {
  confirm.Ask(1, pbYes, nbNo);
  DrawUntilShown();
  confirm.MouseMove(567, 446);
  confirm.MouseMove(728, 446);
  confirm.MouseMove(10, 10);
  EXPECT_EQ(handRequests, 2);
}

TEST_F(GameConfirmWindowTest, TheTitleIsCentredOverTheWindow) {
  confirm.Ask(1, pbYes, nbNo);
  DrawUntilShown();
  screen.Forget();
  confirm.Draw();
  const int width = MeasureText(fkAirstripNormal, "Title 7", -1, 0.78f);
  const std::vector<TSprite> sprites = screen.Sprites();
  ASSERT_GE(sprites.size(), 2u);
  EXPECT_EQ(sprites[0].Image, "ConfirmWindow");
  EXPECT_EQ(sprites[1].Image, "GlobalFontWhite");
  // Letters are drawn half a letter (0.78 x 32 / 2, rounded) left of their place.
  EXPECT_FLOAT_EQ(sprites[1].Left, 480 + 40 + (350 - width) / 2 - 12);
  EXPECT_FLOAT_EQ(sprites[1].Top, 290 + 27 - 16);
}

TEST_F(GameConfirmWindowTest, OneDescriptionLineSitsOnTheMiddleLine) {
  confirm.Ask(1, pbYes, nbNo);
  DrawUntilShown();
  screen.Forget();
  confirm.Draw();
  // Title, then the one description line; letters drawn 11 above their line.
  EXPECT_EQ(TextLineTops(), (std::vector<float>{290 + 27 - 16, 290 + 92 - 11}));
}

TEST_F(GameConfirmWindowTest, TwoDescriptionLinesSitHalfAGapAboveAndBelow) {
  ASSERT_FALSE(WrapLine(fkAirstripNormal, kTwoLineDesc, -1, 2, 360, 0.55f).empty());
  ASSERT_TRUE(WrapLine(fkAirstripNormal, kTwoLineDesc, -1, 3, 360, 0.55f).empty());
  confirm.Ask(7, pbYes, nbNo);
  DrawUntilShown();
  screen.Forget();
  confirm.Draw();
  EXPECT_EQ(TextLineTops(), (std::vector<float>{290 + 27 - 16, 290 + 92 - 11 - 11, 290 + 92 - 11 + 12}));
}

TEST_F(GameConfirmWindowTest, ThreeDescriptionLinesStepByTheGapAroundTheMiddle) {
  ASSERT_FALSE(WrapLine(fkAirstripNormal, kThreeLineDesc, -1, 3, 360, 0.55f).empty());
  ASSERT_TRUE(WrapLine(fkAirstripNormal, kThreeLineDesc, -1, 4, 360, 0.55f).empty());
  confirm.Ask(2, pbYes, nbNo);
  DrawUntilShown();
  screen.Forget();
  confirm.Draw();
  const float first = 290 + 92 - 22 - 11;
  EXPECT_EQ(TextLineTops(), (std::vector<float>{290 + 27 - 16, first, first + 23, first + 46}));
}

TEST_F(GameConfirmWindowTest, AllDescriptionLinesStartWhereTheFirstIsCentred) {
  confirm.Ask(7, pbYes, nbNo);
  DrawUntilShown();
  screen.Forget();
  confirm.Draw();
  const int width = MeasureText(fkAirstripNormal, confirm.DescLine(1), -1, 0.55f);
  const float x = float(480 + 26 + (370 - width) / 2 - 9);  // 0.55 x 32 / 2 = 8.8, drawn 9 left
  std::vector<float> lineStarts;
  float lastTop = 0;
  for (const TSprite& s : screen.Sprites())
    if (s.Image == "GlobalFontWhite" && s.Top != lastTop) {
      lineStarts.push_back(s.Left);
      lastTop = s.Top;
    }
  ASSERT_EQ(lineStarts.size(), 3u);
  EXPECT_FLOAT_EQ(lineStarts[1], x);
  EXPECT_FLOAT_EQ(lineStarts[2], x);
}

}  // namespace
}  // namespace qm
