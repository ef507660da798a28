#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "progress/BookProgressTube.h"
#include "progress/CompletedStamps.h"
#include "progress/MapIslands.h"
#include "progress/ProgressRecord.h"
#include "text/SpriteRecorder.h"

namespace qm {
namespace {

using testing_support::TSprite;
using testing_support::TSpriteRecorder;

TMapIslands NamedMap() {
  TMapIslands map;
  for (int n = 1; n <= TMapIslands::IslandCount; ++n) map.Messages[n - 1] = "island " + std::to_string(n);
  return map;
}

// What the map says on each of three visits, after some play.
struct TMessageCase {
  const char* Story;
  std::vector<int> Unlock;
  std::vector<int> PlayedBefore;  // islands played before the first visit
  std::vector<std::string> Said;
};

TEST(MapMessage, ComesOnceForEachNewIsland) {
  const TMessageCase cases[] = {{"new player", {}, {}, {"island 1", "", ""}},
                                {"island 1 played", {}, {1}, {"", "", ""}},
                                {"island 4 newly open", {4}, {1, 2, 3}, {"island 4", "", ""}},
                                {"two open: the higher speaks", {2}, {}, {"island 2", "", ""}}};
  for (const TMessageCase& c : cases) {
    TMapIslands map = NamedMap();
    for (int n : c.PlayedBefore) {
      map.Unlock(n);
      map.SelectUpTo(n);
      map.MarkPlayed();
    }
    for (int n : c.Unlock) map.Unlock(n);
    std::vector<std::string> said;
    for (int visit = 0; visit < 3; ++visit) said.push_back(map.TakeMessage());
    EXPECT_EQ(said, c.Said) << c.Story;
  }
}

struct TSelectCase {
  std::vector<int> Open;
  int UpTo;
  int Current;
};

TEST(MapSelection, UpToTakesTheHighestOpenIslandAndHighlightsIt) {
  const TSelectCase cases[] = {{{}, 5, 1}, {{2, 3}, 3, 3}, {{2, 4}, 3, 2}, {{0, 6}, 9, 1}, {{5}, 0, 1}};
  for (const TSelectCase& c : cases) {
    TMapIslands map;
    for (int n : c.Open) map.Unlock(n);
    map.SelectUpTo(c.UpTo);
    EXPECT_EQ(map.Current(), c.Current) << "up to " << c.UpTo;
    EXPECT_EQ(map.CurrentIndex(), c.Current - 1);
    EXPECT_EQ(map.Highlighted(), c.Current);
  }
}

TEST(MapSelection, TheNewlyOpenedIslandIsCurrentAndGlows) {
  TMapIslands map;
  map.SelectUpTo(1);
  map.Unlock(2);
  map.SelectHighestUnlocked();
  EXPECT_EQ(map.Current(), 2);
  EXPECT_EQ(map.Highlighted(), 2) << "the glow goes with the marker";
}

TEST(MapRecord, TheSixteenBytesGoBackAsTheyCame) {
  TProgressRecord saved = DefaultProgressRecord();
  saved.IslandPlayed = {1, 1, 0, 0, 0};
  saved.IslandUnlocked = {1, 1, 1, 0, 7};
  saved.MapReset = 3;
  saved.IslandMessageShown = {1, 1, 1, 0, 0};
  TMapIslands map;
  map.LoadFrom(saved);
  EXPECT_TRUE(map.Played(2));
  EXPECT_FALSE(map.Played(3));
  EXPECT_TRUE(map.Unlocked(5));
  EXPECT_FALSE(map.Unlocked(4));
  EXPECT_TRUE(map.MessageShown(3));
  TProgressRecord written = DefaultProgressRecord();
  map.StoreInto(written);
  EXPECT_EQ(written, saved);
  map.Reset();
  map.StoreInto(written);
  EXPECT_EQ(written, DefaultProgressRecord());
}

TEST(MapMonster, EachIslandHasItsCreature) {
  const int expected[] = {4, 2, 3, 1, 0};
  TMapIslands map;
  for (int n = 1; n <= 5; ++n) {
    map.Unlock(n);
    map.SelectUpTo(n);
    EXPECT_EQ(map.MonsterKind(), expected[n - 1]) << "island " << n;
  }
}

class Stamps : public testing::Test {
 protected:
  Stamps() {
    screen.AddPicture("MapStamp", 120, 120);
    stamps.OmgImgList = &screen.List;
    stamps.OnPlaySound = [this](const std::string& sound) { sounds.push_back(sound); };
  }
  std::vector<TSprite> Drawn() {
    screen.Forget();
    stamps.Draw();
    return screen.Sprites();
  }

