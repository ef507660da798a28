// The sounds, music and voices of the generated content pack, decoded as the
// game's audio back end would decode them.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "audio/AudioNames.h"
#include "progress/SlotPrices.h"
#include "text/GameTextIds.h"
#include "text/TextTableFiles.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

const fs::path kGameDir = QUILLMERE_GAME_DIR;
// English speaks from the voice folders themselves, the others from their
// copies below "Voices/<code>/".
const std::string kLanguageCodes[] = {"", "de", "fr"};

fs::path VoiceFolder(const std::string& code, std::string_view folder) {
  const fs::path english(folder);
  return kGameDir / (code.empty() ? english : fs::path(AudioFolder::Voices) / code / english.lexically_relative(AudioFolder::Voices));
}

fs::path TableFile(const std::string& code, TTextTable table) {
  return kGameDir / TextsFolderName / code / TextTableFileOf(table).FileName;
}

struct TDecoded {
  bool Ok = false;
  int Channels = 0;
  long Rate = 0;
  std::vector<float> Samples;  // first channel
  double Seconds() const { return Rate ? double(Samples.size()) / Rate : 0; }
  float Peak() const {
    float p = 0;
    for (float s : Samples) p = std::max(p, std::abs(s));
    return p;
  }
};

TDecoded Decode(const fs::path& file) {
  TDecoded d;
  OggVorbis_File vf;
  if (ov_fopen(file.c_str(), &vf) != 0) return d;
  const vorbis_info* info = ov_info(&vf, -1);
  d.Channels = info->channels;
  d.Rate = info->rate;
  for (;;) {
    float** pcm = nullptr;
    int section = 0;
    const long n = ov_read_float(&vf, &pcm, 4096, &section);
    if (n < 0) {
      ov_clear(&vf);
      return d;
    }
    if (n == 0) break;
    d.Samples.insert(d.Samples.end(), pcm[0], pcm[0] + n);
  }
  ov_clear(&vf);
  d.Ok = true;
  return d;
}

fs::path Ogg(std::string_view folder, const std::string& name, const std::string& code = "") {
  return VoiceFolder(code, folder) / (name + std::string(OggExtension));
}

std::set<std::string> OggNamesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == OggExtension) names.insert(entry.path().stem().string());
  return names;
}

