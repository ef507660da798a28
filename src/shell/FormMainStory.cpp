// The story: the opening strips a player sees the first time they come to
// play, the ending strips after the last chapter, and the voiced chapter
// dialogs over the upgrade scene after every purchase.
#include <cmath>
#include <utility>

#include "audio/AudioNames.h"
#include "engine/EffectsMode.h"
#include "shell/FormMain.h"

namespace qm {

namespace {

// Both skip buttons sit in the bottom right corner.
constexpr int kSkipLeft = 1196, kSkipTop = 700;
// The story's music plays a little under the player's music volume.
constexpr double kStoryMusicShare = 0.7;

}  // namespace

void TFormMain::CreateStory() {
  TOmegaImageList* images = OmegaImageList1.get();
  NarrationText = std::make_unique<TNarrationText>();
  NarrationText->OmgImgList = images;
  SetStoryNarrationLook(*NarrationText);
  ComicStrips = std::make_unique<TComicStrips>();
  EndingComicStrips = std::make_unique<TEndingComicStrips>();
  for (TComicStripsBase* strips : {static_cast<TComicStripsBase*>(ComicStrips.get()),
                                   static_cast<TComicStripsBase*>(EndingComicStrips.get())}) {
    strips->OmgImgList = images;
    strips->LoadNarrations(*TextStrings);
    strips->OnStartNarration = [this](TComicStripsBase&, const std::string& text) {
      ShowStoryNarration(*NarrationText, text);
    };
    strips->OnEndNarration = [this](TComicStripsBase&) { NarrationText->Vanish(); };
    strips->OnVoiceRequest = [this](const std::string& voice) { VoicePlayer->PlayVoice(voice); };
    strips->OnSceneFinished = [this](TComicStripsBase&) { StoryOver(); };
  }
  MakeButton(StorySkipButton, "StorySkipButton").OnClick = [this](TGameButton&) { StoryOver(); };
  StorySkipButton->Left = kSkipLeft;
  StorySkipButton->Top = kSkipTop;
  CreateChapterDialog();
}

TComicStripsBase& TFormMain::StripsOf(TGameSceneValues scene) const {
  if (scene == gsEndingStory) return *EndingComicStrips;
  return *ComicStrips;
}

TGameSceneValues TFormMain::AfterChoosingPlayer() const {
  return ComicStrips->OpeningStoryTold ? gsMenu : gsOpeningStory;
}

void TFormMain::EnterStory(TGameSceneValues scene) {
  const bool ending = scene == gsEndingStory;
  if (LoadedImageList->Empty(ending ? igEnding : igStory)) ImageLoader->LoadJpegFolder(ending ? ikEnding : ikStory, false);
  NewVoiceSet(ending ? vsEnding : vsStory, 0);
  RequestMusic(MusicTrack::Story);
  SetMusicVolume(int(std::lround(MusicVolumeSetting() * kStoryMusicShare)));
  StorySkipButton->Enabled = true;
  NarrationText->Clear();
  StripsOf(scene).Start(1);
}

void TFormMain::LeaveStory(TGameSceneValues scene) {
  StripsOf(scene).Skip();
  NarrationText->Clear();
  VoicePlayer->StopAll();
  ImageLoader->UnloadGroup(scene == gsEndingStory ? igEnding : igStory);
}

void TFormMain::StoryRoutine() {
  TComicStripsBase& strips = StripsOf(GameScene->Value());
  strips.UpdateAndDraw();
  // The film's look lies over the pictures, the narration over it.
  Effects->EndingShine->TickAndDraw();
  Effects->ScreenDust->TickAndDraw();
  Effects->Film->TickAndDraw();
  strips.DrawOverlay();
  if (!ReducedEffectsMode) {
    Effects->NarrationPuffs->TickAndDraw();
    NarrationText->UpdateAndDraw();
  }
  StorySkipButton->Draw();
}

void TFormMain::StoryOver() {
  // The skip button and the last strip's end lead the same way, once.
  if (!StorySkipButton->Enabled) return;
  StorySkipButton->Enabled = false;
  const TGameSceneValues scene = GameScene->Value();
  StripsOf(scene).Silence();
  VoicePlayer->StopAll();
  SetMusicVolume(MusicVolumeSetting());
  if (scene == gsOpeningStory && !ComicStrips->OpeningStoryTold) {
    ComicStrips->OpeningStoryTold = true;
    SaveProgress(false);
  }
  SceneTransition->Start(scene, gsMenu);
}

void TFormMain::StartEndingStory() { SceneTransition->Start(GameScene->Value(), gsEndingStory); }

// Each set takes the volume the player's options ask for, not the last
// set's (a tutorial's voice is quieter).
void TFormMain::NewVoiceSet(TVoiceSet set, int number) {
  ReplaceVoicePlayer(SoundVolumeSetting()).LoadVoiceSet(set, number);
}

TVoicePlayer& TFormMain::ReplaceVoicePlayer(int volume) {
  VoicePlayer = std::make_unique<TVoicePlayer>(FPlatform.Audio.get(), Folders.ProgramFolder, FLanguage);
  VoicePlayer->SetVolume(volume);
  return *VoicePlayer;
}

int TFormMain::MusicVolumeSetting() const {
  if (!State.PlayerLoaded) return 50;
  return PlayerRecord.MusicOn ? PlayerRecord.MusicVolume : 0;
}

int TFormMain::SoundVolumeSetting() const {
  if (!State.PlayerLoaded) return 100;
  return PlayerRecord.SoundOn ? PlayerRecord.SoundVolume : 0;
}

// ---------------------------------------------------------------------------
// Chapter dialogs

void TFormMain::CreateChapterDialog() {
  ChapterDialog = std::make_unique<TChapterDialog>();
  ChapterDialog->OmgImgList = OmegaImageList1.get();
  ChapterDialog->TextStringsComp = TextStrings.get();
  ChapterDialog->LoadConversations();
  // Lines are held for as long as their voices speak; the lengths are
  // measured once, when a conversation starts.
  ChapterDialog->OnVoiceLengthAsk = [this](int, const std::string& voice) { return VoicePlayer->LengthMs(voice); };
  ChapterDialog->OnPlayVoice = [this](const std::string& voice) { VoicePlayer->PlayVoice(voice); };
  ChapterDialog->OnEndOfBalloon = [this](TChapterDialog&) { VoicePlayer->StopAll(); };
  ChapterDialog->OnEndOfConversations = [this](TChapterDialog&) { ChapterDialogEnded(); };
  MakeButton(DialogSkipButton, "StorySkipButton").OnClick = [this](TGameButton& button) {
    button.Visible = false;
    VoicePlayer->StopAll();
    ChapterDialog->Skip();
  };
  DialogSkipButton->Left = kSkipLeft;
  DialogSkipButton->Top = kSkipTop;
  DialogSkipButton->Visible = false;
}

void TFormMain::ShowChapterDialog(int chapter, std::function<void()> closed) {
  NewVoiceSet(vsChats, chapter);
  DialogSkipButton->Visible = true;
  State.DialogClosed = std::move(closed);
  ChapterDialog->Reset();
  ChapterDialog->Start(chapter);
  // A chapter without lines has nothing to tell: the game goes on.
  if (!ChapterDialog->Playing()) ChapterDialogEnded();
}

void TFormMain::ChapterDialogEnded() {
  DialogSkipButton->Visible = false;
  VoicePlayer->StopAll();
  RequestMusic(MusicTrack::Upgrade);
  if (auto closed = std::exchange(State.DialogClosed, {})) closed();
}

void TFormMain::ChapterDialogMouseDown(int x, int y, TMouseButton button) {
  // Any press hurries the conversation on, the right button too.
  if (DialogSkipButton->Visible && DialogSkipButton->HitTest(x, y))
    DialogSkipButton->MouseDown(x, y, button);
  else
    ChapterDialog->Click();
}

}  // namespace qm
