// The game's three audio players and what the shell asks of them: sounds by
// name, music tracks by number with their fades, and the options' volumes.
#include "audio/AudioNames.h"
#include "shell/FormMain.h"

namespace qm {

void TFormMain::CreateAudio() {
  IAudioDevice* device = FPlatform.Audio.get();
  MusicBox = std::make_unique<TMusicBox>(device);
  MusicBox->Path = Folders.MusicFolder;
  MusicBox->LoadTracks();
  MusicBox->SetVolume(100);
  SFXPlayer = std::make_unique<TSFXPlayer>(device);
  SFXPlayer->Path = Folders.SoundsFolder;
  SFXPlayer->LoadSounds();
  SFXPlayer->SetVolume(100);
  VoicePlayer = std::make_unique<TVoicePlayer>(device, Folders.ProgramFolder, FLanguage);
  VoicePlayer->LoadTutorialVoice(1);
}

void TFormMain::PlaySound(const std::string& sound) { SFXPlayer->PlaySound(sound); }

void TFormMain::RequestMusic(int track) { MusicBox->RequestTrack(track); }

void TFormMain::SetSoundVolume(int volume) {
  SFXPlayer->SetVolume(volume);
  VoicePlayer->SetVolume(volume);
}

void TFormMain::SetMusicVolume(int volume) { MusicBox->SetVolume(volume); }

// Out of focus the game is silent at once: the music's fade is cut by its
// new volume on the spot.
void TFormMain::SilenceAudio() {
  MusicBox->SetVolume(0);
  MusicBox->Tick();
  SetSoundVolume(0);
}

void TFormMain::StopAudio() {
  MusicBox->StopAll();
  SFXPlayer->StopAll();
  VoicePlayer->StopAll();
}

}  // namespace qm
