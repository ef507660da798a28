#include "progress/NameInput.h"

#include <algorithm>

#include "engine/FrameTime.h"
#include "text/GlobalGameText.h"

namespace qm {

namespace {

constexpr char kBackspace = 8;
constexpr char kEnter = 13;

// Small letters of code page 1252 beyond ASCII and their capitals.
constexpr unsigned char kAccented[][2] = {{156, 140}, {224, 192}, {226, 194}, {228, 196}, {230, 198}, {231, 199},
                                          {232, 200}, {233, 201}, {234, 202}, {235, 203}, {238, 206}, {239, 207},
                                          {244, 212}, {246, 214}, {249, 217}, {251, 219}, {252, 220}, {255, 159}};

}  // namespace

bool TNameInput::Accepts(unsigned char c) {
  if (c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return true;
  for (unsigned char capital : {140, 159, 192, 194, 196, 198, 199, 200, 201, 202, 203, 206, 207, 212, 214, 217, 219,
                                220, 223})
    if (c == capital) return true;
  return false;
}

unsigned char TNameInput::UpperCase(unsigned char code) {
  if (code >= 'a' && code <= 'z') return static_cast<unsigned char>(code - 'a' + 'A');
  for (const auto& pair : kAccented)
    if (code == pair[0]) return pair[1];
  return code;
}

void TNameInput::KeyPress(char key) {
  if (key == kBackspace) {
    if (!FEntry.empty()) FEntry.pop_back();
    return;
  }
  if (key == kEnter) {
    if (OnEntryConfirmed) OnEntryConfirmed();
    return;
  }
  const unsigned char c = UpperCase(static_cast<unsigned char>(key));
  if (Accepts(c) && FEntry.size() < MaxLength) FEntry += static_cast<char>(c);
}

bool TNameInput::IsBlank() const { return FEntry.find_first_not_of(' ') == std::string::npos; }

void TNameInput::Tick() {
  FBlinkClock += FrameMs;
  if (FBlinkClock >= BlinkInterval) {
    FBlinkClock = 0;
    FCursorVisible = !FCursorVisible;
  }
  // The front gives way so the end being typed stays in the box.
  std::string shown = FEntry;
  while (!shown.empty() && MeasureText(FontKind, shown, 0, LetterSizeRatio) > MaxPrintEntryPixelLength)
    shown.erase(shown.begin());
  FDisplay = FCursorVisible ? shown + "|" : shown;
}

}  // namespace qm
