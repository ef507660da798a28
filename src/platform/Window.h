#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qm {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

struct TShiftState {
  bool Shift = false;
  bool Alt = false;
  bool Ctrl = false;
  bool Left = false;
  bool Right = false;
  bool Middle = false;
};

enum class TCursorShape { crDefault, crHandPoint, crNone };

// Key codes delivered to OnKeyDown follow the classic virtual-key numbering,
// so the game's key table reads the same on every platform.
namespace vk {
constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Escape = 0x1B, Space = 0x20;
constexpr int Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Delete = 0x2E;
constexpr int F1 = 0x70, F2 = 0x71, F3 = 0x72, F4 = 0x73, F5 = 0x74, F10 = 0x79, F12 = 0x7B;
// Sent by a game pad alone, from codes no keyboard uses: B (back, or a tool
// put away), X (the next of the magic key, broom and aerosol) and the
// shoulders (the previous and the next power tool).
constexpr int PadB = 0xE1, PadX = 0xE2, PadPrevious = 0xE3, PadNext = 0xE4;
}  // namespace vk

// The game's one window. Mouse positions are reported in client pixels of
// the back buffer: when the picture is shown scaled (full screen with black
// bars), the window maps positions back through the same transform.
class IWindow {
 public:
  virtual ~IWindow() = default;

  std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseDown;
  std::function<void(TShiftState, int x, int y)> OnMouseMove;
  std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseUp;
  std::function<void(int& key, TShiftState)> OnKeyDown;
  std::function<void(char& key)> OnKeyPress;  // one cp1252 character
  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void()> OnClose;
  // The window's output size changed (full screen entered or left, resized).
  std::function<void()> OnResize;

  virtual void SetTitle(const std::string& title) = 0;
  virtual void SetFixedBorder(bool fixed) = 0;
  virtual void SetClientSize(int width, int height) = 0;
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  // The pixels the window shows, which in full screen are the desktop's.
  virtual void OutputSize(int& width, int& height) const {
    width = ClientWidth();
    height = ClientHeight();
  }
  virtual void Show() = 0;
  // Asks to close: OnCloseQuery decides, then OnClose runs. Once OnClose
  // has run, further requests are ignored.
  virtual void Close() = 0;
  // Closes without asking, for a quit the player cannot answer (a logout).
  void CloseWithoutAsking();
  // A key pressed: OnKeyDown, then the control character it types (Back,
  // Return and Escape), as a classic window delivers them.
  void PressKey(int key, TShiftState shift = {});
  bool CloseDone() const { return FCloseDone; }
  virtual void SetFullScreen(bool fullScreen) = 0;
  virtual bool FullScreen() const = 0;
  virtual void Minimize() = 0;
  virtual void SetCursorShape(TCursorShape shape) = 0;

 protected:
  // The close sequence shared by every window: query, then close.
  bool RunCloseQuery();

 private:
  bool FCloseDone = false;
};

// A window that exists only in memory: tests read back what the game asked.
class THeadlessWindow : public IWindow {
 public:
  void SetTitle(const std::string& title) override { Title = title; }
  void SetFixedBorder(bool fixed) override { FixedBorder = fixed; }
  void SetClientSize(int width, int height) override {
    Width = width;
    Height = height;
  }
  int ClientWidth() const override { return Width; }
  int ClientHeight() const override { return Height; }
  void OutputSize(int& width, int& height) const override {
    width = OutputWidth > 0 ? OutputWidth : Width;
    height = OutputHeight > 0 ? OutputHeight : Height;
  }
  void Show() override { Visible = true; }
  void Close() override;
  void SetFullScreen(bool fullScreen) override { IsFullScreen = fullScreen; }
  bool FullScreen() const override { return IsFullScreen; }
  void Minimize() override { Minimized = true; }
  void SetCursorShape(TCursorShape shape) override { Cursor = shape; }

  std::string Title;
  bool FixedBorder = false;
  int Width = 1366;
  int Height = 768;
  // A screen of this size, when set; the client size otherwise.
  int OutputWidth = 0;
  int OutputHeight = 0;
  bool Visible = false;
  bool Closed = false;
  bool IsFullScreen = false;
  bool Minimized = false;
  TCursorShape Cursor = TCursorShape::crDefault;
};

}  // namespace qm
