#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "audio/AudioNames.h"
#include "audio/MusicBox.h"
#include "audio/SFXPlayer.h"
#include "audio/VoicePlayer.h"
#include "platform/SilentAudioDevice.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

// The silent device never decodes, so any bytes stand for an Ogg file.
class AudioPlayers : public testing::Test {
 protected:
  void SetUp() override {
    FRoot = fs::temp_directory_path() / ("qm-audio-" + std::to_string(::getpid()) + "-" +
                                         testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(FRoot);
  }
  void TearDown() override { fs::remove_all(FRoot); }

  void Touch(const fs::path& relative) {
    fs::create_directories((FRoot / relative).parent_path());
    std::ofstream(FRoot / relative) << "x";
  }

  std::vector<TAudioHandle> HandlesOf(const std::string& fileName) const {
    std::vector<TAudioHandle> handles;
    for (const auto& load : FDevice.Loads)
      if (load.File.filename() == fileName) handles.push_back(load.Handle);
    return handles;
  }

  std::vector<TAudioHandle> Played() const {
    std::vector<TAudioHandle> handles;
    for (const auto& play : FDevice.Plays) handles.push_back(play.Handle);
    return handles;
  }

  std::unique_ptr<TSFXPlayer> LoadedSounds() {
    auto sounds = std::make_unique<TSFXPlayer>(&FDevice);
    sounds->Path = FRoot / "Sounds";
    sounds->LoadSounds();
    return sounds;
  }

  std::unique_ptr<TMusicBox> LoadedMusicBox() {
    for (std::string_view file : MusicTrack::FileNames) Touch(fs::path("Music") / file);
    auto music = std::make_unique<TMusicBox>(&FDevice);
    music->Path = FRoot / "Music";
    music->LoadTracks();
    return music;
  }

  static int TicksUntil(TMusicBox& music, const std::function<bool()>& done) {
    for (int ticks = 1; ticks <= 1000; ++ticks) {
      music.Tick();
      if (done()) return ticks;
    }
    return -1;
  }

  fs::path FRoot;
  TSilentAudioDevice FDevice;
};

TEST_F(AudioPlayers, FrequentSoundsUseFiveCopiesThenRestartTheFirst) {
  const std::vector<std::string> names = {"ElementBounce1", "ElementBounce2", "ElementBounce3", "LockerBreak",
                                          "ScoreCount",     "LockerBounce",   "Click"};
  for (const std::string& name : names) Touch("Sounds/" + name + ".ogg");
  auto sounds = LoadedSounds();

  for (const std::string& name : names) {
    const std::vector<TAudioHandle> copies = HandlesOf(name + ".ogg");
    const std::vector<TAudioHandle> expected =
        name == "Click" ? std::vector<TAudioHandle>(6, copies[0])
                        : std::vector<TAudioHandle>{copies[0], copies[1], copies[2], copies[3], copies[4], copies[0]};
    FDevice.Plays.clear();
    for (int i = 0; i < 6; ++i) sounds->PlaySound(name);
    EXPECT_EQ(Played(), expected) << name;
    EXPECT_TRUE(std::all_of(FDevice.Plays.begin(), FDevice.Plays.end(), [](const auto& play) { return play.Restart; }));
  }

  // A copy that has ended is taken before the busy first one.
  const std::vector<TAudioHandle> copies = HandlesOf("ScoreCount.ogg");
  FDevice.Playing.erase(copies[3]);
  FDevice.Plays.clear();
  sounds->PlaySound("ScoreCount");
  EXPECT_EQ(Played(), std::vector<TAudioHandle>{copies[3]});
}

TEST_F(AudioPlayers, FilesBeyondATableAreIgnoredWithOneMessage) {
  struct {
    std::string Folder;
    int Files;
    int Kept;
  } const cases[] = {{"Sounds", 100, TSFXPlayer::MaxSounds}, {"Voices/Story", 25, TVoicePlayer::MaxVoices}};
  for (const auto& [folder, files, kept] : cases) {
    for (int i = 0; i < files; ++i) Touch(folder + "/Line" + std::to_string(100 + i) + ".ogg");
    FDevice.Loads.clear();
    testing::internal::CaptureStderr();
    {
      TSFXPlayer sounds(&FDevice);
      TVoicePlayer voices(&FDevice, FRoot);
      sounds.Path = FRoot / folder;
      folder == "Sounds" ? sounds.LoadSounds() : voices.LoadVoiceSet(vsStory, 0);
      EXPECT_EQ(FDevice.Loads.size(), std::size_t(kept)) << folder;
      EXPECT_EQ(FDevice.Loads.back().File.filename(), "Line" + std::to_string(100 + kept - 1) + ".ogg") << folder;
    }
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find(std::to_string(files - kept) + " files ignored"), std::string::npos) << errors;
  }
}

