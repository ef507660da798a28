// The seven music tracks: calm for the menu, map and story, livelier for the
// rounds, a short closing fanfare for a cleared round and a warm one for the
// town. Each looping track is built from 8-bar sections over chord
// progressions, with a seeded melody per section.
#include "AudioMusic.h"

#include <algorithm>
#include <cmath>

#include "AudioOgg.h"
#include "Sample.h"
#include "audio/AudioNames.h"

namespace contentgen::audio {

namespace {

constexpr int kMusicRate = 44100;
constexpr float kMusicQuality = 0.2f;

// Karplus-Strong string: a noise burst circulating in a damped delay line.
void AddPluck(TWave& wave, double at, double freq, double seconds, double gain, std::uint32_t seed) {
  const std::size_t period = std::max<std::size_t>(2, std::size_t(std::lround(wave.Rate / freq)));
  std::vector<float> line(period);
  TRandom random(seed);
  float last = 0;
  for (float& s : line) s = last = 0.5f * (last + random.Noise());
  const std::size_t start = wave.At(at), count = wave.At(seconds + 0.6);
  const float damping = float(std::pow(0.5, 1.0 / (freq * 0.9)));
  const std::size_t releaseFrom = wave.At(seconds), attack = std::max<std::size_t>(1, wave.At(0.001));
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t k = i % period;
    const float next = line[(k + 1) % period];
    const float out = line[k];
    line[k] = damping * 0.5f * (out + next);
    // A millisecond of attack keeps the pick from clicking.
    float envelope = std::min(1.0f, float(i) / float(attack));
    if (i > releaseFrom) envelope *= std::max(0.0f, 1.0f - float(i - releaseFrom) / float(count - releaseFrom));
    wave.Add(start + i, float(gain) * out * envelope);
  }
}

void AddFiltered(TWave& wave, double at, const TTone& tone, double cutoff) {
  TWave note(wave.Rate, 0);
  AddTone(note, 0, tone);
  LowPass(note, cutoff);
  wave.Mix(note, at);
}

void PlayNote(TWave& wave, double at, double seconds, const TNote& n, std::uint32_t seed) {
  const double f = MidiToHz(n.Midi), v = n.Velocity;
  switch (n.Instrument) {
    case TInstrument::Pluck: AddPluck(wave, at, f, seconds, 0.9 * v, seed); break;
    case TInstrument::Bell: AddBell(wave, at, f, std::max(1.2, seconds), 0.35 * v); break;
    case TInstrument::Marimba: AddBell(wave, at, f, std::max(0.5, seconds), 0.5 * v, false); break;
    case TInstrument::Pad: {
      for (double detune : {-0.07, 0.07}) {
        TTone t;
        t.Freq = f * std::pow(2.0, detune / 12);
        t.Shape = TShape::Saw;
        t.Attack = std::min(0.4, seconds / 3);
        t.Length = seconds + 0.5;
        t.Release = 0.6;
        t.Gain = 0.12 * v;
        AddFiltered(wave, at, t, 1400);
      }
      break;
    }
    case TInstrument::Bass: {
      TTone t;
      t.Freq = f;
      t.Shape = TShape::Triangle;
      t.Attack = 0.008;
      t.Decay = 0.9;
      t.Length = seconds + 0.05;
      t.Release = 0.06;
      t.Gain = 0.55 * v;
      AddTone(wave, at, t);
      t.Shape = TShape::Sine;
      t.Gain = 0.35 * v;
      AddTone(wave, at, t);
      break;
    }
    case TInstrument::Flute: {
      TTone t;
      t.Freq = f;
      t.Attack = 0.05;
      t.Length = seconds + 0.08;
      t.Release = 0.1;
      t.Vibrato = 0.12;
      t.Gain = 0.35 * v;
      AddTone(wave, at, t);
      t.Freq = 2 * f;
      t.Shape = TShape::Triangle;
      t.Gain = 0.05 * v;
      AddTone(wave, at, t);
      TNoiseBurst breath;
      breath.Length = 0.08;
      breath.Decay = 0.03;
      breath.Filter = TFilter::BandPass;
      breath.Cutoff = 2 * f;
      breath.Q = 2;
      breath.Gain = 0.05 * v;
      breath.Seed = seed;
      AddNoise(wave, at, breath);
      break;
    }
    case TInstrument::Brass: {
      TTone t;
      t.Freq = f;
      t.Shape = TShape::Saw;
      t.Attack = 0.03;
      t.Length = seconds + 0.06;
      t.Release = 0.08;
      t.Vibrato = 0.06;
      t.Gain = 0.3 * v;
      AddFiltered(wave, at, t, std::min(3500.0, 4 * f));
      break;
    }
    case TInstrument::Kick: {
      TTone t;
      t.Freq = 140;
      t.FreqEnd = 48;
      t.Glide = 0.07;
      t.Decay = 0.12;
      t.Length = 0.35;
      t.Release = 0.05;
      t.Gain = 0.9 * v;
      AddTone(wave, at, t);
      break;
    }
    case TInstrument::Snare: {
      TNoiseBurst n2;
      n2.Length = 0.2;
      n2.Decay = 0.06;
      n2.Filter = TFilter::BandPass;
      n2.Cutoff = 2200;
      n2.Q = 0.8;
      n2.Gain = 0.9 * v;
      n2.Seed = seed;
      AddNoise(wave, at, n2);
      TTone t;
      t.Freq = 190;
      t.FreqEnd = 160;
      t.Glide = 0.05;
      t.Decay = 0.04;
      t.Length = 0.12;
      t.Gain = 0.3 * v;
      AddTone(wave, at, t);
      break;
    }
    case TInstrument::Hat: {
      TNoiseBurst h;
      h.Length = 0.07;
      h.Decay = 0.018;
      h.Filter = TFilter::HighPass;
      h.Cutoff = 7000;
      h.Gain = 0.35 * v;
      h.Seed = seed;
      AddNoise(wave, at, h);
      break;
    }
    case TInstrument::Shaker: {
      TNoiseBurst s;
      s.Length = 0.09;
      s.Attack = 0.02;
      s.Decay = 0.03;
      s.Filter = TFilter::BandPass;
      s.Cutoff = 5500;
      s.Q = 1.2;
      s.Gain = 0.4 * v;
      s.Seed = seed;
      AddNoise(wave, at, s);
      break;
    }
  }
}

// --- Composition ---------------------------------------------------------

const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};

