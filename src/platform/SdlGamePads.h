#pragma once

#include <functional>
#include <map>

union SDL_Event;
struct _SDL_GameController;

namespace qm {

// Game pads, taken when plugged in (or found at start) and dropped when
// pulled out, with SDL's own mapping database giving every common pad one
// layout. The d-pad and the left stick send the arrows, A Enter, Start
// Escape, and B, X and the shoulders keys of their own (vk::PadB ...).
class TSdlGamePads {
 public:
  TSdlGamePads();
  ~TSdlGamePads();
  TSdlGamePads(const TSdlGamePads&) = delete;
  TSdlGamePads& operator=(const TSdlGamePads&) = delete;

  std::function<void(int key)> OnKey;

  // True for a pad's event, which it has dealt with.
  bool HandleEvent(const SDL_Event& event);
  int Count() const { return static_cast<int>(FPads.size()); }

 private:
  struct TStick {
    int X = 0;  // -1, 0 or 1: the direction the stick is held
    int Y = 0;
  };
  void Send(int key) const;
  void Tilt(int& held, int value, int negativeKey, int positiveKey) const;

  bool FReady = false;
  std::map<int, _SDL_GameController*> FPads;  // by joystick instance
  std::map<int, TStick> FSticks;
};

// The key a pad button sends; 0 for none.
int PadButtonKey(int sdlButton);

}  // namespace qm
