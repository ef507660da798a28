#include "platform/SdlAudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <iostream>

namespace qm {

namespace {

constexpr int Frequency = 44100;
constexpr int OutputChannels = 2;
// About 23 ms at 44100 Hz: short enough that a click follows the mouse.
constexpr int BufferSamples = 1024;

int MixerVolume(int volume) { return (std::clamp(volume, 0, 100) * MIX_MAX_VOLUME + 50) / 100; }

std::string VersionText(const SDL_version& version) {
  return std::to_string(version.major) + "." + std::to_string(version.minor) + "." + std::to_string(version.patch);
}

}  // namespace

std::unique_ptr<TSdlAudioDevice> TSdlAudioDevice::Open(std::string& problem) {
  SDL_version built;
  SDL_MIXER_VERSION(&built);
  const SDL_version* loaded = Mix_Linked_Version();
  if (loaded->major != built.major) {
    problem = "SDL2_mixer " + VersionText(*loaded) + " is loaded, but the game was built for " + VersionText(built);
    return nullptr;
  }
  // Audio has its own SDL subsystem so that a missing sound card leaves the
  // video untouched.
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    problem = std::string("no audio device: ") + SDL_GetError();
    return nullptr;
  }
  if ((Mix_Init(MIX_INIT_OGG) & MIX_INIT_OGG) == 0) {
    problem = std::string("SDL2_mixer cannot decode Ogg Vorbis: ") + Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  if (Mix_OpenAudio(Frequency, MIX_DEFAULT_FORMAT, OutputChannels, BufferSamples) != 0) {
    problem = std::string("cannot open the audio device: ") + Mix_GetError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  // Channels are handed out one per effect as they load.
  Mix_AllocateChannels(0);
  return std::unique_ptr<TSdlAudioDevice>(new TSdlAudioDevice());
}

TSdlAudioDevice::~TSdlAudioDevice() {
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  for (auto& [handle, sound] : FSounds) {
    if (sound.Chunk) Mix_FreeChunk(sound.Chunk);
    if (sound.Music) Mix_FreeMusic(sound.Music);
  }
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::optional<TAudioHandle> TSdlAudioDevice::Load(const std::filesystem::path& file, TAudioKind kind) {
  TSound sound;
  sound.File = file;
  if (kind == TAudioKind::Music) {
    sound.Music = Mix_LoadMUS(file.c_str());
    if (!sound.Music) {
      ReportOnce("cannot load " + file.string() + ": " + Mix_GetError());
      return std::nullopt;
    }
  } else {
    sound.Chunk = Mix_LoadWAV(file.c_str());
    if (!sound.Chunk) {
      ReportOnce("cannot load " + file.string() + ": " + Mix_GetError());
      return std::nullopt;
    }
    sound.Channel = TakeChannel();
    Mix_VolumeChunk(sound.Chunk, MixerVolume(sound.Volume));
  }
  const TAudioHandle handle = FNextHandle++;
  FSounds.emplace(handle, std::move(sound));
  return handle;
}

bool TSdlAudioDevice::Play(TAudioHandle handle, bool restart) {
  TSound* sound = Find(handle);
  if (!sound) return false;
  if (!restart && IsPlaying(handle)) return true;
  bool started;
  if (sound->Music) {
    Mix_VolumeMusic(MixerVolume(sound->Volume));
    started = Mix_PlayMusic(sound->Music, sound->Looping ? -1 : 0) == 0;
    if (started) FMusicHandle = handle;
  } else {
    started = Mix_PlayChannel(sound->Channel, sound->Chunk, sound->Looping ? -1 : 0) != -1;
  }
  if (!started) ReportOnce("cannot play " + sound->File.string() + ": " + Mix_GetError());
  return started;
}

void TSdlAudioDevice::Stop(TAudioHandle handle) {
  TSound* sound = Find(handle);
  if (!sound) return;
  if (sound->Chunk) {
    Mix_HaltChannel(sound->Channel);
  } else if (FMusicHandle == handle) {
    Mix_HaltMusic();
    FMusicHandle.reset();
  }
}

bool TSdlAudioDevice::IsPlaying(TAudioHandle handle) {
  TSound* sound = Find(handle);
  if (!sound) return false;
  if (sound->Chunk) return Mix_Playing(sound->Channel) != 0;
  return FMusicHandle == handle && Mix_PlayingMusic() != 0;
}

void TSdlAudioDevice::SetVolume(TAudioHandle handle, int volume) {
  TSound* sound = Find(handle);
  if (!sound) return;
  sound->Volume = std::clamp(volume, 0, 100);
  if (sound->Chunk)
    Mix_VolumeChunk(sound->Chunk, MixerVolume(sound->Volume));
  else if (FMusicHandle == handle)
    Mix_VolumeMusic(MixerVolume(sound->Volume));
}

void TSdlAudioDevice::SetLooping(TAudioHandle handle, bool looping) {
  if (TSound* sound = Find(handle)) sound->Looping = looping;
}

void TSdlAudioDevice::Free(TAudioHandle handle) {
  TSound* sound = Find(handle);
  if (!sound) return;
  if (sound->Chunk) {
    Mix_HaltChannel(sound->Channel);
    Mix_FreeChunk(sound->Chunk);
    FChannelTaken[sound->Channel] = false;
  } else {
    if (FMusicHandle == handle) FMusicHandle.reset();
    // Halts the music first when it is this one.
    Mix_FreeMusic(sound->Music);
  }
  FSounds.erase(handle);
}

int TSdlAudioDevice::LengthMs(TAudioHandle handle) {
  TSound* sound = Find(handle);
  if (!sound) return 0;
  if (sound->Music) {
    const double seconds = Mix_MusicDuration(sound->Music);
    return seconds > 0 ? static_cast<int>(seconds * 1000.0 + 0.5) : 0;
  }
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  if (Mix_QuerySpec(&frequency, &format, &channels) == 0) return 0;
  const Uint64 bytesPerFrame = Uint64(SDL_AUDIO_BITSIZE(format) / 8) * Uint64(channels);
  if (frequency <= 0 || bytesPerFrame == 0) return 0;
  return static_cast<int>(Uint64(sound->Chunk->alen) * 1000 / (bytesPerFrame * Uint64(frequency)));
}

TSdlAudioDevice::TSound* TSdlAudioDevice::Find(TAudioHandle handle) {
  auto it = FSounds.find(handle);
  return it == FSounds.end() ? nullptr : &it->second;
}

int TSdlAudioDevice::TakeChannel() {
  auto free = std::find(FChannelTaken.begin(), FChannelTaken.end(), false);
  if (free != FChannelTaken.end()) {
    *free = true;
    return static_cast<int>(free - FChannelTaken.begin());
  }
  FChannelTaken.push_back(true);
  Mix_AllocateChannels(static_cast<int>(FChannelTaken.size()));
  return static_cast<int>(FChannelTaken.size()) - 1;
}

void TSdlAudioDevice::ReportOnce(const std::string& problem) {
  if (FReported.insert(problem).second) std::cerr << "quillmere: " << problem << '\n';
}

}  // namespace qm