  TSpriteRecorder screen;
  TCompletedStamps stamps;
  std::vector<std::string> sounds;
};

TEST_F(Stamps, TheFirstIslandHasNothingToStamp) {
  stamps.StartStamp();
  EXPECT_FALSE(stamps.Animating());
  EXPECT_TRUE(Drawn().empty());
}

TEST_F(Stamps, IslandThreesStampLandsOnTheTwentySecondFrame) {
  stamps.LastOpenedIslandIdx = 4;
  stamps.StartStamp();
  EXPECT_EQ(stamps.StampIndex(), 3);
  // 5.8 falls by 0.225 a frame and is no longer above 1 after 22 frames.
  for (int frame = 1; frame < 22; ++frame) stamps.Tick();
  EXPECT_TRUE(sounds.empty());
  std::vector<TSprite> drawn = Drawn();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[2].Alpha, 60 + 21 * 9);
  stamps.Tick();
  EXPECT_FALSE(stamps.Animating());
  for (int frame = 0; frame < 8; ++frame) stamps.Tick();
  EXPECT_EQ(sounds, std::vector<std::string>{"Combo"});
  drawn = Drawn();
  ASSERT_EQ(drawn.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    // On the left part of the island it marks, whole inside the frame.
    const TScreenPoint island = TMapIslands::IslandAt(i + 1);
    EXPECT_NEAR(drawn[i].Left + 60, island.X + 20, 0.01) << "stamp " << i + 1;
    EXPECT_NEAR(drawn[i].Top + 60, island.Y + 40, 0.01) << "stamp " << i + 1;
    EXPECT_GE(drawn[i].Left, 18) << "inside the map's border";
    EXPECT_NEAR(drawn[i].Width, 120, 0.01);
    EXPECT_EQ(drawn[i].Alpha, 255);
  }
}

TEST(TubeStatus, BandsOfThePosition) {
  const int cases[][2] = {{0, 0}, {1, 1}, {7, 2}, {8, 3}, {95, 10}, {96, 10}, {100, 11}};
  for (const auto& [position, status] : cases) EXPECT_EQ(TBookProgressTube::StatusOf(position), status) << position;
}

// Positions set one after another, and the pops the owner hears.
struct TPopCase {
  std::vector<int> Positions;
  std::vector<int> Popped;
};

TEST(TubePop, ComesOnceThreeSecondsAfterANewBandFromTwoOn) {
  const TPopCase cases[] = {{{40}, {7}}, {{1}, {}}, {{0, 12, 15}, {4}}, {{8, 250}, {11}}};
  for (const TPopCase& c : cases) {
    SCOPED_TRACE(c.Positions.back());
    TBookProgressTube tube;
    std::vector<int> popped;
    std::vector<std::string> sounds;
    tube.OnStatusChange = [&](int status) { popped.push_back(status); };
    tube.OnPlaySound = [&](const std::string& sound) { sounds.push_back(sound); };
    for (int p : c.Positions) tube.SetPosition(p);
    for (int tick = 1; tick < 100; ++tick) tube.TickAndDraw();
    EXPECT_TRUE(popped.empty());
    tube.TickAndDraw();
    EXPECT_EQ(popped, c.Popped) << "on the hundredth frame";
    for (int tick = 0; tick < 200; ++tick) tube.TickAndDraw();
    EXPECT_EQ(popped, c.Popped);
    EXPECT_EQ(sounds, std::vector<std::string>(c.Popped.size(), "NotifyLow"));
    EXPECT_FALSE(tube.PopPending());
  }
}

}  // namespace
}  // namespace qm