enum class TAccompaniment { Pad, Arpeggio, Stabs };
enum class TDrums { None, Shaker, Light, Groove };

struct TSection {
  std::vector<int> Chords;  // scale degree (0-based) of each bar's triad
  std::uint32_t MelodySeed;
  TAccompaniment Accompaniment;
  TDrums Drums;
  bool Melody = true;
};

struct TStyle {
  double Bpm;
  int BeatsPerBar;
  int Root;  // midi of the tonic, melody octave
  const std::vector<int>* Scale;
  TInstrument Lead, Chords;
  std::vector<TSection> Sections;
};

class TComposer {
 public:
  explicit TComposer(const TStyle& style) : S(style) {}

  TSong Compose() {
    TSong song;
    song.Bpm = S.Bpm;
    song.Loop = true;
    double beat = 0;
    for (const TSection& section : S.Sections) {
      for (std::size_t bar = 0; bar < section.Chords.size(); ++bar) {
        const int degree = section.Chords[bar];
        AddBass(song, beat, degree);
        AddChords(song, beat, degree, section.Accompaniment);
        AddDrums(song, beat, section.Drums, bar);
        beat += S.BeatsPerBar;
      }
      if (section.Melody) AddMelody(song, beat - S.BeatsPerBar * double(section.Chords.size()), section);
    }
    song.LengthBeats = beat;
    return song;
  }

 private:
  // Pitch of scale step `step` counted from the tonic, across octaves.
  double Pitch(int step) const {
    const int n = int(S.Scale->size());
    const int octave = step >= 0 ? step / n : -((-step + n - 1) / n);
    return S.Root + 12 * octave + (*S.Scale)[std::size_t(step - octave * n)];
  }

  bool IsChordStep(int step, int degree) const {
    const int n = int(S.Scale->size());
    const int d = ((step - degree) % n + n) % n;
    return d == 0 || d == 2 || d == 4;
  }

  void AddBass(TSong& song, double beat, int degree) {
    const double root = Pitch(degree) - 24;
    if (S.BeatsPerBar == 3) {
      song.Notes.push_back({beat, 2, root, 0.9f, TInstrument::Bass});
      song.Notes.push_back({beat + 2, 1, Pitch(degree + 4) - 24, 0.6f, TInstrument::Bass});
    } else {
      song.Notes.push_back({beat, 1.5, root, 0.9f, TInstrument::Bass});
      song.Notes.push_back({beat + 2, 1.5, Pitch(degree + 4) - 24, 0.7f, TInstrument::Bass});
    }
  }

