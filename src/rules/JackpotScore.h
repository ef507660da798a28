#pragma once

#include <array>
#include <functional>
#include <string>

#include "engine/AnimData.h"

namespace qm {

class TOmegaImageList;

// Tick sounds a counting counter plays every second frame.
enum TJackpotSound { jsScoreCount, jsClick };

// A number whose digits roll toward a new value: each changed digit shows a
// blurred roll for a few frames while the shown value steps by Increment.
class TJackpotScore {
 public:
  static constexpr int MaxDigits = 6;
  using TNotify = std::function<void(TJackpotScore& sender)>;

  TJackpotScore();

  TOmegaImageList* OmgImgList = nullptr;
  // Patterns 0..9 of the digit picture are the digits; the blur picture
  // holds the rolling frames.
  std::string DigitImg;
  std::string DigitBlurImg;
  int Left = 0;
  int Top = 0;
  // Without leading zeros, centre the digits shown in the room of Digits.
  bool AutoCentered = false;
  bool ShowLeadingZeros = true;
  int DigitWidth = 15;
  int DigitHeight = 20;
  int DigitBlurHeight = 25;
  int Increment = 2;
  int BlurAlpha = 150;
  TNotify OnValueUpdate;
  std::function<void(const std::string& name)> OnPlaySound;

  // 1 to MaxDigits; a value with more digits widens it.
  int Digits() const { return FDigits; }
  void SetDigits(int value);

  // The value the counter rolls toward, and the one it shows now.
  int Value() const { return FValue; }
  int ShownValue() const { return FShown; }
  bool Rolling() const;

  // Shows v at once (below 0 counts as 0).
  void SetValue(int v);
  // Rolls toward v.
  void SetTarget(int v);
  void Add(int delta);
  // Adds and ticks the sound until the display arrives.
  void AddCounting(int delta, TJackpotSound sound);
  void Clear();

  void TickAndDraw();
  // Digit sizes from the loaded pictures.
  void ReloadSizes();

 private:
  struct TDigitRoll {
    bool Rolling = false;
    TAnimData Anim;
  };
  void Changed(int value);
  void StepShown();
  void Draw();
  std::string Format(int value) const;

  int FDigits = 5;
  int FValue = 0;
  int FShown = 0;
  int FNext = 0;
  std::array<TDigitRoll, MaxDigits + 4> FRolls{};
  bool FCounting = false;
  TJackpotSound FSound = jsScoreCount;
  int FSoundFrame = 0;
};

}  // namespace qm
