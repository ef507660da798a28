#pragma once

// A small sequencer: notes on a beat grid played by a few synthesized
// instruments. The music tracks and the jingles among the sounds are written
// with it.

#include <filesystem>
#include <vector>

#include "AudioSynth.h"

namespace contentgen::audio {

enum class TInstrument { Pluck, Bell, Marimba, Pad, Bass, Flute, Brass, Kick, Snare, Hat, Shaker };

struct TNote {
  double Beat = 0;   // start, from the beginning of the song
  double Beats = 1;  // length
  double Midi = 60;  // pitch; drums ignore it
  float Velocity = 1;
  TInstrument Instrument = TInstrument::Pluck;
};

struct TSong {
  double Bpm = 120;
  double LengthBeats = 0;
  bool Loop = false;  // a looping song folds its ringing tail onto its start
  std::vector<TNote> Notes;
};

// A looping song is exactly LengthBeats long; a song that plays once keeps
// its tail until it has died away.
TWave RenderSong(const TSong& song, int rate);

// "Music/": the seven tracks.
void GenerateMusic(const std::filesystem::path& programFolder);

}  // namespace contentgen::audio