  void AddChords(TSong& song, double beat, int degree, TAccompaniment kind) {
    const double tones[] = {Pitch(degree) - 12, Pitch(degree + 2) - 12, Pitch(degree + 4) - 12};
    switch (kind) {
      case TAccompaniment::Pad:
        for (double t : tones) song.Notes.push_back({beat, double(S.BeatsPerBar), t, 0.8f, TInstrument::Pad});
        break;
      case TAccompaniment::Arpeggio: {
        const double pattern[] = {tones[0], tones[1], tones[2], tones[1] + 12, tones[2], tones[1]};
        for (int i = 0; i < 2 * S.BeatsPerBar; ++i)
          song.Notes.push_back({beat + 0.5 * i, 0.5, pattern[i % 6], i % 2 ? 0.45f : 0.6f, S.Chords});
        break;
      }
      case TAccompaniment::Stabs:
        for (int b = 0; b < S.BeatsPerBar; ++b)
          for (double t : tones) song.Notes.push_back({beat + b + 0.5, 0.4, t, 0.35f, S.Chords});
        break;
    }
  }

  void AddDrums(TSong& song, double beat, TDrums kind, std::size_t bar) {
    switch (kind) {
      case TDrums::None: break;
      case TDrums::Shaker:
        for (int i = 0; i < 2 * S.BeatsPerBar; ++i)
          song.Notes.push_back({beat + 0.5 * i, 0.5, 0, i % 2 ? 0.35f : 0.6f, TInstrument::Shaker});
        break;
      case TDrums::Light:
        song.Notes.push_back({beat, 1, 0, 0.6f, TInstrument::Kick});
        song.Notes.push_back({beat + 2, 1, 0, 0.45f, TInstrument::Snare});
        for (int i = 0; i < 2 * S.BeatsPerBar; ++i)
          song.Notes.push_back({beat + 0.5 * i, 0.5, 0, i % 2 ? 0.25f : 0.4f, TInstrument::Hat});
        break;
      case TDrums::Groove:
        song.Notes.push_back({beat, 1, 0, 0.8f, TInstrument::Kick});
        song.Notes.push_back({beat + 1.5, 1, 0, 0.5f, TInstrument::Kick});
        song.Notes.push_back({beat + 2, 1, 0, 0.8f, TInstrument::Kick});
        song.Notes.push_back({beat + 1, 1, 0, 0.6f, TInstrument::Snare});
        song.Notes.push_back({beat + 3, 1, 0, 0.6f, TInstrument::Snare});
        if (bar % 4 == 3) song.Notes.push_back({beat + 3.5, 0.5, 0, 0.4f, TInstrument::Snare});
        for (int i = 0; i < 4 * S.BeatsPerBar; ++i)
          song.Notes.push_back({beat + 0.25 * i, 0.25, 0, i % 2 ? 0.15f : 0.3f, TInstrument::Hat});
        break;
    }
  }

  // A one-bar motif and its echo, an answer, the motif again and a close on
  // the chord root: an 8-bar phrase a listener can follow, different for
  // every seed.
  void AddMelody(TSong& song, double start, const TSection& section) {
    TRandom random(section.MelodySeed);
    const std::vector<std::vector<double>> rhythms =
        S.BeatsPerBar == 3 ? std::vector<std::vector<double>>{{1, 1, 1}, {2, 1}, {1.5, 0.5, 1}, {0.5, 0.5, 1, 1}, {1, 0.5, 0.5, 1}}
                           : std::vector<std::vector<double>>{{1, 1, 1, 1}, {1.5, 0.5, 1, 1}, {0.5, 0.5, 1, 2}, {1, 0.5, 0.5, 2},
                                                              {2, 1, 1}, {0.5, 0.5, 0.5, 0.5, 1, 1}, {1, 1, 2}};
    const std::vector<double> cadence = S.BeatsPerBar == 3 ? std::vector<double>{1, 2} : std::vector<double>{1, 3};
    const int count = int(rhythms.size());
    const int motif = random.Below(count), echo = random.Below(count), answer = random.Below(count);
    // Rhythm of each bar of the phrase; -1 is the cadence.
    const int plan[8] = {motif, echo, motif, answer, echo, answer, motif, -1};

    int step = 7 + 2 * random.Below(2);
    std::vector<int> motifSteps;
    for (std::size_t bar = 0; bar < section.Chords.size(); ++bar) {
      const int degree = section.Chords[bar];
      const std::size_t inPhrase = bar % 8;
      const bool closing = plan[inPhrase] < 0 || bar + 1 == section.Chords.size();
      const std::vector<double>& rhythm = closing ? cadence : rhythms[std::size_t(plan[inPhrase])];
      const bool repeatMotif = inPhrase == 2 || inPhrase == 6;
      double beat = start + S.BeatsPerBar * double(bar);
      for (std::size_t i = 0; i < rhythm.size(); ++i) {
        const bool strong = i == 0 || std::fmod(beat - start, 2.0) == 0;
        if (closing && i + 1 == rhythm.size()) {
          step = NearestChordStep(step, degree, true);
        } else if (repeatMotif && i < motifSteps.size()) {
          step = strong ? NearestChordStep(motifSteps[i], degree, false) : motifSteps[i];
        } else if (strong) {
          step = NearestChordStep(step + random.Below(3) - 1, degree, false);
        } else {
          step += (random.Below(2) ? 1 : -1) * (random.Below(4) == 0 ? 2 : 1);
        }
        step = std::clamp(step, 3, 13);
        if (inPhrase == 0) motifSteps.push_back(step);
        song.Notes.push_back({beat, rhythm[i] * 0.95, Pitch(step), strong ? 0.9f : 0.75f, S.Lead});
        beat += rhythm[i];
      }
    }
  }