std::vector<std::string> ReadLines(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// Spoken lines per conversation, read from the chat table as the dialog
// reads it: a heading, the lines, an empty line.
std::vector<int> ChatLineCounts(const std::string& code) {
  const auto lines = ReadLines(TableFile(code, ttCharacterChats));
  std::vector<int> counts;
  std::size_t at = 0;
  for (int c = 0; c < ChatTextId::ConversationCount && at < lines.size(); ++c) {
    ++at;  // heading
    int count = 0;
    while (at < lines.size() && !lines[at].empty()) ++count, ++at;
    ++at;
    counts.push_back(count);
  }
  return counts;
}

TEST(AudioPackSounds, EveryNameTheGamePlaysIsAShortCleanOggVorbis) {
  for (const std::string& name : SoundName::All()) {
    const TDecoded sound = Decode(Ogg(AudioFolder::Sounds, name));
    ASSERT_TRUE(sound.Ok) << name;
    EXPECT_GE(sound.Seconds(), 0.02) << name;
    EXPECT_LE(sound.Seconds(), 8.0) << name;
    EXPECT_GT(sound.Peak(), 0.1f) << name << " is nearly silent";
    EXPECT_LT(sound.Peak(), 0.98f) << name << " clips";
  }
}

TEST(AudioPackSounds, TheFolderHoldsExactlyTheSoundNamesWithinTheStreamLimit) {
  const auto listed = SoundName::All();
  EXPECT_EQ(OggNamesIn(kGameDir / std::string(AudioFolder::Sounds)), std::set<std::string>(listed.begin(), listed.end()));
  int streams = 0;
  for (const auto& name : listed) streams += SoundName::IsFrequent(name) ? SoundName::CopiesOfFrequent : 1;
  EXPECT_EQ(streams, 70);
  EXPECT_LE(streams, 93);
}

TEST(AudioPackSounds, IslandJinglesExistForEveryIsland) {
  EXPECT_TRUE(fs::exists(Ogg(AudioFolder::Sounds, "Mission1")));
  EXPECT_TRUE(fs::exists(Ogg(AudioFolder::Sounds, "Mission5")));
  EXPECT_TRUE(fs::exists(Ogg(AudioFolder::Sounds, "ChapterComplete4")));
  EXPECT_FALSE(fs::exists(Ogg(AudioFolder::Sounds, "ChapterComplete5")));
  EXPECT_TRUE(fs::exists(Ogg(AudioFolder::Sounds, "AllComplete")));
}

TEST(AudioPackMusic, LoopingTracksLastThirtyToNinetySecondsAndLevelClearIsShorter) {
  for (int track = 0; track < MusicTrack::Count; ++track) {
    const std::string file(MusicTrack::FileNames[std::size_t(track)]);
    const TDecoded music = Decode(kGameDir / std::string(AudioFolder::Music) / file);
    ASSERT_TRUE(music.Ok) << file;
    EXPECT_LT(music.Peak(), 0.98f) << file;
    if (MusicTrack::Loops(track)) {
      EXPECT_GE(music.Seconds(), 30.0) << file;
      EXPECT_LE(music.Seconds(), 90.0) << file;
    } else {
      EXPECT_GE(music.Seconds(), 3.0) << file;
      EXPECT_LT(music.Seconds(), 30.0) << file;
    }
  }
}

TEST(AudioPackMusic, LoopingTracksJoinWithoutAClick) {
  for (int track = 0; track < MusicTrack::Count; ++track) {
    if (!MusicTrack::Loops(track)) continue;
    const std::string file(MusicTrack::FileNames[std::size_t(track)]);
    const TDecoded music = Decode(kGameDir / std::string(AudioFolder::Music) / file);
    ASSERT_TRUE(music.Ok) << file;
    // The jump from the last sample back to the first is no bigger than the
    // steps the waveform takes all the time.
    std::vector<float> steps;
    for (std::size_t i = 1; i < music.Samples.size(); ++i) steps.push_back(std::abs(music.Samples[i] - music.Samples[i - 1]));
    std::sort(steps.begin(), steps.end());
    EXPECT_LE(std::abs(music.Samples.front() - music.Samples.back()), steps[steps.size() * 99 / 100]) << file;
  }
}

double Decibels(double rms) { return 20 * std::log10(std::max(rms, 1e-9)); }

// An effect is heard at its loudest 50 ms; music all along.
double EffectLoudness(const TDecoded& sound) {
  const std::size_t window = std::max<std::size_t>(1, std::size_t(sound.Rate / 20));
  double sum = 0, loudest = 0;
  for (std::size_t i = 0; i < sound.Samples.size(); ++i) {
    sum += double(sound.Samples[i]) * sound.Samples[i];
    if (i >= window) sum -= double(sound.Samples[i - window]) * sound.Samples[i - window];
    loudest = std::max(loudest, std::sqrt(std::max(0.0, sum) / double(window)));
  }
  return Decibels(loudest);
}

double MusicLoudness(const TDecoded& music) {
  double sum = 0;
  for (float s : music.Samples) sum += double(s) * s;
  return Decibels(std::sqrt(sum / double(std::max<std::size_t>(1, music.Samples.size()))));
}

TEST(AudioPackBalance, EveryLoopingTrackIsWithinThreeDecibelsOfTheEffectsAtFullVolume) {
  std::vector<double> effects;
  for (const std::string& name : SoundName::All()) {
    const TDecoded sound = Decode(Ogg(AudioFolder::Sounds, name));
    ASSERT_TRUE(sound.Ok) << name;
    effects.push_back(EffectLoudness(sound));
  }
  std::sort(effects.begin(), effects.end());
  const double typicalEffect = effects[effects.size() / 2];
  for (int track = 0; track < MusicTrack::Count; ++track) {
    if (!MusicTrack::Loops(track)) continue;
    const std::string file(MusicTrack::FileNames[std::size_t(track)]);
    const TDecoded music = Decode(kGameDir / std::string(AudioFolder::Music) / file);
    ASSERT_TRUE(music.Ok) << file;
    EXPECT_NEAR(MusicLoudness(music), typicalEffect, 3.0) << file << " against the effects' " << typicalEffect << " dBFS";
  }
}

TEST(AudioPackMusic, LevelClearEndsInSilenceRatherThanBeingCutOff) {
  const TDecoded clear = Decode(kGameDir / std::string(AudioFolder::Music) / std::string(MusicTrack::FileNames[MusicTrack::LevelClear]));
  ASSERT_TRUE(clear.Ok);
  float tail = 0;
  for (std::size_t i = clear.Samples.size() - std::size_t(clear.Rate / 100); i < clear.Samples.size(); ++i)
    tail = std::max(tail, std::abs(clear.Samples[i]));
  EXPECT_LT(tail, 0.05f);
}

TEST(AudioPackVoices, StoryVoicesFitTheirNarrations) {
  for (const std::string& code : kLanguageCodes) {
    SCOPED_TRACE("language " + code);
    const auto narrations = ReadLines(TableFile(code, ttStoryNarrations));
    for (int n = 1; n <= VoiceName::StoryOpeningCount; ++n) {
      const TDecoded voice = Decode(Ogg(AudioFolder::StoryVoices, VoiceName::StoryOpening(n), code));
      ASSERT_TRUE(voice.Ok) << n;
      // A narration stays on screen 65 ms per character plus 2.5 s.
      const double shown = (65.0 * double(narrations.at(std::size_t(NarrationId::Opening(n) - 1)).size()) + 2500) / 1000;
      EXPECT_GT(voice.Seconds(), 2.0) << n;
      EXPECT_LT(voice.Seconds(), shown) << n;
    }
    for (int n = 1; n <= VoiceName::StoryEndingCount; ++n) {
      const TDecoded voice = Decode(Ogg(AudioFolder::EndingVoices, VoiceName::StoryEnding(n), code));
      ASSERT_TRUE(voice.Ok) << n;
      EXPECT_GT(voice.Seconds(), 1.0) << n;
      if (n <= NarrationId::EndingCount) {
        const double shown =
            (65.0 * double(narrations.at(std::size_t(NarrationId::Ending(n) - 1)).size()) + 2500) / 1000;
        EXPECT_LT(voice.Seconds(), shown) << n;
      }
    }
  }
}

TEST(AudioPackVoices, TutorialVoicesOneToFiveAreSpoken) {
  for (const std::string& code : kLanguageCodes)
    for (int step = 1; step <= VoiceName::TutorialCount; ++step) {
      const TDecoded voice = Decode(Ogg(AudioFolder::TutorialVoices, VoiceName::Tutorial(step), code));
      ASSERT_TRUE(voice.Ok) << code << " " << step;
      EXPECT_GT(voice.Seconds(), 2.0) << code << " " << step;
      EXPECT_LT(voice.Seconds(), 30.0) << code << " " << step;
      EXPECT_GT(voice.Peak(), 0.1f) << code << " " << step;
    }
}

TEST(AudioPackVoices, EveryChatLineHasItsVoiceAndNothingMore) {
  for (const std::string& code : kLanguageCodes) {
    const std::vector<int> counts = ChatLineCounts(code);
    ASSERT_EQ(int(counts.size()), ChatTextId::ConversationCount) << code;
    for (int c = 1; c <= ChatTextId::ConversationCount; ++c) {
      std::set<std::string> expected;
      for (int k = 1; k <= counts[std::size_t(c - 1)]; ++k) expected.insert(VoiceName::Chat(k));
      EXPECT_EQ(OggNamesIn(VoiceFolder(code, AudioFolder::ChatVoicesOf(c))), expected)
          << code << " conversation " << c;
      EXPECT_LE(expected.size(), 20u);
    }
  }
}

TEST(AudioPackVoices, ChatVoicesLastLessThanTheDefaultBalloonTime) {
  for (const std::string& code : kLanguageCodes) {
    const std::vector<int> counts = ChatLineCounts(code);
    for (int c = 1; c <= int(counts.size()); ++c)
      for (int k = 1; k <= counts[std::size_t(c - 1)]; ++k) {
        const TDecoded voice = Decode(Ogg(AudioFolder::ChatVoicesOf(c), VoiceName::Chat(k), code));
        const std::string where = code + " " + std::to_string(c) + "/" + std::to_string(k);
        ASSERT_TRUE(voice.Ok) << where;
        EXPECT_GT(voice.Seconds(), 0.5) << where;
        EXPECT_LT(voice.Seconds(), 8.4) << where;
        EXPECT_GT(voice.Peak(), 0.1f) << where;
        EXPECT_LT(voice.Peak(), 0.98f) << where;
      }
  }
}

TEST(AudioPackPrices, PricesFileIsA400ByteRecordTheShopCanRead) {
  const fs::path file = kGameDir / SlotPricesFileName;
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(fs::file_size(file), SlotPricesFileSize);
  TSlotPrices prices;
  ASSERT_EQ(ReadSlotPrices(file, prices), TSlotPricesRead::Ok);
  for (int island = 1; island <= PriceIslandCount; ++island) {
    EXPECT_GT(prices.Price(island, 1, 0), 0.0f) << island;
    for (int slot = 1; slot <= 3; ++slot)
      for (int kind = 0; kind < PriceKindCount; ++kind)
        EXPECT_LE(prices.Price(island, slot, kind), prices.Price(island, 4, kind)) << island << "/" << slot << "/" << kind;
  }
}

}  // namespace
}  // namespace qm
