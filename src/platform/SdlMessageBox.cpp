#include "platform/SdlMessageBox.h"

#include <SDL.h>

#include <cstdlib>
#include <iostream>

#include "platform/Cp1252.h"

namespace qm {

void TSdlMessageBox::Show(const std::string& text, const std::string& caption, TMessageBoxKind kind) {
  std::string utf8Text = Cp1252ToUtf8(text), utf8Caption = Cp1252ToUtf8(caption);
  std::cerr << utf8Caption << ": " << utf8Text << '\n';
  // A box shown before the game's window exists needs the video system too.
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0) SDL_InitSubSystem(SDL_INIT_VIDEO);
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver && std::string_view(driver) == "dummy") return;

  SDL_MessageBoxButtonData buttons[2] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "OK"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "Cancel"},
  };
  SDL_MessageBoxData data{};
  data.flags = kind == TMessageBoxKind::mbError ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
  data.window = FParent;
  data.title = utf8Caption.c_str();
  data.message = utf8Text.c_str();
  data.numbuttons = kind == TMessageBoxKind::mbError ? 2 : 1;
  data.buttons = buttons;
  int answer = 0;
  if (SDL_ShowMessageBox(&data, &answer) != 0) std::cerr << "quillmere: no message box: " << SDL_GetError() << '\n';
}

}  // namespace qm
