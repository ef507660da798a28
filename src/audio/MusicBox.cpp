#include "audio/MusicBox.h"

#include <algorithm>

#include "platform/FileLookup.h"

namespace qm {

TMusicBox::~TMusicBox() { FreeAll(); }

void TMusicBox::SetVolume(int value) { FVolume = std::clamp(value, 0, 100); }

void TMusicBox::LoadTracks() {
  FreeAll();
  if (!FDevice) return;
  for (int track = 0; track < MusicTrack::Count; ++track) {
    const std::filesystem::path name(MusicTrack::FileNames[track]);
    std::filesystem::path file = FindPath(Path, name);
    // A missing file is still handed to the device, which says it is missing.
    if (file.empty()) file = Path / name;
    FTracks[track] = FDevice->Load(file, TAudioKind::Music);
    if (!FTracks[track]) continue;
    FDevice->SetLooping(*FTracks[track], MusicTrack::Loops(track));
    // A track never starts louder than the fade it joins.
    FDevice->SetVolume(*FTracks[track], FLevel);
  }
}

void TMusicBox::RequestTrack(int track) {
  FFollowTrack = -1;
  if (track == FCurrentTrack) return;
  FFadingIn = false;
  FRequestedTrack = track;
}

void TMusicBox::Tick() {
  if (FFollowTrack >= 0 && FFadingIn && FCurrentTrack >= 0 && FDevice && FTracks[FCurrentTrack] &&
      !FDevice->IsPlaying(*FTracks[FCurrentTrack])) {
    FLevel = 0;
    PlayTrack(FFollowTrack);
    FFollowTrack = -1;
  }
  if (FFadingIn) {
    FLevel = std::min(FLevel + FadeInStep, FVolume);
  } else {
    FLevel -= FadeOutStep;
    if (FLevel < 0) {
      FLevel = 0;
      if (FRequestedTrack >= 0) {
        FFadingIn = true;
        PlayTrack(FRequestedTrack);
      }
    }
  }
  if (!FDevice) return;
  for (const std::optional<TAudioHandle>& handle : FTracks)
    if (handle) FDevice->SetVolume(*handle, FLevel);
}

void TMusicBox::PlayTrack(int track) {
  StopAll();
  FCurrentTrack = track;
  if (FDevice && track >= 0 && track < MusicTrack::Count && FTracks[track]) FDevice->Play(*FTracks[track], true);
}

void TMusicBox::StopAll() {
  if (!FDevice) return;
  for (const std::optional<TAudioHandle>& handle : FTracks)
    if (handle) FDevice->Stop(*handle);
}

void TMusicBox::FreeAll() {
  for (std::optional<TAudioHandle>& handle : FTracks) {
    if (handle && FDevice) FDevice->Free(*handle);
    handle.reset();
  }
}

}  // namespace qm
