// The sound effects: each built from a few tones, bells and noise bursts so
// it says what it marks (a click, a pop, a chime, a thud, a sweep, a
// fanfare), then brought to a common loudness.
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "Audio.h"
#include "AudioMusic.h"
#include "AudioOgg.h"
#include "Sample.h"
#include "audio/AudioNames.h"

namespace contentgen::audio {

namespace {

constexpr int kRate = 44100;
constexpr float kSoundQuality = 0.3f;
// Short clicks reach their peak limit before kEffectLoudestRms.
constexpr float kMaxPeak = 0.84f;

TTone Tone(double freq, double length, double decay, TShape shape = TShape::Sine, double gain = 1) {
  TTone t;
  t.Freq = freq;
  t.Length = length;
  t.Decay = decay;
  t.Shape = shape;
  t.Gain = gain;
  return t;
}

TTone Glide(double from, double to, double glide, double length, double decay, TShape shape = TShape::Sine, double gain = 1) {
  TTone t = Tone(from, length, decay, shape, gain);
  t.FreqEnd = to;
  t.Glide = glide;
  return t;
}

TNoiseBurst Noise(double length, double decay, TFilter filter, double cutoff, double gain, std::uint32_t seed,
                  double cutoffEnd = 0, double q = 0.7) {
  TNoiseBurst n;
  n.Length = length;
  n.Decay = decay;
  n.Filter = filter;
  n.Cutoff = cutoff;
  n.CutoffEnd = cutoffEnd;
  n.Q = q;
  n.Gain = gain;
  n.Seed = seed;
  return n;
}

TWave Empty() { return TWave(kRate, 0); }

// --- Interface ---

TWave Click() {
  TWave w = Empty();
  AddNoise(w, 0, Noise(0.012, 0.002, TFilter::HighPass, 3000, 0.8, 11));
  AddTone(w, 0, Tone(1900, 0.04, 0.008));
  AddTone(w, 0, Tone(950, 0.05, 0.012, TShape::Triangle, 0.4));
  return w;
}

TWave MouseOver() {
  TWave w = Empty();
  TTone t = Glide(1300, 1700, 0.04, 0.07, 0.025);
  t.Attack = 0.004;
  AddTone(w, 0, t);
  return w;
}

// --- Board: matches, combos, pieces ---

TWave ElementBounce(double freq) {
  // A soft wooden tap as a piece lands.
  TWave w = Empty();
  AddTone(w, 0, Glide(freq * 1.3, freq, 0.015, 0.09, 0.025));
  AddNoise(w, 0, Noise(0.02, 0.004, TFilter::BandPass, freq * 3, 0.5, std::uint32_t(freq), 0, 2));
  return w;
}

TWave TileClear() {
  TWave w = Empty();
  AddTone(w, 0, Glide(700, 1400, 0.05, 0.16, 0.05, TShape::Triangle));
  AddBell(w, 0.02, 1760, 0.2, 0.4);
  return w;
}

TWave BubblePop() {
  TWave w = Empty();
  AddTone(w, 0, Glide(400, 1600, 0.03, 0.07, 0.02));
  AddNoise(w, 0, Noise(0.01, 0.002, TFilter::HighPass, 2000, 0.5, 21));
  return w;
}

TWave MatchX() {
  // Two rising chime notes.
  TWave w = Empty();
  AddBell(w, 0, 1047, 0.35, 0.7);
  AddBell(w, 0.08, 1568, 0.45, 0.7);
  return w;
}

TWave Combo() {
  // Quick major arpeggio up to the octave.
  TWave w = Empty();
  const double notes[] = {1047, 1319, 1568, 2093};
  for (int i = 0; i < 4; ++i) AddBell(w, 0.06 * i, notes[i], 0.45, 0.6);
  return w;
}

TWave SlotTing() {
  TWave w = Empty();
  AddBell(w, 0, 2349, 0.5, 1.0);
  return w;
}

TWave ScoreCount() {
  TWave w = Empty();
  AddTone(w, 0, Tone(2637, 0.035, 0.01, TShape::Triangle));
  return w;
}

TWave LockerBounce() {
  // A small metal clank.
  TWave w = Empty();
  for (double f : {620.0, 1130.0, 1710.0}) AddTone(w, 0, Tone(f, 0.14, 0.035, TShape::Sine, 0.5));
  AddNoise(w, 0, Noise(0.015, 0.003, TFilter::HighPass, 2500, 0.5, 31));
  return w;
}

TWave LockerBreak() {
  // A lock snapping open: a crack and a falling clank.
  TWave w = Empty();
  AddNoise(w, 0, Noise(0.08, 0.02, TFilter::BandPass, 2500, 1.0, 41, 900, 1.2));
  AddTone(w, 0, Glide(180, 90, 0.08, 0.15, 0.05, TShape::Sine, 0.8));
  for (double f : {880.0, 1390.0}) AddTone(w, 0.04, Tone(f, 0.2, 0.05, TShape::Sine, 0.35));
  return w;
}

TWave DiamondFound() {
  // Glints: high pings scattered over a rising shimmer.
  TWave w = Empty();
  TRandom random(51);
  for (int i = 0; i < 7; ++i) AddBell(w, 0.07 * i, 2000 + 1800 * random.Uniform(), 0.3, 0.5);
  AddTone(w, 0, Glide(1200, 2400, 0.5, 0.6, 0.3, TShape::Sine, 0.25));
  return w;
}

TWave DisabledTile() {
  // A dull two-step buzz: "no".
  TWave w = Empty();
  TTone a = Tone(196, 0.11, 0, TShape::Square, 0.5);
  TTone b = Tone(147, 0.16, 0, TShape::Square, 0.5);
  AddTone(w, 0, a);
  AddTone(w, 0.13, b);
  LowPass(w, 1200);
  return w;
}

// --- Tools ---

TWave Hammer() {
  // A heavy thud with a knock on top.
  TWave w = Empty();
  AddTone(w, 0, Glide(180, 60, 0.1, 0.35, 0.12, TShape::Sine, 1.0));
  AddNoise(w, 0, Noise(0.05, 0.012, TFilter::LowPass, 1500, 0.7, 61));
  AddTone(w, 0, Tone(420, 0.08, 0.02, TShape::Triangle, 0.7));
  return w;
}

TWave Stamper() {
  // A rubber stamp: thump and paper slap.
  TWave w = Empty();
  AddTone(w, 0, Glide(160, 70, 0.05, 0.2, 0.06));
  AddNoise(w, 0, Noise(0.06, 0.015, TFilter::BandPass, 1800, 0.8, 71, 0, 0.9));
  return w;
}

TWave Lightning() {
  // A zap: a falling buzz with crackle.
  TWave w = Empty();
  TTone zap = Glide(1800, 90, 0.45, 0.6, 0.25, TShape::Saw, 0.5);
  AddTone(w, 0, zap);
  AddNoise(w, 0, Noise(0.6, 0.2, TFilter::HighPass, 1500, 0.6, 81));
  AddTone(w, 0.02, Glide(70, 40, 0.3, 0.5, 0.2, TShape::Sine, 0.6));
  return w;
}

TWave Fireworks() {
  // A whistle going up, then a burst and crackles.
  TWave w = Empty();
  TTone whistle = Glide(900, 2600, 0.5, 0.55, 0, TShape::Sine, 0.35);
  whistle.Release = 0.05;
  AddTone(w, 0, whistle);
  AddNoise(w, 0.55, Noise(0.7, 0.18, TFilter::LowPass, 3000, 1.0, 91));
  AddTone(w, 0.55, Glide(90, 40, 0.2, 0.4, 0.12, TShape::Sine, 0.8));
  TRandom random(92);
  for (int i = 0; i < 14; ++i)
    AddNoise(w, 0.7 + 0.6 * random.Uniform(), Noise(0.012, 0.003, TFilter::HighPass, 4000, 0.5, 93 + i));
  return w;
}

TWave Spray() {
  // An aerosol hiss.
  TWave w = Empty();
  TNoiseBurst hiss = Noise(0.6, 0, TFilter::HighPass, 3500, 0.7, 101);
  hiss.Attack = 0.04;
  hiss.Release = 0.15;
  AddNoise(w, 0, hiss);
  AddNoise(w, 0, Noise(0.6, 0, TFilter::BandPass, 6000, 0.3, 102, 0, 1.5));
  return w;
}

TWave Sweeping() {
  // Two broom strokes: band-passed noise swelling and sweeping.
  TWave w = Empty();
  for (int i = 0; i < 2; ++i) {
    TNoiseBurst stroke = Noise(0.26, 0, TFilter::BandPass, 1200, 0.9, 111 + i, 3500, 1.1);
    stroke.Attack = 0.1;
    stroke.Release = 0.12;
    AddNoise(w, 0.3 * i, stroke);
  }
  return w;
}

TWave WhipAway() {
  // A quick whoosh upward.
  TWave w = Empty();
  TNoiseBurst whoosh = Noise(0.3, 0, TFilter::BandPass, 500, 1.0, 121, 5000, 1.4);
  whoosh.Attack = 0.12;
  whoosh.Release = 0.15;
  AddNoise(w, 0, whoosh);
  return w;
}

TWave Collector() {
  // The blaster: a bright rising sweep ending in a sparkle.
  TWave w = Empty();
  AddTone(w, 0, Glide(300, 1500, 0.3, 0.4, 0, TShape::Triangle, 0.6));
  AddNoise(w, 0, Noise(0.35, 0, TFilter::BandPass, 800, 0.4, 131, 6000, 2));
  AddBell(w, 0.3, 2637, 0.4, 0.5);
  return w;
}

TWave ItemActivated() {
  // A magic shimmer: a trilling rise.
  TWave w = Empty();
  TTone t = Glide(600, 1800, 0.45, 0.5, 0, TShape::Sine, 0.6);
  t.Vibrato = 1.0;
  t.VibratoRate = 18;
  t.Release = 0.1;
  AddTone(w, 0, t);
  AddBell(w, 0.4, 2093, 0.3, 0.4);
  return w;
}

TWave PickingTool() {
  TWave w = Empty();
  AddTone(w, 0, Glide(500, 1000, 0.06, 0.12, 0.05, TShape::Triangle));
  AddNoise(w, 0, Noise(0.01, 0.002, TFilter::HighPass, 2500, 0.4, 141));
  return w;
}

TWave ToolAcquired() {
  TWave w = Empty();
  AddBell(w, 0, 1319, 0.3, 0.7);
  AddBell(w, 0.1, 1976, 0.45, 0.7);
  AddTone(w, 0.1, Glide(2000, 4000, 0.3, 0.35, 0.15, TShape::Sine, 0.15));
  return w;
}

TWave Key() {
  // Keys jingling, then the turn of a lock.
  TWave w = Empty();
  TRandom random(151);
  for (int i = 0; i < 4; ++i)
    for (double ratio : {1.0, 1.47, 2.09}) AddTone(w, 0.05 * i, Tone((2800 + 600 * random.Uniform()) * ratio / 1.5, 0.12, 0.03, TShape::Sine, 0.3));
  AddNoise(w, 0.25, Noise(0.03, 0.008, TFilter::BandPass, 1500, 0.8, 152, 0, 2));
  AddNoise(w, 0.32, Noise(0.04, 0.01, TFilter::BandPass, 900, 0.9, 153, 0, 2));
  return w;
}

TWave SpiderHit() {
  // A squeaky boing as the spider is knocked off.
  TWave w = Empty();
  TTone boing = Glide(900, 250, 0.2, 0.26, 0.12, TShape::Triangle, 0.8);
  boing.Vibrato = 0.8;
  boing.VibratoRate = 25;
  AddTone(w, 0, boing);
  AddNoise(w, 0, Noise(0.02, 0.005, TFilter::BandPass, 2000, 0.5, 161));
  return w;
}

// --- Notifications ---

TWave MannaNotify(int level) {
  // One, two or three rising notes: the fuller the jar, the longer the call.
  TWave w = Empty();
  const double notes[] = {1175, 1480, 1760};
  for (int i = 0; i < level; ++i) AddBell(w, 0.09 * i, notes[i], 0.4, 0.7);
  AddTone(w, 0, Tone(notes[level - 1] / 2, 0.3 + 0.09 * level, 0.2, TShape::Sine, 0.2));
  return w;
}

TWave NotifyHigh() {
  TWave w = Empty();
  const double notes[] = {1047, 1319, 1568, 2093, 2637};
  for (int i = 0; i < 5; ++i) AddBell(w, 0.07 * i, notes[i], 0.6, 0.6);
  return w;
}

TWave NotifyLow() {
  TWave w = Empty();
  AddBell(w, 0, 784, 0.5, 0.7);
  AddBell(w, 0.12, 1047, 0.6, 0.7);
  return w;
}

TWave Scoring() {
  // A glissando of chimes as an upgrade is revealed.
  TWave w = Empty();
  const double scale[] = {0, 2, 4, 7, 9, 12, 14, 16, 19, 24};
  for (int i = 0; i < 10; ++i) AddBell(w, 0.05 * i, MidiToHz(72 + scale[i]), 0.5, 0.45);
  AddTone(w, 0, Tone(MidiToHz(60), 1.0, 0.4, TShape::Triangle, 0.2));
  return w;
}

TWave Bells() {
  // A peal of three bells, the result window's welcome.
  TWave w = Empty();
  const double notes[] = {880, 1109, 1319, 1760};
  const double times[] = {0, 0.18, 0.36, 0.54};
  for (int i = 0; i < 4; ++i) AddBell(w, times[i], notes[i], 1.2, 0.6);
  return w;
}

TWave Fanfare(const TSong& song) { return RenderSong(song, kRate); }

TWave StageComplete() {
  TSong s;
  s.Bpm = 150;
  const double m[] = {60, 64, 67, 72};
  for (int i = 0; i < 3; ++i) s.Notes.push_back({0.5 * i, 0.45, m[i] + 12, 0.9f, TInstrument::Brass});
  for (double p : m) s.Notes.push_back({1.5, 1.5, p + 12, 0.8f, TInstrument::Brass});
  s.Notes.push_back({1.5, 1.5, 48, 1.0f, TInstrument::Bass});
  s.Notes.push_back({1.5, 1, 0, 0.7f, TInstrument::Kick});
  s.LengthBeats = 3;
  return Fanfare(s);
}

// The island's call on the map: a bell motif in the island's own key.
TWave Mission(int island) {
  TSong s;
  s.Bpm = 132;
  const double root = 60 + std::array{0, 2, 4, 5, 7}[std::size_t(island - 1)];
  const double motif[5][4] = {{0, 4, 7, 12}, {0, 7, 4, 12}, {0, 4, 9, 7}, {0, 5, 9, 12}, {7, 4, 12, 16}};
  for (int i = 0; i < 4; ++i) s.Notes.push_back({0.5 * i, i == 3 ? 2.0 : 0.5, root + 12 + motif[island - 1][i], 0.9f, TInstrument::Bell});
  for (int i = 0; i < 4; ++i) s.Notes.push_back({0.5 * i, 0.5, root + motif[island - 1][i], 0.6f, TInstrument::Flute});
  for (double p : {0.0, 4.0, 7.0}) s.Notes.push_back({1.5, 2, root - 12 + p, 0.6f, TInstrument::Pad});
  s.Notes.push_back({1.5, 2, root - 24, 0.9f, TInstrument::Bass});
  s.LengthBeats = 3.5;
  return Fanfare(s);
}

// An island rebuilt: a brass fanfare, each island a step higher.
TWave ChapterComplete(int island) {
  TSong s;
  s.Bpm = 120;
  const double root = 55 + 2 * island;
  const auto brass = [&](double beat, double beats, double midi, float v) { s.Notes.push_back({beat, beats, midi, v, TInstrument::Brass}); };
  brass(0, 0.3, root, 0.8f);
  brass(0.33, 0.3, root, 0.8f);
  brass(0.66, 0.3, root, 0.8f);
  brass(1, 1, root + 5, 0.9f);
  brass(2, 0.5, root + 4, 0.8f);
  brass(2.5, 0.5, root + 5, 0.8f);
  for (double p : {0.0, 4.0, 7.0, 12.0}) brass(3, 2, root + 5 + p, 0.85f);
  s.Notes.push_back({3, 2, root + 5 - 24, 1.0f, TInstrument::Bass});
  s.Notes.push_back({3, 1, 0, 0.8f, TInstrument::Kick});
  for (int i = 0; i < 4; ++i) s.Notes.push_back({3 + 0.25 * i, 1.5, root + 5 + 24 + std::array{0, 4, 7, 12}[std::size_t(i)], 0.4f, TInstrument::Bell});
  s.LengthBeats = 5;
  return Fanfare(s);
}

// The whole town rebuilt: a longer fanfare with a drum roll and bells.
TWave AllComplete() {
  TSong s;
  s.Bpm = 112;
  const auto brass = [&](double beat, double beats, double midi, float v) { s.Notes.push_back({beat, beats, midi, v, TInstrument::Brass}); };
  const double melody[][3] = {{0, 1, 60}, {1, 0.5, 64}, {1.5, 0.5, 67}, {2, 1, 72}, {3, 0.5, 69}, {3.5, 0.5, 72}, {4, 2, 77}, {6, 0.5, 76}, {6.5, 0.5, 74}};
  for (const auto& n : melody) brass(n[0], n[1], n[2], 0.85f);
  const double chords[][4] = {{0, 48, 52, 55}, {2, 53, 57, 60}, {4, 53, 57, 62}, {6, 55, 59, 62}};
  for (const auto& c : chords) {
    for (int i = 1; i < 4; ++i) s.Notes.push_back({c[0], 2, c[i], 0.5f, TInstrument::Pad});
    s.Notes.push_back({c[0], 2, c[1] - 12, 0.9f, TInstrument::Bass});
    s.Notes.push_back({c[0], 1, 0, 0.7f, TInstrument::Kick});
  }
  for (int i = 0; i < 8; ++i) s.Notes.push_back({6 + 0.25 * i, 0.25, 0, 0.3f + 0.07f * i, TInstrument::Snare});
  for (double p : {60.0, 64.0, 67.0, 72.0}) brass(8, 3, p + 12, 0.9f);
  s.Notes.push_back({8, 3, 36, 1.0f, TInstrument::Bass});
  s.Notes.push_back({8, 1, 0, 1.0f, TInstrument::Kick});
  for (int i = 0; i < 6; ++i) s.Notes.push_back({8 + 0.33 * i, 2, 84.0 + std::array{0, 4, 7, 12, 16, 19}[std::size_t(i)], 0.45f, TInstrument::Bell});
  s.LengthBeats = 11;
  return Fanfare(s);
}

struct TSoundRecipe {
  std::function<TWave()> Make;
  double TrimDb = 0;  // frequent or small sounds sit a little lower
};

std::map<std::string, TSoundRecipe> Recipes() {
  namespace n = qm::SoundName;
  std::map<std::string, TSoundRecipe> r = {
      {std::string(n::Click), {Click, -3}},
      {std::string(n::MouseOver), {MouseOver, -8}},
      {std::string(n::Collector), {Collector}},
      {std::string(n::Combo), {Combo}},
      {std::string(n::MatchX), {MatchX}},
      {std::string(n::DiamondFound), {DiamondFound}},
      {std::string(n::DisabledTile), {DisabledTile, -3}},
      {std::string(n::ElementBounce1), {[] { return ElementBounce(330); }, -6}},
      {std::string(n::ElementBounce2), {[] { return ElementBounce(392); }, -6}},
      {std::string(n::ElementBounce3), {[] { return ElementBounce(440); }, -6}},
      {std::string(n::Fireworks), {Fireworks}},
      {std::string(n::Hammer), {Hammer}},
      {std::string(n::ItemActivated), {ItemActivated}},
      {std::string(n::Key), {Key}},
      {std::string(n::Lightning), {Lightning}},
      {std::string(n::LockerBounce), {LockerBounce, -4}},
      {std::string(n::LockerBreak), {LockerBreak, -2}},
      {std::string(n::MannaNotify1), {[] { return MannaNotify(1); }}},
      {std::string(n::MannaNotify2), {[] { return MannaNotify(2); }}},
      {std::string(n::MannaNotify3), {[] { return MannaNotify(3); }}},
      {std::string(n::NotifyHigh), {NotifyHigh}},
      {std::string(n::NotifyLow), {NotifyLow}},
      {std::string(n::PickingTool), {PickingTool, -3}},
      {std::string(n::ScoreCount), {ScoreCount, -8}},
      {std::string(n::Scoring), {Scoring}},
      {std::string(n::SlotTing), {SlotTing, -2}},
      {std::string(n::SpiderHit), {SpiderHit}},
      {std::string(n::Spray), {Spray, -2}},
      {std::string(n::StageComplete), {StageComplete}},
      {std::string(n::Stamper), {Stamper}},
      {std::string(n::Sweeping), {Sweeping, -2}},
      {std::string(n::TileClear), {TileClear, -4}},
      {std::string(n::ToolAcquired), {ToolAcquired}},
      {std::string(n::WhipAway), {WhipAway, -2}},
      {std::string(n::BubblePop), {BubblePop, -3}},
      {std::string(n::Bells), {Bells}},
      {std::string(n::AllComplete), {AllComplete}},
  };
  for (int island = 1; island <= n::MissionCount; ++island) r[n::Mission(island)] = {[island] { return Mission(island); }};
  for (int island = 1; island <= n::ChapterCompleteCount; ++island)
    r[n::ChapterComplete(island)] = {[island] { return ChapterComplete(island); }};
  return r;
}

}  // namespace

void GenerateSounds(const std::filesystem::path& programFolder) {
  const std::filesystem::path folder = programFolder / std::string(qm::AudioFolder::Sounds);
  std::filesystem::create_directories(folder);
  const auto recipes = Recipes();
  std::size_t index = 0;
  for (const std::string& name : qm::SoundName::All()) {
    if (!InSample(name, index++)) continue;
    const auto recipe = recipes.find(name);
    if (recipe == recipes.end()) throw std::runtime_error("no recipe for the sound " + name);
    TWave wave = recipe->second.Make();
    HighPass(wave, 40);
    FadeEdges(wave, 0.001, 0.01);
    Normalise(wave, kEffectLoudestRms, kMaxPeak, recipe->second.TrimDb);
    WriteOggVorbis(folder / (name + std::string(qm::OggExtension)), wave, kSoundQuality);
  }
}

}  // namespace contentgen::audio
