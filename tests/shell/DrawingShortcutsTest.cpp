// The processor screen's short cuts (a uniform picture drawn as a fill,
// scaled sprites' texels kept, rows copied, equal texels taken as they are,
// draws hidden by an opaque picture over the frame dropped, the frame drawn
// in bands on every core) give the very pixels of the long
// way round.
#include <gtest/gtest.h>

#include <functional>

#include "engine/GameRandom.h"
#include "platform/OnDemandGraphics.h"
#include "platform/SdlScreenDevice.h"
#include "platform/Window.h"
#include "shell/HeadlessGame.h"

namespace qm {
namespace {

using testing::THeadlessGame;
using TShortcuts = TSoftwareScreenDevice::TShortcuts;

// Frames that take every short cut: the cover turning over the menu on the
// way to a round, and the round paused under the darkened in-game menu, each
// drawn three ticks running so that kept texels are used.
struct TFrames {
  TRgbaImage Cover, Paused;
};

TRgbaImage ThirdFrameRunning(THeadlessGame& game) {
  game.Driver().DrawTick();
  game.Driver().DrawTick();
  return game.Frame().value_or(TRgbaImage{});
}

TFrames FramesDrawnWith(const TShortcuts& shortcuts) {
  GameRandom().SetSeed(7);
  THeadlessGame game({.Rendering = true, .WithContent = true});
  IGraphics* graphics = game.Platform().Graphics.get();
  if (auto* onDemand = dynamic_cast<TOnDemandGraphics*>(graphics)) graphics = &onDemand->Real();
  auto* sdl = dynamic_cast<TSdlGraphics*>(graphics);
  if (!sdl) return {};
  sdl->ProcessorShortcuts = shortcuts;
  game.StartAsPlayerWithoutTutorials("ANN");
  game.Form().StartLevel();
  game.RunTicks(6);
  TFrames frames;
  frames.Cover = ThirdFrameRunning(game);
  EXPECT_TRUE(game.RunUntilScene(gsObjectiveInfo, 100));
  game.RunTicks(30);
  game.Click(683, 384);
  for (int moves = 0, tick = 0; moves < 1 && tick < 600; ++tick) {
    moves += game.Driver().MakeHintMove() ? 1 : 0;
    game.RunTicks(1);
  }
  game.RunTicks(40);
  game.KeyDown(vk::Escape);
  game.RunTicks(40);
  EXPECT_EQ(game.Scene(), gsInGameMenu);
  frames.Paused = ThirdFrameRunning(game);
  return frames;
}

struct TShortcutCase {
  const char* Name;
  std::function<void(TShortcuts&)> TurnOff;
};

class DrawingShortcuts : public ::testing::TestWithParam<TShortcutCase> {};

TEST_P(DrawingShortcuts, AFrameDrawnWithoutTheShortcutHasTheSamePixels) {
  const TFrames with = FramesDrawnWith({});
  if (with.Cover.Width == 0) GTEST_SKIP() << "SDL cannot make a window here";
  TShortcuts without;
  GetParam().TurnOff(without);
  const TFrames longWay = FramesDrawnWith(without);
  ASSERT_EQ(with.Cover.Width, 1366);
  ASSERT_EQ(longWay.Paused.Width, with.Paused.Width);
  EXPECT_TRUE(with.Cover.Pixels == longWay.Cover.Pixels) << "the cover differs";
  EXPECT_TRUE(with.Paused.Pixels == longWay.Paused.Pixels) << "the paused round differs";
}

INSTANTIATE_TEST_SUITE_P(
    ProcessorScreen, DrawingShortcuts,
    ::testing::Values(TShortcutCase{"UniformAsFill", [](TShortcuts& s) { s.UniformAsFill = false; }},
                      TShortcutCase{"KeepSampled", [](TShortcuts& s) { s.KeepSampled = false; }},
                      TShortcutCase{"CopyRows", [](TShortcuts& s) { s.Raster.CopyRows = false; }},
                      TShortcutCase{"SameTexels", [](TShortcuts& s) { s.Raster.SameTexels = false; }},
                      TShortcutCase{"SkipCovered", [](TShortcuts& s) { s.SkipCovered = false; }},
                      TShortcutCase{"Bands", [](TShortcuts& s) { s.Bands = 1; }}),
    [](const ::testing::TestParamInfo<TShortcutCase>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace qm
