// A game pad through SDL's own controller events, with a virtual pad plugged
// in while a round runs: the d-pad and the stick move the board cursor, A
// picks and swaps, Start opens the in-game menu, and a pad pulled out is let
// go.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/SdlGamePads.h"
#include "shell/RoundFixture.h"

namespace qm {
namespace {

using testing::RoundThroughTheShell;

class GamePadPlay : public RoundThroughTheShell {
 protected:
  GamePadPlay() {
    pads.OnKey = [this](int key) { game.Window().PressKey(key); };
  }
  ~GamePadPlay() override {
    if (device >= 0) SDL_JoystickDetachVirtual(device);
  }

  void PlugIn() {
    device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                       SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    Pump();
    pad = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
    ASSERT_NE(pad, nullptr);
  }
  void PullOut() {
    SDL_JoystickDetachVirtual(device);
    device = -1;
    Pump();
  }
  void Pump() {
    SDL_JoystickUpdate();
    for (SDL_Event event; SDL_PollEvent(&event);) pads.HandleEvent(event);
  }
  void Press(SDL_GameControllerButton button) {
    SDL_JoystickSetVirtualButton(pad, button, 1);
    Pump();
    SDL_JoystickSetVirtualButton(pad, button, 0);
    Pump();
  }
  void Tilt(SDL_GameControllerAxis axis, Sint16 value) {
    SDL_JoystickSetVirtualAxis(pad, axis, value);
    Pump();
  }
  TPoint Cursor() { return game.Form().BoardCursor->Tile(); }

  TSdlGamePads pads;
  int device = -1;
  SDL_Joystick* pad = nullptr;
};

TEST_F(GamePadPlay, APadPluggedInDuringARoundPlaysItAndIsLetGoWhenPulledOut) {
  StartRound();
  PlayFromBanner();
  PlugIn();
  ASSERT_EQ(pads.Count(), 1);

  Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);  // the first press shows the cursor
  while (Cursor().X > 3) Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  while (Cursor().Y > 1) Press(SDL_CONTROLLER_BUTTON_DPAD_UP);
  ASSERT_EQ(Cursor(), (TPoint{3, 1}));
  Tilt(SDL_CONTROLLER_AXIS_LEFTX, 30000);
  Tilt(SDL_CONTROLLER_AXIS_LEFTX, 20000);  // still held: no second step
  Tilt(SDL_CONTROLLER_AXIS_LEFTX, 0);
  EXPECT_EQ(Cursor(), (TPoint{4, 1}));
  Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);

  Press(SDL_CONTROLLER_BUTTON_A);
  EXPECT_TRUE(game.Form().GameBoard().SelectionArmed());
  Press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  Settle();
  EXPECT_EQ(BananasLeft(), 3) << "three bananas lined up";

  Press(SDL_CONTROLLER_BUTTON_START);
  for (int tick = 0; tick < 200 && game.Form().InGameMenuWindow->State() != mwShown; ++tick) game.RunTicks(1);
  EXPECT_EQ(game.Form().InGameMenuWindow->State(), mwShown);

  PullOut();
  EXPECT_EQ(pads.Count(), 0);
}

TEST(GamePadButtons, EachButtonSendsItsKey) {
  const struct {
    SDL_GameControllerButton Button;
    int Key;
  } cases[] = {{SDL_CONTROLLER_BUTTON_DPAD_UP, vk::Up},   {SDL_CONTROLLER_BUTTON_A, vk::Return},
               {SDL_CONTROLLER_BUTTON_B, vk::PadB},       {SDL_CONTROLLER_BUTTON_X, vk::PadX},
               {SDL_CONTROLLER_BUTTON_START, vk::Escape}, {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, vk::PadPrevious},
               {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, vk::PadNext}, {SDL_CONTROLLER_BUTTON_GUIDE, 0}};
  for (const auto& c : cases) EXPECT_EQ(PadButtonKey(c.Button), c.Key) << c.Button;
}

}  // namespace
}  // namespace qm
