#include "rules/JackpotScore.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/OmegaImageList.h"
#include "engine/StepHelpers.h"

namespace qm {
namespace {

int DecimalDigits(int value) {
  int digits = 1;
  for (; value >= 10; value /= 10) ++digits;
  return digits;
}

const char* SoundName(TJackpotSound sound) { return sound == jsClick ? "Click" : "ScoreCount"; }

}  // namespace

TJackpotScore::TJackpotScore() {
  for (TDigitRoll& roll : FRolls) {
    roll.Anim.SetSeq("123");
    roll.Anim.SetLooped(false);
  }
}

void TJackpotScore::SetDigits(int value) { FDigits = std::clamp(value, 1, MaxDigits); }

bool TJackpotScore::Rolling() const {
  return std::any_of(FRolls.begin(), FRolls.end(), [](const TDigitRoll& roll) { return roll.Rolling; });
}

void TJackpotScore::Changed(int value) {
  FValue = std::max(value, 0);
  FDigits = std::max(FDigits, DecimalDigits(FValue));
  if (OnValueUpdate) OnValueUpdate(*this);
}

void TJackpotScore::SetValue(int v) {
  FShown = FNext = std::max(v, 0);
  for (TDigitRoll& roll : FRolls) roll.Rolling = false;
  Changed(v);
}

void TJackpotScore::SetTarget(int v) { Changed(v); }

void TJackpotScore::Add(int delta) { Changed(FValue + delta); }

void TJackpotScore::AddCounting(int delta, TJackpotSound sound) {
  Add(delta);
  FCounting = true;
  FSound = sound;
  FSoundFrame = 2;
}

void TJackpotScore::Clear() { SetValue(0); }

std::string TJackpotScore::Format(int value) const {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", std::min(FDigits, MaxDigits), value);
  return text;
}

void TJackpotScore::StepShown() {
  if (Rolling() || FShown == FValue) return;
  const int step = FShown < FValue ? Increment : -Increment;
  const auto toward = [&](int from) { return FShown < FValue ? std::min(from + step, FValue) : std::max(from + step, FValue); };
  FNext = toward(FNext);
  // Positions are counted from the right so that a widening number lines up.
  const std::string shown = Format(FShown), next = Format(FNext);
  for (std::size_t i = 0; i < next.size() && i < FRolls.size(); ++i) {
    const char before = i < shown.size() ? shown[shown.size() - 1 - i] : '0';
    if (before == next[next.size() - 1 - i]) continue;
    FRolls[i].Rolling = true;
    FRolls[i].Anim.Reset();
  }
  FShown = toward(FShown);
  if (!Rolling()) FShown = FNext;
}

void TJackpotScore::TickAndDraw() {
  if (FCounting) {
    if (FShown == FValue) {
      FCounting = false;
    } else if (++FSoundFrame > 1) {
      FSoundFrame = 0;
      if (OnPlaySound) OnPlaySound(SoundName(FSound));
    }
  }
  StepShown();
  Draw();
}

void TJackpotScore::Draw() {
  const std::string text = Format(FShown);
  const int count = static_cast<int>(text.size());
  int offset = 0;
  if (!ShowLeadingZeros && AutoCentered)
    offset = -RoundToEven((FDigits - DecimalDigits(FShown)) * DigitWidth / 2.0);
  bool leading = !ShowLeadingZeros;
  for (int i = 0; i < count; ++i) {
    TDigitRoll& roll = FRolls[static_cast<std::size_t>(count - 1 - i)];
    const float x = static_cast<float>(Left + offset + i * DigitWidth);
    const bool last = i == count - 1;
    leading = leading && text[i] == '0' && !last;
    if (roll.Rolling) {
      if (OmgImgList)
        DrawImage(*OmgImgList, DigitBlurImg, x, static_cast<float>(Top - (DigitBlurHeight - DigitHeight) / 2),
                  roll.Anim.CurrentFrame(), BlurAlpha);
      roll.Anim.Next();
      if (roll.Anim.IsFinished()) roll.Rolling = false;
    } else if (!leading && OmgImgList) {
      DrawImage(*OmgImgList, DigitImg, x, static_cast<float>(Top), text[i] - '0');
    }
  }
}

void TJackpotScore::ReloadSizes() {
  if (!OmgImgList) return;
  if (OmgImgList->FindImage(DigitImg)) PatternSize(*OmgImgList, DigitImg, DigitWidth, DigitHeight);
  if (OmgImgList->FindImage(DigitBlurImg)) DigitBlurHeight = PatternHeight(*OmgImgList, DigitBlurImg);
}

}  // namespace qm