  int NearestChordStep(int step, int degree, bool root) const {
    for (int d = 0; d < 7; ++d)
      for (int s : {step - d, step + d}) {
        const int n = int(S.Scale->size());
        const bool ok = root ? ((s - degree) % n + n) % n == 0 : IsChordStep(s, degree);
        if (ok && s >= 3 && s <= 13) return s;
      }
    return step;
  }

  const TStyle& S;
};

TSong LevelClearFanfare() {
  // A brass call, a cadence IV - V - I, then a held tonic chord with a bell
  // shimmer and a drum roll into the final stroke.
  TSong song;
  song.Bpm = 120;
  const double c = 67;  // G4: the fanfare sits in C major
  const auto brass = [&](double beat, double beats, double midi, float v = 0.9f) {
    song.Notes.push_back({beat, beats, midi, v, TInstrument::Brass});
  };
  brass(0, 0.3, c - 7);
  brass(0.33, 0.3, c - 7);
  brass(0.66, 0.3, c - 7);
  brass(1, 1, c - 7 + 5);
  brass(2, 0.5, c - 3);
  brass(2.5, 0.5, c);
  brass(3, 1, c + 5, 1.0f);
  const double chords[3][3] = {{53, 57, 60}, {55, 59, 62}, {48, 52, 55}};
  for (int i = 0; i < 3; ++i) {
    const double beat = 4 + 2 * i;
    for (double m : chords[i]) brass(beat, i == 2 ? 4.5 : 1.8, m + 12, i == 2 ? 0.8f : 0.7f);
    song.Notes.push_back({beat, 2, chords[i][0] - 12, 1.0f, TInstrument::Bass});
    song.Notes.push_back({beat, 1, 0, 0.8f, TInstrument::Kick});
  }
  for (int i = 0; i < 8; ++i) song.Notes.push_back({8 + 0.25 * i, 0.25, 0, 0.3f + 0.06f * i, TInstrument::Snare});
  song.Notes.push_back({10, 1, 0, 1.0f, TInstrument::Kick});
  song.Notes.push_back({10, 1, 0, 0.8f, TInstrument::Snare});
  const double shimmer[] = {72, 76, 79, 84, 88, 91};
  for (int i = 0; i < 6; ++i) song.Notes.push_back({8 + 0.25 * i, 2, shimmer[i], 0.5f, TInstrument::Bell});
  for (double m : {60.0, 64.0, 67.0, 72.0}) brass(10, 3, m, 0.9f);
  song.Notes.push_back({10, 3, 36, 1.0f, TInstrument::Bass});
  song.LengthBeats = 13;
  return song;
}

