#include "engine/AnimData.h"

namespace qm {

namespace {

int PatternOf(char c) {
  if (c == '-') return kPatternNone;
  if (c >= '1' && c <= '9') return c - '1';
  if (c >= 'A' && c <= 'Z') return c - 'A';
  return kPatternNone;
}

}  // namespace

void TAnimData::SetSeq(std::string_view value) {
  value = value.substr(0, MaxSeqLength);
  FSeq.assign(value);
  for (char& c : FSeq) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

int TAnimData::CurrentFrame() {
  if (FPosition < 1) FPosition = 1;
  if (FPosition > static_cast<int>(FSeq.size())) return kPatternNone;
  return PatternOf(FSeq[FPosition - 1]);
}

void TAnimData::Next() {
  ++FPosition;
  int length = static_cast<int>(FSeq.size());
  if (FPosition >= length) FPosition = FLooped ? 1 : length;
}

}  // namespace qm
