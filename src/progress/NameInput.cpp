#include "progress/NameInput.h"

#include <algorithm>

#include "engine/FrameTime.h"
#include "text/GlobalGameText.h"

namespace qm {

namespace {

constexpr char kBackspace = 8;
constexpr char kEnter = 13;

}  // namespace

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
  if (!Accepts(c)) {
    Tell(nnRefused);
  } else if (FEntry.size() >= MaxLength) {
    Tell(nnFull);
  } else {
    FEntry += static_cast<char>(c);
    FNotice = nnNone;
  }
}

void TNameInput::Tell(TNotice notice) {
  FNotice = notice;
  FNoticeClock = 0;
}

bool TNameInput::IsBlank() const { return FEntry.find_first_not_of(' ') == std::string::npos; }

void TNameInput::Tick() {
  if (FNotice != nnNone && (FNoticeClock += FrameMs) >= NoticeTime) FNotice = nnNone;
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
