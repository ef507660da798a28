#include "platform/SdlMessageBox.h"

#include <SDL.h>

#include <cstdlib>
#include <iostream>

#include "platform/Cp1252.h"

namespace qm {

void TSdlMessageBox::Show(const std::string& text, const std::string& caption, TMessageBoxKind kind) {
  std::string utf8Text = Cp1252ToUtf8(text), utf8Caption = Cp1252ToUtf8(caption);
  std::cerr << utf8Caption << ": " << utf8Text << '\n';
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
  SDL_ShowMessageBox(&data, &answer);
}

}  // namespace qm
