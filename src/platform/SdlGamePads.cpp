#include "platform/SdlGamePads.h"

#include <SDL.h>

#include "platform/Window.h"

namespace qm {

namespace {

// A stick counts as pushed past half way and as let go under a quarter, so
// a shaky thumb does not send a key twice.
constexpr int kPushed = 16384, kReleased = 8192;

}  // namespace

int PadButtonKey(int sdlButton) {
  switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return vk::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return vk::Right;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return vk::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return vk::Down;
    case SDL_CONTROLLER_BUTTON_A: return vk::Return;
    case SDL_CONTROLLER_BUTTON_B: return vk::PadB;
    case SDL_CONTROLLER_BUTTON_X: return vk::PadX;
    case SDL_CONTROLLER_BUTTON_START: return vk::Escape;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return vk::PadPrevious;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return vk::PadNext;
    default: return 0;
  }
}

TSdlGamePads::TSdlGamePads() {
  // Pads already plugged in arrive as "added" events like later ones.
  FReady = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

TSdlGamePads::~TSdlGamePads() {
  for (auto& [instance, pad] : FPads) SDL_GameControllerClose(pad);
  if (FReady) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool TSdlGamePads::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      if (SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which))
        FPads[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad))] = pad;
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      if (const auto found = FPads.find(event.cdevice.which); found != FPads.end()) {
        SDL_GameControllerClose(found->second);
        FPads.erase(found);
        FSticks.erase(event.cdevice.which);
      }
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
      if (FPads.count(event.cbutton.which) != 0) Send(PadButtonKey(event.cbutton.button));
      return true;
    case SDL_CONTROLLERAXISMOTION: {
      if (FPads.count(event.caxis.which) == 0) return true;
      TStick& stick = FSticks[event.caxis.which];
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) Tilt(stick.X, event.caxis.value, vk::Left, vk::Right);
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) Tilt(stick.Y, event.caxis.value, vk::Up, vk::Down);
      return true;
    }
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERDEVICEREMAPPED:
      return true;
    default:
      return false;
  }
}

void TSdlGamePads::Send(int key) const {
  if (key != 0 && OnKey) OnKey(key);
}

// One key each time the stick is pushed past half way in a direction.
void TSdlGamePads::Tilt(int& held, int value, int negativeKey, int positiveKey) const {
  const int now = value >= kPushed ? 1 : value <= -kPushed ? -1 : 0;
  if (now != 0 && now != held) Send(now < 0 ? negativeKey : positiveKey);
  if (now != 0 || (value > -kReleased && value < kReleased)) held = now;
}

}  // namespace qm