TEST_F(AudioPlayers, RequestingTheSameTrackTwiceFadesOnce) {
  auto music = LoadedMusicBox();
  const TAudioHandle main1 = HandlesOf("MainGame1.ogg")[0];
  music->RequestTrack(MusicTrack::Splash);
  TicksUntil(*music, [&] { return music->Level() == 70; });

  music->RequestTrack(MusicTrack::MainGame1);
  music->RequestTrack(MusicTrack::MainGame1);
  EXPECT_EQ(TicksUntil(*music, [&] { return music->CurrentTrack() == MusicTrack::MainGame1; }), 15);
  music->Tick();
  music->RequestTrack(MusicTrack::MainGame1);
  music->Tick();
  EXPECT_EQ(music->Level(), 4) << "the fade-in goes on";
  const std::vector<TAudioHandle> played = Played();
  EXPECT_EQ(std::count(played.begin(), played.end(), main1), 1);
}

TEST_F(AudioPlayers, AJingleThatHasEndedIsFollowedByTheTrackNamedForIt) {
  auto music = LoadedMusicBox();
  music->RequestTrack(MusicTrack::LevelClear);
  music->FollowWith(MusicTrack::Upgrade);
  TicksUntil(*music, [&] { return music->Level() == 70; });
  music->Tick();
  EXPECT_EQ(music->CurrentTrack(), MusicTrack::LevelClear) << "still playing";
  FDevice.Playing.erase(HandlesOf("LevelClear.ogg")[0]);  // the jingle ends
  music->Tick();
  EXPECT_EQ(music->CurrentTrack(), MusicTrack::Upgrade);
  EXPECT_EQ(music->Level(), 2) << "fading in";
  music->RequestTrack(MusicTrack::Upgrade);
  EXPECT_EQ(TicksUntil(*music, [&] { return music->Level() == 70; }), 34) << "the upgrade scene's request goes on with it";
}

TEST_F(AudioPlayers, ARequestBeforeTheJingleEndsForgetsWhatWasToFollowIt) {
  auto music = LoadedMusicBox();
  music->RequestTrack(MusicTrack::LevelClear);
  music->FollowWith(MusicTrack::Upgrade);
  TicksUntil(*music, [&] { return music->Level() == 70; });
  music->RequestTrack(MusicTrack::Splash);  // the player left the result early
  FDevice.Playing.erase(HandlesOf("LevelClear.ogg")[0]);
  EXPECT_EQ(TicksUntil(*music, [&] { return music->CurrentTrack() != MusicTrack::LevelClear; }), 15);
  EXPECT_EQ(music->CurrentTrack(), MusicTrack::Splash);
}

TEST_F(AudioPlayers, FadesStepFiveOutAndTwoIn) {
  // Out: the level drops by 5 and the switch comes on the tick it would go
  // below 0. In: it climbs by 2 up to the volume.
  struct {
    int Volume;
    int OutTicks;
    int InTicks;
  } const cases[] = {{70, 15, 35}, {100, 21, 50}, {33, 7, 17}};
  for (const auto& [volume, outTicks, inTicks] : cases) {
    auto music = LoadedMusicBox();
    music->SetVolume(volume);
    music->RequestTrack(MusicTrack::Splash);
    EXPECT_EQ(TicksUntil(*music, [&] { return music->CurrentTrack() == MusicTrack::Splash; }), 1)
        << "nothing sounds before the first request, so its fade-out ends at once";
    TicksUntil(*music, [&] { return music->Level() == volume; });

    music->RequestTrack(MusicTrack::Story);
    EXPECT_EQ(TicksUntil(*music, [&] { return music->CurrentTrack() == MusicTrack::Story; }), outTicks) << volume;
    EXPECT_EQ(TicksUntil(*music, [&] { return music->Level() == volume; }), inTicks) << volume;
    EXPECT_EQ(FDevice.Volumes[HandlesOf("Story.ogg").back()], volume);

    // Losing the focus silences the music at once, even mid-fade.
    music->RequestTrack(MusicTrack::Upgrade);
    TicksUntil(*music, [&] { return music->CurrentTrack() == MusicTrack::Upgrade; });
    music->Tick();
    music->SetVolume(0);
    music->Tick();
    EXPECT_EQ(FDevice.Volumes[HandlesOf("Upgrade.ogg").back()], 0);
  }
}

