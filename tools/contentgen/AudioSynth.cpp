#include "AudioSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace contentgen::audio {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Rounds the corners of a naive step so square and saw do not alias badly.
double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

double Oscillator(TShape shape, double phase, double dt) {
  switch (shape) {
    case TShape::Sine: return std::sin(kTwoPi * phase);
    case TShape::Triangle: return 1 - 4 * std::abs(phase - 0.5);
    case TShape::Square: {
      double v = phase < 0.5 ? 1 : -1;
      v += PolyBlep(phase, dt);
      v -= PolyBlep(std::fmod(phase + 0.5, 1.0), dt);
      return v;
    }
    case TShape::Saw: return 2 * phase - 1 - PolyBlep(phase, dt);
  }
  return 0;
}

// Attack ramp, exponential decay, and a linear release before the end.
double Envelope(double t, double attack, double decay, double length, double release) {
  double e = attack > 0 && t < attack ? t / attack : 1;
  if (decay > 0) e *= std::exp(-std::max(0.0, t - attack) / decay);
  if (release > 0 && t > length - release) e *= std::max(0.0, (length - t) / release);
  return e;
}

}  // namespace

TWave::TWave(int rate, double seconds) : Rate(rate), Samples(std::size_t(std::lround(seconds * rate)), 0.0f) {}

std::size_t TWave::At(double seconds) const { return std::size_t(std::lround(std::max(0.0, seconds) * Rate)); }

void TWave::Add(std::size_t index, float value) {
  if (index >= Samples.size()) Samples.resize(index + 1, 0.0f);
  Samples[index] += value;
}

void TWave::Mix(const TWave& other, double at, float gain) {
  const std::size_t start = At(at);
  if (start + other.Samples.size() > Samples.size()) Samples.resize(start + other.Samples.size(), 0.0f);
  for (std::size_t i = 0; i < other.Samples.size(); ++i) Samples[start + i] += gain * other.Samples[i];
}

void AddTone(TWave& wave, double at, const TTone& tone) {
  const std::size_t start = wave.At(at);
  const std::size_t count = std::size_t(tone.Length * wave.Rate);
  if (start + count > wave.Samples.size()) wave.Samples.resize(start + count, 0.0f);
  const double ratio = tone.FreqEnd > 0 ? tone.FreqEnd / tone.Freq : 1;
  double phase = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = double(i) / wave.Rate;
    double freq = tone.Freq;
    if (tone.FreqEnd > 0) freq *= std::pow(ratio, tone.Glide > 0 ? std::min(1.0, t / tone.Glide) : 1.0);
    if (tone.Vibrato > 0)
      freq *= std::pow(2.0, tone.Vibrato / 12 * std::sin(kTwoPi * tone.VibratoRate * t) * std::min(1.0, t / 0.25));
    const double dt = freq / wave.Rate;
    const double v = Oscillator(tone.Shape, phase, dt);
    phase += dt;
    phase -= std::floor(phase);
    wave.Samples[start + i] += float(tone.Gain * v * Envelope(t, tone.Attack, tone.Decay, tone.Length, tone.Release));
  }
}

void AddBell(TWave& wave, double at, double freq, double length, double gain, bool bright) {
  // Partials of a small struck bar: inharmonic ratios, the high ones fading first.
  struct TPartial {
    double Ratio, Gain, DecayShare;
  };
  static constexpr TPartial kBright[] = {{1.0, 1.0, 1.0}, {2.0, 0.35, 0.6}, {2.76, 0.3, 0.45}, {5.4, 0.12, 0.25}, {8.93, 0.06, 0.15}};
  static constexpr TPartial kSoft[] = {{1.0, 1.0, 1.0}, {2.0, 0.2, 0.5}, {3.0, 0.08, 0.3}};
  const auto add = [&](const auto& partials) {
    for (const TPartial& p : partials) {
      // Partials above 12 kHz add hiss rather than sparkle.
      if (freq * p.Ratio > std::min(12000.0, 0.45 * wave.Rate)) continue;
      TTone tone;
      tone.Freq = freq * p.Ratio;
      tone.Attack = 0.002;
      tone.Decay = length * 0.35 * p.DecayShare;
      tone.Length = length;
      tone.Release = std::min(0.05, length / 4);
      tone.Gain = gain * p.Gain;
      AddTone(wave, at, tone);
    }
  };
  if (bright) add(kBright);
  else add(kSoft);
}

void TBiquad::Set(TFilter kind, double cutoff, double q, int rate) {
  cutoff = std::clamp(cutoff, 10.0, 0.45 * rate);
  const double w = kTwoPi * cutoff / rate;
  const double cw = std::cos(w), alpha = std::sin(w) / (2 * q);
  double nb0 = 1, nb1 = 0, nb2 = 0;
  switch (kind) {
    case TFilter::None: break;
    case TFilter::LowPass: nb0 = (1 - cw) / 2, nb1 = 1 - cw, nb2 = (1 - cw) / 2; break;
    case TFilter::HighPass: nb0 = (1 + cw) / 2, nb1 = -(1 + cw), nb2 = (1 + cw) / 2; break;
    case TFilter::BandPass: nb0 = alpha, nb1 = 0, nb2 = -alpha; break;
  }
  if (kind == TFilter::None) {
    b0 = 1, b1 = b2 = a1 = a2 = 0;
    return;
  }
  const double a0 = 1 + alpha;
  b0 = nb0 / a0, b1 = nb1 / a0, b2 = nb2 / a0;
  a1 = -2 * cw / a0, a2 = (1 - alpha) / a0;
}

