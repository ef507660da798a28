#include "platform/SdlWindow.h"

#include <SDL.h>

#include "platform/Cp1252.h"

namespace qm {

namespace {

TShiftState ShiftFromSdl(Uint16 modifiers, Uint32 buttons) {
  TShiftState shift;
  shift.Shift = (modifiers & KMOD_SHIFT) != 0;
  shift.Alt = (modifiers & KMOD_ALT) != 0;
  shift.Ctrl = (modifiers & KMOD_CTRL) != 0;
  shift.Left = (buttons & SDL_BUTTON_LMASK) != 0;
  shift.Right = (buttons & SDL_BUTTON_RMASK) != 0;
  shift.Middle = (buttons & SDL_BUTTON_MMASK) != 0;
  return shift;
}

bool ButtonFromSdl(Uint8 button, TMouseButton& out) {
  switch (button) {
    case SDL_BUTTON_LEFT: out = TMouseButton::mbLeft; return true;
    case SDL_BUTTON_RIGHT: out = TMouseButton::mbRight; return true;
    case SDL_BUTTON_MIDDLE: out = TMouseButton::mbMiddle; return true;
    default: return false;
  }
}

// SDL key symbols to the classic virtual-key numbers; 0 for keys the game
// has no use for.
int VirtualKeyFromSdl(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return vk::F1 + (key - SDLK_F1);
  switch (key) {
    case SDLK_BACKSPACE: return vk::Back;
    case SDLK_TAB: return vk::Tab;
    case SDLK_RETURN: case SDLK_KP_ENTER: return vk::Return;
    case SDLK_ESCAPE: return vk::Escape;
    case SDLK_SPACE: return vk::Space;
    case SDLK_LEFT: return vk::Left;
    case SDLK_UP: return vk::Up;
    case SDLK_RIGHT: return vk::Right;
    case SDLK_DOWN: return vk::Down;
    case SDLK_DELETE: return vk::Delete;
    default: return 0;
  }
}

// The frame stretched into the window filtered, as a graphics card shows
// it, rather than in blocks of repeated pixels. SDL filters only between
// surfaces of one format.
void StretchSmoothly(SDL_Surface* frame, SDL_Surface* window, SDL_Rect rect) {
  SDL_Surface* alike =
      frame->format->format == window->format->format ? frame : SDL_ConvertSurface(frame, window->format, 0);
  if (!alike) return;
  if (SDL_SoftStretchLinear(alike, nullptr, window, &rect) != 0) SDL_BlitScaled(frame, nullptr, window, &rect);
  if (alike != frame) SDL_FreeSurface(alike);
}

}  // namespace

TSdlWindow::TSdlWindow() {
  FWindow = SDL_CreateWindow("Quillmere", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, FBufferWidth,
                             FBufferHeight, SDL_WINDOW_HIDDEN);
  FHandCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
  FArrowCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  FPads.OnKey = [this](int key) { PressKey(key); };
}

TSdlWindow::~TSdlWindow() {
  if (FHandCursor) SDL_FreeCursor(FHandCursor);
  if (FArrowCursor) SDL_FreeCursor(FArrowCursor);
  if (FWindow) SDL_DestroyWindow(FWindow);
}

void TSdlWindow::SetTitle(const std::string& title) {
  if (FWindow) SDL_SetWindowTitle(FWindow, Cp1252ToUtf8(title).c_str());
}

void TSdlWindow::SetFixedBorder(bool fixed) {
  if (!FWindow) return;
  SDL_SetWindowBordered(FWindow, SDL_TRUE);
  SDL_SetWindowResizable(FWindow, fixed ? SDL_FALSE : SDL_TRUE);
}

void TSdlWindow::SetClientSize(int width, int height) {
  FBufferWidth = width;
  FBufferHeight = height;
  if (FWindow && !FFullScreen) SDL_SetWindowSize(FWindow, width, height);
}

void TSdlWindow::Show() {
  if (!FWindow) return;
  SDL_ShowWindow(FWindow);
  SDL_RaiseWindow(FWindow);
}

void TSdlWindow::SetFullScreen(bool fullScreen) {
  FFullScreen = fullScreen;
  if (!FWindow) return;
  // Desktop full screen: the display keeps its mode and the picture is
  // scaled into it.
  SDL_SetWindowFullscreen(FWindow, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  if (!fullScreen) {
    SDL_RestoreWindow(FWindow);
    SDL_SetWindowSize(FWindow, FBufferWidth, FBufferHeight);
    SDL_SetWindowPosition(FWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
}

void TSdlWindow::Minimize() {
  if (FWindow) SDL_MinimizeWindow(FWindow);
}

void TSdlWindow::SetCursorShape(TCursorShape shape) {
  if (shape == FCursor) return;
  FCursor = shape;
  if (shape == TCursorShape::crNone) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_ShowCursor(SDL_ENABLE);
  SDL_Cursor* cursor = shape == TCursorShape::crHandPoint ? FHandCursor : FArrowCursor;
  if (cursor) SDL_SetCursor(cursor);
}

void TSdlWindow::OutputSize(int& width, int& height) const {
  width = FBufferWidth;
  height = FBufferHeight;
  if (FWindow) SDL_GetWindowSize(FWindow, &width, &height);
}

TLetterbox TSdlWindow::PresentRect() const {
  int width = FBufferWidth, height = FBufferHeight;
  if (FWindow) SDL_GetWindowSize(FWindow, &width, &height);
  return TLetterbox::Fit(width, height, FBufferWidth, FBufferHeight);
}

void TSdlWindow::ShowFrame(const std::uint32_t* pixels, int width, int height) {
  SDL_Surface* surface = FWindow ? SDL_GetWindowSurface(FWindow) : nullptr;
  if (!surface) return;
  // The frame's words are 0xAARRGGBB; a window without alpha reads them as
  // they are, so the frame takes its format and is never converted.
  const Uint32 format =
      surface->format->format == SDL_PIXELFORMAT_RGB888 ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_ARGB8888;
  SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels), width, height, 32,
                                                          width * 4, format);
  if (!frame) return;
  SDL_SetSurfaceBlendMode(frame, SDL_BLENDMODE_NONE);
  const TLetterbox box = PresentRect();
  SDL_Rect rect{box.Left, box.Top, box.Width, box.Height};
  // Black bars where the frame leaves the window uncovered.
  if (rect.x > 0 || rect.y > 0 || rect.w < surface->w || rect.h < surface->h)
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  if (rect.w == width && rect.h == height)
    SDL_BlitSurface(frame, nullptr, surface, &rect);
  else
    StretchSmoothly(frame, surface, rect);
  SDL_FreeSurface(frame);
  SDL_UpdateWindowSurface(FWindow);
}

void TSdlWindow::MapMouse(int windowX, int windowY, int& x, int& y) const {
  PresentRect().ToBuffer(windowX, windowY, FBufferWidth, FBufferHeight, x, y);
}

bool TSdlWindow::HandleEvent(const SDL_Event& event) {
  if (FPads.HandleEvent(event)) return true;
  int x = 0, y = 0;
  TMouseButton button;
  switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
      if (!ButtonFromSdl(event.button.button, button)) return true;
      MapMouse(event.button.x, event.button.y, x, y);
      if (OnMouseDown) OnMouseDown(button, ShiftFromSdl(SDL_GetModState(), SDL_GetMouseState(nullptr, nullptr)), x, y);
      return true;
    case SDL_MOUSEBUTTONUP:
      if (!ButtonFromSdl(event.button.button, button)) return true;
      MapMouse(event.button.x, event.button.y, x, y);
      if (OnMouseUp) OnMouseUp(button, ShiftFromSdl(SDL_GetModState(), SDL_GetMouseState(nullptr, nullptr)), x, y);
      return true;
    case SDL_MOUSEMOTION:
      MapMouse(event.motion.x, event.motion.y, x, y);
      if (OnMouseMove) OnMouseMove(ShiftFromSdl(SDL_GetModState(), event.motion.state), x, y);
      return true;
    case SDL_KEYDOWN:
      DeliverKey(event);
      return true;
    case SDL_TEXTINPUT:
      DeliverText(event.text.text);
      return true;
    case SDL_QUIT:
      Close();
      return true;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        Close();
        return true;
      }
      if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        if (OnResize) OnResize();
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TSdlWindow::DeliverKey(const SDL_Event& event) {
  int key = VirtualKeyFromSdl(event.key.keysym.sym);
  if (key == 0) return;
  PressKey(key, ShiftFromSdl(event.key.keysym.mod, SDL_GetMouseState(nullptr, nullptr)));
}

void TSdlWindow::DeliverText(const char* utf8) {
  for (char c : Utf8ToCp1252(utf8))
    if (OnKeyPress) OnKeyPress(c);
}

}  // namespace qm
