#pragma once

#include <functional>
#include <string>

#include "text/FontMetrics.h"

namespace qm {

// The entry a new player's name is typed into: upper-case letters, digits,
// spaces and the accented capitals of code page 1252, at most 16 of them,
// with a blinking cursor. The shell draws DisplayText.
class TNameInput {
 public:
  static constexpr std::size_t MaxLength = 16;
  // Why the last key or OK did nothing, told under the entry for a while.
  enum TNotice { nnNone, nnRefused, nnFull, nnEmpty };
  static constexpr int NoticeTime = 2000;  // ms

  TGameFontKind FontKind = fkAirstripNormal;
  int Left = 0;
  int Top = 0;
  int BlinkInterval = 350;  // ms
  float LetterSizeRatio = 0.85f;
  int MaxPrintEntryPixelLength = 327;
  std::function<void()> OnEntryConfirmed;

  // One typed character (code page 1252): Backspace removes, Enter confirms.
  void KeyPress(char key);
  bool IsBlank() const;
  const std::string& Entry() const { return FEntry; }
  void SetEntry(const std::string& text) {
    FEntry = text;
    FNotice = nnNone;
  }
  // One frame: the cursor blinks and the display text is brought up to date.
  void Tick();
  // The end of the entry that fits the box, and the cursor while it shows.
  const std::string& DisplayText() const { return FDisplay; }

  TNotice Notice() const { return FNotice; }
  // An OK with nothing typed, where a name is needed.
  void RefuseEmpty() { Tell(nnEmpty); }

  // A character as the entry takes it: small letters become capitals.
  static unsigned char UpperCase(unsigned char code);
  // A whole name upper-cased the same way.
  static std::string UpperCase(std::string name);
  // Whether the entry keeps a (capital) character.
  static bool Accepts(unsigned char code);

 private:
  void Tell(TNotice notice);

  std::string FEntry;
  std::string FDisplay;
  TNotice FNotice = nnNone;
  int FNoticeClock = 0;
  bool FCursorVisible = true;
  int FBlinkClock = 0;
};

}  // namespace qm