TEST_F(AudioPlayers, TutorialVoicesPlayAtEightyFivePercentRoundedHalfToEven) {
  for (const auto& [sound, voice] : {std::pair{70, 60}, {50, 42}, {30, 26}, {100, 85}, {0, 0}})
    EXPECT_EQ(TutorialVoiceVolume(sound), voice) << sound;

  Touch("Voices/Tutorial/Tutorial1.ogg");
  TVoicePlayer voices(&FDevice, FRoot);
  voices.LoadTutorialVoice(1);
  voices.SetVolume(TutorialVoiceVolume(70));
  voices.PlayVoice("Tutorial1");
  ASSERT_EQ(FDevice.Plays.size(), 1u);
  EXPECT_EQ(FDevice.Volumes[FDevice.Plays[0].Handle], 60);
}

// A language speaks each line it has in "Voices/<code>/" below the same
// folders, and the English line where it lacks one.
TEST_F(AudioPlayers, EachLineIsSpokenInTheLanguageWhereThePackHasIt) {
  Touch("Voices/Story/Line1.ogg");
  Touch("Voices/Story/Line2.ogg");
  Touch("Voices/de/Story/Line1.ogg");
  Touch("Voices/Tutorial/Tutorial1.ogg");
  Touch("Voices/de/Tutorial/Tutorial1.ogg");
  struct {
    TLanguage Language;
    std::vector<std::string> Files;  // below the program folder
  } const cases[] = {
      {lnEnglish, {"Voices/Story/Line1.ogg", "Voices/Story/Line2.ogg", "Voices/Tutorial/Tutorial1.ogg"}},
      {lnGerman, {"Voices/de/Story/Line1.ogg", "Voices/Story/Line2.ogg", "Voices/de/Tutorial/Tutorial1.ogg"}},
      {lnFrench, {"Voices/Story/Line1.ogg", "Voices/Story/Line2.ogg", "Voices/Tutorial/Tutorial1.ogg"}}};
  for (const auto& [language, files] : cases) {
    FDevice.Loads.clear();
    TVoicePlayer voices(&FDevice, FRoot, language);
    voices.LoadVoiceSet(vsStory, 0);
    voices.LoadTutorialVoice(1);
    std::vector<std::string> loaded;
    for (const auto& load : FDevice.Loads) loaded.push_back(load.File.lexically_relative(FRoot).generic_string());
    EXPECT_EQ(loaded, files) << LanguageCode(language);
  }
}

TEST_F(AudioPlayers, VoiceSetsComeFromTheirFolders) {
  struct {
    TVoiceSet Kind;
    int Number;
    std::string Folder;  // as on disk
  } const cases[] = {{vsStory, 0, "Voices/Story"},
                     {vsEnding, 0, "Voices/ENDING"},
                     {vsTutorial, 0, "Voices/Tutorial"},
                     {vsChats, 7, "Voices/Chats/7"}};
  for (const auto& c : cases) Touch(c.Folder + "/Line1.ogg");
  Touch("Voices/Chats/8/Line1.ogg");
  FDevice.DecodedLengthMs = 2400;
  for (const auto& [kind, number, folder] : cases) {
    FDevice.Loads.clear();
    TVoicePlayer voices(&FDevice, FRoot);
    voices.LoadVoiceSet(kind, number);
    ASSERT_EQ(FDevice.Loads.size(), 1u) << folder;
    EXPECT_EQ(FDevice.Loads[0].File, FRoot / folder / "Line1.ogg");
    EXPECT_EQ(voices.LengthMs("Line1"), 2400);
  }
}

}  // namespace
}  // namespace qm
