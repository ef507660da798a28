#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/PatternNumbers.h"

namespace qm {

// A frame-by-frame animation written as text: each character is the pattern
// shown for one tick, so the text fixes both the order of the patterns and
// how long each is held. "1".."9" are patterns 0..8, "A".."Z" patterns
// 0..25 and "-" shows nothing. The owner calls Next once per tick and draws
// CurrentFrame.
class TAnimData {
 public:
  static constexpr std::size_t MaxSeqLength = 255;

  const std::string& Seq() const { return FSeq; }
  // Stored upper-cased and cut to MaxSeqLength characters; the position is
  // kept, so an owner switching animations calls Reset as well.
  void SetSeq(std::string_view value);
  bool Looped() const { return FLooped; }
  void SetLooped(bool value) { FLooped = value; }

  // The pattern at the position, which is first raised to 1 if below.
  // Characters outside the code, and a position past the end of a sequence
  // shortened meanwhile, show nothing.
  int CurrentFrame();
  bool IsHidden() { return CurrentFrame() == kPatternNone; }

  // A looped sequence wraps as soon as it reaches its last character, so
  // that character is never shown; an unlooped one holds it.
  void Next();
  bool IsFinished() const { return FPosition == static_cast<int>(FSeq.size()); }
  void Reset() { FPosition = 0; }

 private:
  std::string FSeq = "1";
  bool FLooped = true;
  int FPosition = 0;
};

}  // namespace qm
