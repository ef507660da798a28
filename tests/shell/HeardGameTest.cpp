// The game heard through SDL's disk audio driver, which writes what the
// mixer plays to a file: music sounds after a round, and switching sound
// and music off leaves nothing but silence.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/SdlAudioDevice.h"
#include "shell/HeadlessGame.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using testing::THeadlessGame;
using testing::TTempFolder;

// Signed 16-bit samples written from byte `from` on.
std::vector<std::int16_t> SamplesFrom(const fs::path& file, std::streamoff from) {
  std::ifstream in(file, std::ios::binary);
  in.seekg(from);
  std::vector<std::int16_t> samples;
  std::int16_t sample = 0;
  while (in.read(reinterpret_cast<char*>(&sample), sizeof sample)) samples.push_back(sample);
  return samples;
}

int Loudest(const std::vector<std::int16_t>& samples) {
  int loudest = 0;
  for (std::int16_t sample : samples) loudest = std::max(loudest, std::abs(int(sample)));
  return loudest;
}

// The mixer writes on its own thread in real time: waits, up to a generous
// limit for a busy machine, until the file holds `bytes` more than `from`.
bool WaitForOutput(const fs::path& file, std::streamoff from, std::streamoff bytes) {
  for (int wait = 0; wait < 200; ++wait) {
    std::error_code ec;
    if (std::streamoff(fs::file_size(file, ec)) >= from + bytes) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return false;
}

TEST(HeardGame, MusicSoundsAfterARoundAndSwitchedOffTheGameIsSilent) {
  TTempFolder folder;
  const fs::path output = folder.Path() / "heard.raw";
  ::setenv("SDL_AUDIODRIVER", "disk", 1);
  ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  std::string problem;
  std::unique_ptr<TSdlAudioDevice> device = TSdlAudioDevice::Open(problem);
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_TRUE(device) << problem;

  THeadlessGame game({.WithContent = true});
  game.Platform().Audio = std::move(device);
  game.Form().OnShowStartupDialog = {};
  game.Start();
  ASSERT_TRUE(game.Driver().ReachMenu(3000));
  ASSERT_TRUE(game.Driver().ClearRoundFromMenu(6000));
  game.RunTicks(40);  // the round-clear music has faded in
  // 16-bit stereo at 44.1 kHz.
  constexpr std::streamoff kQuarterSecond = 44100 * 4 / 4;
  ASSERT_TRUE(WaitForOutput(output, fs::file_size(output), kQuarterSecond));
  EXPECT_GT(Loudest(SamplesFrom(output, 0)), 500) << "music is heard";

  game.Form().PlayerRecord.MusicOn = 0;
  game.Form().PlayerRecord.SoundOn = 0;
  game.Form().ApplySettings();
  game.RunTicks(2);
  // What the mixer had already queued plays out first.
  ASSERT_TRUE(WaitForOutput(output, fs::file_size(output), kQuarterSecond));
  const std::streamoff silenceFrom = fs::file_size(output);
  ASSERT_TRUE(WaitForOutput(output, silenceFrom, kQuarterSecond));
  const std::vector<std::int16_t> after = SamplesFrom(output, silenceFrom);
  ASSERT_FALSE(after.empty());
  EXPECT_EQ(Loudest(after), 0);
}

}  // namespace
}  // namespace qm