float TBiquad::Process(float x) {
  const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
  x2 = x1, x1 = x, y2 = y1, y1 = y;
  return float(y);
}

void AddNoise(TWave& wave, double at, const TNoiseBurst& noise) {
  const std::size_t start = wave.At(at);
  const std::size_t count = std::size_t(noise.Length * wave.Rate);
  if (start + count > wave.Samples.size()) wave.Samples.resize(start + count, 0.0f);
  TRandom random(noise.Seed);
  TBiquad filter;
  const double ratio = noise.CutoffEnd > 0 ? noise.CutoffEnd / noise.Cutoff : 1;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = double(i) / wave.Rate;
    if (i % 32 == 0) filter.Set(noise.Filter, noise.Cutoff * std::pow(ratio, t / noise.Length), noise.Q, wave.Rate);
    const float v = filter.Process(random.Noise());
    wave.Samples[start + i] += float(noise.Gain * v * Envelope(t, noise.Attack, noise.Decay, noise.Length, noise.Release));
  }
}

void LowPass(TWave& wave, double cutoff) {
  TBiquad f;
  f.Set(TFilter::LowPass, cutoff, 0.707, wave.Rate);
  for (float& s : wave.Samples) s = f.Process(s);
}

void HighPass(TWave& wave, double cutoff) {
  TBiquad f;
  f.Set(TFilter::HighPass, cutoff, 0.707, wave.Rate);
  for (float& s : wave.Samples) s = f.Process(s);
}

void FadeEdges(TWave& wave, double fadeIn, double fadeOut) {
  const std::size_t n = wave.Samples.size();
  const std::size_t in = std::min(n, wave.At(fadeIn)), out = std::min(n, wave.At(fadeOut));
  for (std::size_t i = 0; i < in; ++i) wave.Samples[i] *= float(i) / in;
  for (std::size_t i = 0; i < out; ++i) wave.Samples[n - 1 - i] *= float(i) / out;
}

TLevels Measure(const TWave& wave) {
  TLevels levels;
  for (float s : wave.Samples) levels.Peak = std::max(levels.Peak, std::abs(s));
  // A sound shorter than the window counts as padded with silence.
  const std::size_t window = std::max<std::size_t>(1, wave.At(0.05));
  double sum = 0, total = 0;
  for (std::size_t i = 0; i < wave.Samples.size(); ++i) {
    sum += double(wave.Samples[i]) * wave.Samples[i];
    total += double(wave.Samples[i]) * wave.Samples[i];
    if (i >= window) sum -= double(wave.Samples[i - window]) * wave.Samples[i - window];
    if (i + 1 >= window || i + 1 == wave.Samples.size())
      levels.LoudestRms = std::max(levels.LoudestRms, float(std::sqrt(std::max(0.0, sum) / window)));
  }
  if (!wave.Samples.empty()) levels.AverageRms = float(std::sqrt(total / double(wave.Samples.size())));
  return levels;
}

void NormaliseAverage(TWave& wave, float targetRms, float maxPeak) {
  const TLevels levels = Measure(wave);
  if (levels.AverageRms <= 0) return;
  const double gain = targetRms / levels.AverageRms;
  // Above the knee the peaks bend towards maxPeak instead of clipping.
  const double knee = 0.7 * maxPeak, room = maxPeak - knee;
  for (float& s : wave.Samples) {
    const double x = s * gain, size = std::abs(x);
    s = float(size <= knee ? x : std::copysign(knee + room * std::tanh((size - knee) / room), x));
  }
}

void Normalise(TWave& wave, float targetRms, float maxPeak, double trimDb) {
  const TLevels levels = Measure(wave);
  if (levels.Peak <= 0) return;
  const double target = targetRms * std::pow(10.0, trimDb / 20);
  const double gain = std::min(target / levels.LoudestRms, double(maxPeak) / levels.Peak);
  for (float& s : wave.Samples) s = float(s * gain);
}

void TrimSilence(TWave& wave, float threshold, double margin) {
  auto& s = wave.Samples;
  std::size_t first = 0, last = s.size();
  while (first < s.size() && std::abs(s[first]) < threshold) ++first;
  while (last > first && std::abs(s[last - 1]) < threshold) --last;
  if (first == last) return;
  const std::size_t keep = wave.At(margin);
  first = first > keep ? first - keep : 0;
  last = std::min(s.size(), last + keep);
  s = std::vector<float>(s.begin() + std::ptrdiff_t(first), s.begin() + std::ptrdiff_t(last));
}

double MidiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12); }

}  // namespace contentgen::audio