std::vector<std::pair<int, TSong>> Tracks() {
  using enum TAccompaniment;
  using enum TDrums;
  std::vector<std::pair<int, TSong>> tracks;
  const auto add = [&](int track, const TStyle& style) { tracks.emplace_back(track, TComposer(style).Compose()); };

  // Menu and map: slow, warm, a plucked arpeggio under a bell melody. 16 bars.
  add(qm::MusicTrack::Splash, {84, 4, 65, &kMajor, TInstrument::Bell, TInstrument::Pluck,
                               {{{0, 4, 5, 3, 0, 4, 3, 4}, 11, Arpeggio, None},
                                {{5, 3, 0, 4, 5, 3, 1, 4}, 12, Arpeggio, Shaker}}});
  // Story: a gentle waltz in minor with pads and a flute. 24 bars of 3/4.
  add(qm::MusicTrack::Story, {72, 3, 62, &kMinor, TInstrument::Flute, TInstrument::Pluck,
                              {{{0, 5, 2, 6, 0, 5, 3, 4}, 21, Pad, None, false},
                               {{0, 5, 2, 6, 0, 5, 3, 4}, 22, Pad, None},
                               {{3, 0, 5, 4, 3, 0, 6, 4}, 23, Arpeggio, None}}});
  // Rounds: three lively tunes with drums, 32 bars each.
  add(qm::MusicTrack::MainGame1, {120, 4, 72, &kMajor, TInstrument::Marimba, TInstrument::Pluck,
                                  {{{0, 3, 4, 0, 0, 3, 4, 4}, 31, Stabs, Light},
                                   {{0, 3, 4, 0, 5, 3, 1, 4}, 32, Arpeggio, Groove},
                                   {{5, 3, 0, 4, 5, 3, 4, 4}, 33, Stabs, Groove},
                                   {{0, 3, 4, 0, 5, 1, 4, 4}, 32, Arpeggio, Groove}}});
  add(qm::MusicTrack::MainGame2, {126, 4, 69, &kMinor, TInstrument::Flute, TInstrument::Pluck,
                                  {{{0, 5, 6, 0, 0, 5, 6, 4}, 41, Arpeggio, Light},
                                   {{0, 5, 6, 0, 3, 5, 6, 4}, 42, Stabs, Groove},
                                   {{2, 5, 3, 4, 2, 5, 3, 4}, 43, Arpeggio, Groove},
                                   {{0, 5, 6, 0, 3, 6, 4, 4}, 42, Stabs, Groove}}});
  add(qm::MusicTrack::MainGame3, {132, 4, 67, &kMajor, TInstrument::Bell, TInstrument::Marimba,
                                  {{{0, 4, 5, 3, 0, 4, 3, 4}, 51, Arpeggio, Groove},
                                   {{3, 4, 0, 5, 3, 4, 1, 4}, 52, Stabs, Groove},
                                   {{5, 3, 0, 4, 5, 3, 4, 4}, 53, Arpeggio, Light},
                                   {{0, 4, 5, 3, 1, 3, 4, 4}, 51, Stabs, Groove}}});
  tracks.emplace_back(qm::MusicTrack::LevelClear, LevelClearFanfare());
  // Town: an easy-going tune, plucked with a marimba melody. 24 bars.
  add(qm::MusicTrack::Upgrade, {100, 4, 70, &kMajor, TInstrument::Marimba, TInstrument::Pluck,
                                {{{0, 5, 3, 4, 0, 5, 3, 4}, 61, Pad, Shaker},
                                 {{3, 4, 2, 5, 3, 4, 1, 4}, 62, Arpeggio, Light},
                                 {{0, 5, 3, 4, 0, 5, 1, 4}, 63, Arpeggio, Shaker}}});
  return tracks;
}

}  // namespace

TWave RenderSong(const TSong& song, int rate) {
  const double secondsPerBeat = 60.0 / song.Bpm;
  TWave wave(rate, song.LengthBeats * secondsPerBeat);
  std::uint32_t seed = 1;
  for (const TNote& note : song.Notes)
    PlayNote(wave, note.Beat * secondsPerBeat, note.Beats * secondsPerBeat, note, seed++);
  const std::size_t length = wave.At(song.LengthBeats * secondsPerBeat);
  if (song.Loop) {
    // What still rings past the end sounds again over the start, as it will
    // when the player loops the track.
    for (std::size_t i = length; i < wave.Samples.size(); ++i) wave.Samples[i % length] += wave.Samples[i];
    wave.Samples.resize(length);
  } else {
    TrimSilence(wave, 1e-4f, 0.0);
    FadeEdges(wave, 0, 0.05);
  }
  return wave;
}

void GenerateMusic(const std::filesystem::path& programFolder) {
  const std::filesystem::path folder = programFolder / std::string(qm::AudioFolder::Music);
  std::filesystem::create_directories(folder);
  std::size_t index = 0;
  for (auto& [track, song] : Tracks()) {
    const std::string name(qm::MusicTrack::FileNames[std::size_t(track)]);
    if (!InSample(name, index++)) continue;
    TWave wave = RenderSong(song, kMusicRate);
    NormaliseAverage(wave, float(kEffectLoudestRms * std::pow(10.0, -kMusicBelowEffectsDb / 20)), 0.85f);
    WriteOggVorbis(folder / name, wave, kMusicQuality);
  }
}

}  // namespace contentgen::audio
