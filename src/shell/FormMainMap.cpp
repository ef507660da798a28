// The world map: the open islands, the stamps of finished ones, and the
// Play that starts the next level of the chosen island.
#include <string>

#include "audio/AudioNames.h"
#include "shell/FormMain.h"
#include "text/GameTextIds.h"

namespace qm {

namespace {

// The corner panels rest in the lower corners and wait below the frame.
constexpr int kCornerTop = 640, kCornerHideTop = 800, kCornerStep = 10;
constexpr int kLeftCornerLeft = 0, kRightCornerLeft = 1066;
constexpr int kMenuButtonLeft = 60, kMenuButtonTop = 40;
constexpr int kPlayButtonLeft = 60, kPlayButtonTop = 30;

}  // namespace

void TFormMain::CreateMap() {
  MapIslands = std::make_unique<TMapIslands>();
  MapIslands->OmgImgList = OmegaImageList1.get();
  for (int island = 1; island <= TMapIslands::IslandCount; ++island)
    MapIslands->Messages[std::size_t(island - 1)] = GameText(GameTextId::IslandMessage(island));
  MapIslands->Reset();
  CompletedStamps = std::make_unique<TCompletedStamps>();
  CompletedStamps->OmgImgList = OmegaImageList1.get();
  CompletedStamps->OnPlaySound = SoundRequest();

  auto corner = [](std::unique_ptr<TPanelMover>& mover, int left) {
    mover = std::make_unique<TPanelMover>();
    mover->Left = mover->HideLeft = left;
    mover->Top = kCornerTop;
    mover->HideTop = kCornerHideTop;
    mover->VertStep = kCornerStep;
  };
  corner(MapLeftPanelMover, kLeftCornerLeft);
  corner(MapRightPanelMover, kRightCornerLeft);
  MapLeftPanelMover->OnPosUpdate = [this](TPanelMover&, TScreenPoint at) {
    MapMenuButton->Left = at.X + kMenuButtonLeft;
    MapMenuButton->Top = at.Y + kMenuButtonTop;
  };
  MapRightPanelMover->OnPosUpdate = [this](TPanelMover&, TScreenPoint at) {
    MapPlayButton->Left = at.X + kPlayButtonLeft;
    MapPlayButton->Top = at.Y + kPlayButtonTop;
  };
  MakeButton(MapMenuButton, "MapMenuButton").OnClick = [this](TGameButton&) {
    SceneTransition->Start(gsMap, gsMenu);
  };
  MakeButton(MapPlayButton, "MapPlayButton").OnClick = [this](TGameButton&) { MapPlayClick(); };
}

void TFormMain::OpenMapForPlay() {
  // The map opens on the island the player is at, which is open by then.
  MapIslands->SelectUpTo(Progress.IslandIdx);
  MapIslands->Unlock(MapIslands->Current());
  SceneTransition->Start(GameScene->Value(), gsMap);
}

void TFormMain::EnterMap() {
  const int island = MapIslands->Current();
  CompletedStamps->LastOpenedIslandIdx = island;
  Progress.IslandIdx = island;
  if (!MapIslands->Played(island)) Progress.LevelIdx = 1;
  MapLeftPanelMover->Show();
  MapRightPanelMover->Show();
  RequestMusic(MusicTrack::Splash);
  const std::string message = MapIslands->TakeMessage();
  if (message.empty()) return;
  CompletedStamps->StartStamp();
  MapComment->ShowText(message);
  PlaySound("Mission" + std::to_string(island));
}

void TFormMain::MapRoutine() {
  MapLeftPanelMover->Update();
  MapRightPanelMover->Update();
  ImageLoader->DrawLateImage("MapBG", 0, 0, false);
  MapIslands->TickAndDraw();
  CompletedStamps->Tick();
  CompletedStamps->Draw();
  MapComment->UpdateAndDraw();
  const TScreenPoint left = MapLeftPanelMover->CurrentPos();
  const TScreenPoint right = MapRightPanelMover->CurrentPos();
  DrawImage(*OmegaImageList1, "CornerLeftPanel", left.X, left.Y, 0);
  DrawImage(*OmegaImageList1, "CornerRightPanel", right.X, right.Y, 0);
  for (TGameButton* button : MapButtons()) button->Draw();
  DrawMapEffects();
}

std::array<TGameButton*, 2> TFormMain::MapButtons() const { return {MapMenuButton.get(), MapPlayButton.get()}; }

void TFormMain::MapPlayClick() {
  if (GameComplete()) return;
  MapIslands->MarkPlayed();
  StartLevel();
}

}  // namespace qm
