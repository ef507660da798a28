#pragma once

// A small synthesizer for the pack's sounds and music: mono float buffers,
// oscillators with gliding pitch, seeded noise, envelopes, biquad filters
// and loudness normalisation. Everything is seeded, so every run makes the
// same samples.

#include <cstdint>
#include <vector>

namespace contentgen::audio {

struct TWave {
  int Rate = 44100;
  std::vector<float> Samples;

  TWave() = default;
  TWave(int rate, double seconds);
  double Seconds() const { return double(Samples.size()) / Rate; }
  std::size_t At(double seconds) const;
  // Grows the buffer when needed.
  void Add(std::size_t index, float value);
  void Mix(const TWave& other, double at, float gain = 1.0f);
};

// The runtime-style LCG, so a seed names one sequence forever.
class TRandom {
 public:
  explicit TRandom(std::uint32_t seed) : FSeed(seed) {}
  std::uint32_t Next() { return FSeed = FSeed * 134775813u + 1u; }
  double Uniform() { return (Next() >> 8) / double(1u << 24); }  // 0..1
  float Noise() { return float(Uniform() * 2.0 - 1.0); }
  int Below(int n) { return int(Uniform() * n); }

 private:
  std::uint32_t FSeed;
};

enum class TShape { Sine, Triangle, Square, Saw };

// A pitched sound: frequency glides exponentially from Freq to FreqEnd over
// Glide seconds; volume rises over Attack, then decays with time constant
// Decay (0 = holds) and is cut with a short fade at Length.
struct TTone {
  double Freq = 440, FreqEnd = 0;  // FreqEnd 0 = no glide
  double Glide = 0;
  TShape Shape = TShape::Sine;
  double Attack = 0.005, Decay = 0, Length = 0.2, Release = 0.02;
  double Gain = 1;
  double Vibrato = 0, VibratoRate = 5;  // depth in semitones
};
void AddTone(TWave& wave, double at, const TTone& tone);

// A bell or chime: a few partials with their own decay.
void AddBell(TWave& wave, double at, double freq, double length, double gain, bool bright = true);

enum class TFilter { None, LowPass, HighPass, BandPass };

// Filtered noise; the filter's corner may glide from Cutoff to CutoffEnd.
struct TNoiseBurst {
  double Length = 0.1, Attack = 0.002, Decay = 0;  // Decay 0 = flat until the release
  double Release = 0.02;
  TFilter Filter = TFilter::None;
  double Cutoff = 1000, CutoffEnd = 0, Q = 0.7;
  double Gain = 1;
  std::uint32_t Seed = 1;
};
void AddNoise(TWave& wave, double at, const TNoiseBurst& noise);

// A standard second-order filter section.
class TBiquad {
 public:
  void Set(TFilter kind, double cutoff, double q, int rate);
  float Process(float x);

 private:
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

void LowPass(TWave& wave, double cutoff);
void HighPass(TWave& wave, double cutoff);
void FadeEdges(TWave& wave, double fadeIn, double fadeOut);

struct TLevels {
  float Peak = 0;
  float LoudestRms = 0;  // loudest 50 ms window
  float AverageRms = 0;  // over the whole wave
};
TLevels Measure(const TWave& wave);

// Scales so the loudest 50 ms has the given RMS, never letting the peak pass
// maxPeak; a trim in decibels shifts the target for quieter sounds.
void Normalise(TWave& wave, float targetRms, float maxPeak, double trimDb = 0);

// Scales so the whole wave has the given RMS, as music is heard all along;
// peaks that would pass maxPeak are rounded off smoothly below it.
void NormaliseAverage(TWave& wave, float targetRms, float maxPeak);

// An effect is normalised to this RMS over its loudest 50 ms, and the music
// to this less kMusicBelowEffectsDb over its whole length: at full volume
// the two stand within 3 dB of each other.
inline constexpr float kEffectLoudestRms = 0.22f;
inline constexpr double kMusicBelowEffectsDb = 2.0;

// Cuts leading and trailing samples quieter than the threshold, keeping a
// little margin.
void TrimSilence(TWave& wave, float threshold, double margin);

double MidiToHz(double midi);

}  // namespace contentgen::audio
