#pragma once

#include <cstdint>

#include "platform/Letterbox.h"
#include "platform/SdlGamePads.h"
#include "platform/Window.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace qm {

// The game window on SDL. The client size is the back buffer's size; in
// full screen the window covers the desktop and the picture is letterboxed.
class TSdlWindow : public IWindow {
 public:
  TSdlWindow();
  ~TSdlWindow() override;

  bool Valid() const { return FWindow != nullptr; }
  SDL_Window* Handle() const { return FWindow; }

  void SetTitle(const std::string& title) override;
  void SetFixedBorder(bool fixed) override;
  void SetClientSize(int width, int height) override;
  int ClientWidth() const override { return FBufferWidth; }
  int ClientHeight() const override { return FBufferHeight; }
  void OutputSize(int& width, int& height) const override;
  void Show() override;
  void Close() override { RunCloseQuery(); }
  void SetFullScreen(bool fullScreen) override;
  bool FullScreen() const override { return FFullScreen; }
  void Minimize() override;
  void SetCursorShape(TCursorShape shape) override;

  // Where the back buffer is shown inside the window right now.
  TLetterbox PresentRect() const;
  // A frame of 0xAARRGGBB words shown in the window's own surface,
  // letterboxed, for a screen drawn without SDL's renderer.
  void ShowFrame(const std::uint32_t* pixels, int width, int height);
  // Mouse, keyboard, game pad and close events of this window; true when
  // handled. A pad's buttons arrive as key presses.
  bool HandleEvent(const SDL_Event& event);
  int GamePadCount() const { return FPads.Count(); }

 private:
  void MapMouse(int windowX, int windowY, int& x, int& y) const;
  void DeliverKey(const SDL_Event& event);
  void DeliverText(const char* utf8);

  SDL_Window* FWindow = nullptr;
  SDL_Cursor* FHandCursor = nullptr;
  SDL_Cursor* FArrowCursor = nullptr;
  int FBufferWidth = 1366;
  int FBufferHeight = 768;
  bool FFullScreen = false;
  TCursorShape FCursor = TCursorShape::crDefault;
  TSdlGamePads FPads;
};

}  // namespace qm
