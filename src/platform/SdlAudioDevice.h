#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/AudioDevice.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace qm {

// SDL2_mixer on the default output at 44100 Hz. Each effect is a Mix_Chunk
// with a mixing channel of its own, so restarting one never cuts another;
// music is a Mix_Music, streamed, the one SDL2_mixer plays at a time.
// A file that fails to load or play is reported once on stderr.
class TSdlAudioDevice : public IAudioDevice {
 public:
  // Nothing, with the reason in problem, when there is no usable device or
  // the SDL2_mixer loaded does not match the one the game was built with.
  static std::unique_ptr<TSdlAudioDevice> Open(std::string& problem);
  ~TSdlAudioDevice() override;
  TSdlAudioDevice(const TSdlAudioDevice&) = delete;
  TSdlAudioDevice& operator=(const TSdlAudioDevice&) = delete;

  std::optional<TAudioHandle> Load(const std::filesystem::path& file, TAudioKind kind) override;
  bool Play(TAudioHandle handle, bool restart) override;
  void Stop(TAudioHandle handle) override;
  bool IsPlaying(TAudioHandle handle) override;
  void SetVolume(TAudioHandle handle, int volume) override;
  void SetLooping(TAudioHandle handle, bool looping) override;
  void Free(TAudioHandle handle) override;
  int LengthMs(TAudioHandle handle) override;

 private:
  struct TSound {
    std::filesystem::path File;
    Mix_Chunk* Chunk = nullptr;
    Mix_Music* Music = nullptr;
    int Channel = -1;
    int Volume = 100;
    bool Looping = false;
  };

  TSdlAudioDevice() = default;
  TSound* Find(TAudioHandle handle);
  int TakeChannel();
  void ReportOnce(const std::string& problem);

  std::map<TAudioHandle, TSound> FSounds;
  TAudioHandle FNextHandle = 1;
  std::vector<bool> FChannelTaken;
  std::optional<TAudioHandle> FMusicHandle;  // the music last started
  std::set<std::string> FReported;
};

}  // namespace qm
