#pragma once

#include <functional>

#include "platform/OperatingSystem.h"

namespace qm {

// True on the systems where the game starts with reduced effects: NT
// workstations of version 6.2 and 6.3, and every NT version above 6.3.
bool ReducedEffectsWanted(const TOsVersion& version);

// The start-up dialog offered where reduced effects apply: run normally or
// in windowed mode, optionally forcing full effects. It only closes through
// one of its two buttons.
class TFormWin10Confirm {
 public:
  enum TChoice { ccNone, ccRunNormally, ccRunWindowed };

  static constexpr const char* kCaption = "Windows 10 Info";
  static constexpr const char* kInfoText =
      "If you are using Windows 10 and you have issues starting this game, choose \"windowed mode\" instead. You can "
      "then try to switch to full screen from the Options menu.";

  // Shows the dialog and waits for the player; the platform decides how (no
  // platform the game runs on today needs it).
  std::function<void(TFormWin10Confirm&)> OnShowModal;

  void ShowModal() {
    if (OnShowModal) OnShowModal(*this);
  }
  void Button1Click() { FChoice = ccRunNormally; }
  void Button2Click() { FChoice = ccRunWindowed; }
  bool FormCloseQuery() const { return FChoice != ccNone; }

  TChoice Choice() const { return FChoice; }
  bool ForceFullEffectsChecked = false;

 private:
  TChoice FChoice = ccNone;
};

}  // namespace qm
