// Real SDL events on the dummy video driver, through the window the game
// uses: buttons, keys and positions as the shell receives them.
#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <vector>

#include "platform/Platform.h"
#include "platform/SdlWindow.h"

namespace qm {
namespace {

class SdlInput : public ::testing::Test {
 protected:
  void SetUp() override {
    platform = CreateRenderingTestPlatform();
    window = dynamic_cast<TSdlWindow*>(platform->Window.get());
    if (window == nullptr) GTEST_SKIP() << "SDL cannot make a window here";
    window->SetClientSize(1366, 768);
    window->OnMouseDown = [this](TMouseButton button, TShiftState, int x, int y) {
      presses.push_back({button, x, y});
    };
    window->OnKeyDown = [this](int& key, TShiftState) { keys.push_back(key); };
    window->OnKeyPress = [this](char& key) { typed.push_back(key); };
  }

  // Pushes the event into SDL's queue and hands over what comes out, as the
  // message loop does.
  void Send(SDL_Event event) {
    SDL_PushEvent(&event);
    SDL_Event out;
    while (SDL_PollEvent(&out)) window->HandleEvent(out);
  }
  void Press(Uint8 button, int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    Send(event);
  }
  void Key(SDL_Keycode key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    Send(event);
  }

  struct TPress {
    TMouseButton Button;
    int X, Y;
  };
  std::unique_ptr<TPlatform> platform;
  TSdlWindow* window = nullptr;
  std::vector<TPress> presses;
  std::vector<int> keys;
  std::vector<char> typed;
};

TEST_F(SdlInput, ButtonsArriveAsTheGamesButtons) {
  Press(SDL_BUTTON_LEFT, 100, 200);
  Press(SDL_BUTTON_RIGHT, 10, 20);
  Press(SDL_BUTTON_X1, 1, 1);  // a button the game has no use for
  ASSERT_EQ(presses.size(), 2u);
  EXPECT_EQ(presses[0].Button, TMouseButton::mbLeft);
  EXPECT_EQ(presses[0].X, 100);
  EXPECT_EQ(presses[0].Y, 200);
  EXPECT_EQ(presses[1].Button, TMouseButton::mbRight);
}

TEST_F(SdlInput, TheGamesKeysArriveAsTheirVirtualKeys) {
  for (SDL_Keycode key : {SDLK_F2, SDLK_F5, SDLK_F12, SDLK_ESCAPE, SDLK_F10}) Key(key);
  EXPECT_EQ(keys, (std::vector<int>{vk::F2, vk::F5, vk::F12, vk::Escape, vk::F10}));
  EXPECT_EQ(typed, (std::vector<char>{27})) << "Escape also types its character";
}

TEST_F(SdlInput, APressOnALetterboxedWindowComesBackInFramePixels) {
  // The frame shown in a 1920 x 1080 window: scaled evenly, bars above and
  // below.
  SDL_SetWindowSize(window->Handle(), 1920, 1080);
  const TLetterbox box = window->PresentRect();
  ASSERT_EQ(box.Width, 1920);
  Press(SDL_BUTTON_LEFT, 960, 540);
  Press(SDL_BUTTON_LEFT, box.Left + box.Width - 1, box.Top + box.Height - 1);
  ASSERT_EQ(presses.size(), 2u);
  EXPECT_NEAR(presses[0].X, 683, 1);
  EXPECT_NEAR(presses[0].Y, 384, 1);
  EXPECT_EQ(presses[1].X, 1365);
  EXPECT_EQ(presses[1].Y, 767);
}

}  // namespace
}  // namespace qm
