// The upgrade scene: the town picture rebuilt upgrade by upgrade, the shop
// with its four slots, the pocket of the five accounts, the guide character
// who fetches each purchase, and the book that leads on to the next level.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "audio/AudioNames.h"
#include "shell/FormMain.h"
#include "shell/ShellTextAreas.h"
#include "text/GameTextIds.h"
#include "text/Placeholders.h"

namespace qm {

namespace {

// Where the shop's panel rests and waits, and where the book's panel does.
constexpr int kShopLeft = 20, kShopTop = 626, kShopHideTop = 800, kShopStep = 12;
constexpr int kSlotsLeft = 24, kSlotsTop = 10;
constexpr int kPanelBLeft = 907, kPanelBTop = -21;
constexpr int kLabelStripAlpha = 150;
constexpr int kBookPlayLeft = 60, kBookPlayTop = 58;
constexpr int kBookLeft = 262, kBookTop = 567, kBookHideTop = 800, kBookStep = 12;
constexpr int kPocketLeft = 24, kPocketTop = 20;
constexpr int kWrenHomeX = 1180, kWrenHomeY = 420;
constexpr int kWrenWidth = 120, kWrenHeight = 160;
constexpr int kInfoTop = 430;
constexpr float kDeveloperAccount = 9999;

// The "Elements" pattern that stands for each account: the pieces the
// "ElementIcons" of the tips and the result window show too.
constexpr int kKindPattern[TBuySlots::KindCount] = {2, 12, 16, 19, 18};

// Each kind's piece in the pocket: its place from the pocket's corner, and
// the scale it is drawn at.
constexpr int kPocketPieceLeft = 8, kPocketPieceTop = 4, kPocketGap = 38;
constexpr float kPocketPieceScale = 0.6f;

// What a purchase is seen to spend: a piece for every ten of a kind, at
// least one and at most three, each leaving from its kind's place in the
// pocket.
std::vector<TCollector::TSource> SpentPieces(const TAccounts& prices, float pieceSize) {
  constexpr int kMostPerKind = 3, kPerPiece = 10;
  std::vector<TCollector::TSource> pieces;
  for (int kind = 0; kind < TBuySlots::KindCount; ++kind) {
    const float price = prices[std::size_t(kind)];
    if (price <= 0) continue;
    const int count = std::clamp(int(std::ceil(price / kPerPiece)), 1, kMostPerKind);
    const float x = float(kPocketLeft + kPocketPieceLeft + kind * kPocketGap) + pieceSize / 2;
    const float y = float(kPocketTop + kPocketPieceTop) + pieceSize / 2;
    for (int piece = 0; piece < count; ++piece) pieces.push_back({x, y, kKindPattern[kind]});
  }
  return pieces;
}

}  // namespace

void TFormMain::CreateShop() {
  TOmegaImageList* images = OmegaImageList1.get();
  BuySlots = std::make_unique<TBuySlots>();
  BuySlots->OmgImgList = images;
  BuySlots->GlobGameText = GlobalGameText.get();
  BuySlots->OnPlaySound = SoundRequest();
  BuySlots->OnCursorRequest = [this](TCursorShape shape) { RequestCursor(shape); };
  for (int island = 1; island <= TBuySlots::IslandCount; ++island)
    for (int slot = 1; slot <= TBuySlots::SlotCount; ++slot)
      BuySlots->Names[std::size_t(4 * (island - 1) + slot - 1)] =
          TextStrings->Text(ttUpgradeNames, UpgradeTextId::Entry(island, slot));
  BuySlots->BoughtLabel = GameText(GameTextId::BoughtLabel);
  LoadSlotPrices();
  BuySlots->OnBuy = [this](int island, const TAccounts& prices, int slot) { UpgradeBought(island, prices, slot); };
  BuySlots->OnBuyButtonMouseOver = [this](int island, const TBuySlot& record, int slot) {
    BuySlotsInfo->Left = BuySlots->Left + (slot - 1) * BuySlots->SlotGap;
    BuySlotsInfo->Top = kInfoTop;
    BuySlotsInfo->Show(BuySlots->Names[std::size_t(record.Number - 1)], TextStrings->Text(ttUpgradeDescs, UpgradeTextId::Entry(island, slot)),
                       record.Prices, BuySlots->Accounts());
  };
  BuySlots->OnBuyButtonMouseOff = [this](int, const TBuySlot&, int) { BuySlotsInfo->Hide(); };

  BuySlotsInfo = std::make_unique<TBuySlotsInfo>();
  BuySlotsInfo->OmgImgList = images;
  BuySlotsInfo->GlobGameText = GlobalGameText.get();

  StickerBookObjects = std::make_unique<TStickerBookObjects>();
  StickerBookObjects->OmgImgList = images;

  SmallWren = std::make_unique<TSmallWren>();
  SmallWren->OmgImgList = images;
  SmallWren->HomeX = kWrenHomeX;
  SmallWren->HomeY = kWrenHomeY;
  SmallWren->OnPlaySound = SoundRequest();
  SmallWren->OnCheerPeak = [this] { CheerPeak(); };
  // The chapter the purchase opens is told before the shop opens again.
  SmallWren->OnCheerDone = [this] { TellUntoldChapter(); };
  SmallWren->Reset();

  BookProgressTube = std::make_unique<TBookProgressTube>();
  BookProgressTube->OmgImgList = images;
  BookProgressTube->OnPlaySound = SoundRequest();

  ShopPanelMover = std::make_unique<TPanelMover>();
  ShopPanelMover->Left = ShopPanelMover->HideLeft = kShopLeft;
  ShopPanelMover->Top = kShopTop;
  ShopPanelMover->HideTop = kShopHideTop;
  ShopPanelMover->VertStep = kShopStep;
  ShopPanelMover->OnPosUpdate = [this](TPanelMover&, TScreenPoint at) {
    BuySlots->Left = at.X + kSlotsLeft;
    BuySlots->Top = at.Y + kSlotsTop;
    BookPlayButton->Left = at.X + kPanelBLeft + kBookPlayLeft;
    BookPlayButton->Top = at.Y + kPanelBTop + kBookPlayTop;
  };
  // A slot that has just become affordable is pointed out once it shows,
  // and the workshop is explained once there is a shop to point at.
  ShopPanelMover->OnShowingCompleted = [this](TPanelMover&) {
    BuySlots->Notice();
    ExplainTheWorkshop();
  };

  StickerBookPanelMover = std::make_unique<TPanelMover>();
  StickerBookPanelMover->Left = StickerBookPanelMover->HideLeft = kBookLeft;
  StickerBookPanelMover->Top = kBookTop;
  StickerBookPanelMover->HideTop = kBookHideTop;
  StickerBookPanelMover->VertStep = kBookStep;
  StickerBookPanelMover->OnPosUpdate = [this](TPanelMover&, TScreenPoint at) {
    BookProgressTube->Left = at.X;
    BookProgressTube->Top = at.Y;
  };

  MakeButton(BookPlayButton, "BookPlayButton").OnClick = [this](TGameButton&) { BookPlayClick(); };
  MakeButton(ShopMenuButton, "MapMenuButton").OnClick = [this](TGameButton&) { LeaveShopForMenu(); };
}

bool TFormMain::ShopTakesClicks() const {
  return GameScene->Value() == gsStickerBook && BuySlots->Enabled && !ChapterDialog->Playing() &&
         TutorialButtonOpen() == nullptr && ShopPanelMover->State() == pmShown;
}

void TFormMain::LeaveShopForMenu() {
  if (!ShopTakesClicks() || SceneTransition->Active()) return;
  StickerBookComment->FinishWaving();
  SceneTransition->Start(gsStickerBook, gsMenu);
}

void TFormMain::LoadSlotPrices() {
  const std::filesystem::path file = Folders.ProgramFolder / SlotPricesFileName;
  TSlotPrices prices;
  switch (ReadSlotPrices(file, prices)) {
    case TSlotPricesRead::Ok:
    case TSlotPricesRead::Missing:
      break;
    case TSlotPricesRead::TooShort:
      FPlatform.MessageBox->Show(file.string() + " is shorter than a price list: every upgrade costs nothing.",
                                 "Message", TMessageBoxKind::mbInformation);
      break;
    case TSlotPricesRead::BadValue:
      FPlatform.MessageBox->Show(file.string() + " holds a price that is not a price: every upgrade costs nothing.",
                                 "Message", TMessageBoxKind::mbInformation);
      break;
  }
  BuySlots->SetPrices(prices);
}

void TFormMain::EnterStickerBook() {
  BuySlots->IslandIdx = Progress.IslandIdx;
  BuySlots->LevelIdx = Progress.LevelIdx;
  BuySlots->Enabled = true;
  if (State.DeveloperMode) BuySlots->SetAccounts({kDeveloperAccount, kDeveloperAccount, kDeveloperAccount,
                                                  kDeveloperAccount, kDeveloperAccount});
  BuySlots->UpdateAffordable();
  BuySlotsInfo->Hide();
  SmallWren->Reset();
  ShopPanelMover->Show();
  StickerBookPanelMover->Show();
  RequestMusic(MusicTrack::Upgrade);
  // A chapter a closed game never told is told now, before anything else.
  if (!State.UntoldChapters.empty()) {
    BuySlots->Enabled = false;
    TellUntoldChapter();
    return;
  }
}

// The first visit explains the workshop; its tool tip follows the scroll.
void TFormMain::ExplainTheWorkshop() {
  if (GameScene->Value() != gsStickerBook || ChapterDialog->Playing() || !BuySlots->Enabled) return;
  if (Progress.IslandIdx == 1 && Progress.LevelIdx == 1 && Tutorial->Check(0, 0, goNormalMode))
    Tutorial->Show(0, 0, goNormalMode);
  else
    ToolTip->SceneTrigger(0);
}

void TFormMain::StickerBookBackdrop() {
  const std::string background =
      TStickerBookObjects::Background(Progress.IslandIdx, StickerBookObjects->AllRevealed());
  ImageLoader->DrawLateImage(background, 0, 0, true);
  DrawImageEx(*OmegaImageList1, "UpgSceneCloudBG", 0, 0, 0, 0, 0, 2, 2, 255, 255, 255, 255, 0, 0);
  Effects->SunShine->TickAndDraw();
  Effects->Clouds->TickAndDraw();
  Effects->Birds->TickAndDraw();
  DrawImage(*OmegaImageList1, "UpgSceneCloudCover", -3, -3, 0);
  SmallWren->TickAndDraw();
  StickerBookObjects->TickAndDraw();
  Effects->TownPeopleBack->TickAndDraw();
  Effects->TownPeopleFront->TickAndDraw();
  Effects->BookButterflies->TickAndDraw();
}

void TFormMain::StickerBookRoutine() {
  ShopPanelMover->Update();
  StickerBookPanelMover->Update();
  StickerBookBackdrop();
  BuySlotsInfo->TickAndDraw();
  BookProgressTube->TickAndDraw();
  DrawBookProgressLabel();
  const TScreenPoint shop = ShopPanelMover->CurrentPos();
  DrawImage(*OmegaImageList1, "BuySlotsPanelA", shop.X, shop.Y, 0);
  DrawImage(*OmegaImageList1, "BuySlotsPanelB", shop.X + kPanelBLeft, shop.Y + kPanelBTop, 0);
  BuySlots->Draw();
  BookPlayButton->Draw();
  ShopMenuButton->Draw();
  DrawCelebration();
  DrawPocket(kPocketLeft, kPocketTop);
  // The spent harvest leaves the pocket over everything of the scene.
  Effects->SpentHarvest->TickAndDraw();
  StickerBookComment->UpdateAndDraw();
  if (!ChapterDialog->Playing()) TutorialsRoutine();
  ChapterDialog->TickAndDraw();
  DialogSkipButton->Draw();
}

void TFormMain::DrawBookProgressLabel() {
  // Over the tube's middle, as long as the tube stands in full, on a dark
  // strip of its own: the town behind it is light and busy.
  if (BookProgressTube->PopRatio() < 1) return;
  constexpr int kAbove = 14, kStripHeight = 24;
  constexpr float kScale = ShellText::BookLabelScale;
  const std::string& label = GameText(GameTextId::BookProgressLabel);
  const int centreX = BookProgressTube->Left + ShellText::BookTubeWidth / 2, y = BookProgressTube->Top - kAbove;
  const int stripWidth = GlobalGameText->TextWidth(label, 0, kScale) + 2 * ShellText::BookLabelMargin;
  const int stripWidthOfPicture = std::max(1, PatternWidth(*OmegaImageList1, "BlackRect"));
  const int stripHeightOfPicture = std::max(1, PatternHeight(*OmegaImageList1, "BlackRect"));
  DrawImageEx(*OmegaImageList1, "BlackRect", float(centreX - stripWidth / 2), float(y - kStripHeight / 2), 0, 0, 0,
              float(stripWidth) / stripWidthOfPicture, float(kStripHeight) / stripHeightOfPicture, 255, 255, 255,
              kLabelStripAlpha, 0, 0);
  GlobalGameText->DrawCentred(centreX, y, label, kScale, 255, TextColor::White, true);
}

void TFormMain::DrawPocket(int x, int y) {
  DrawImage(*OmegaImageList1, "WrenPocket", x, y, 0);
  for (int kind = 0; kind < TBuySlots::KindCount; ++kind) {
    const int left = x + kPocketPieceLeft + kind * kPocketGap;
    DrawImage(*OmegaImageList1, "Elements", left, y + kPocketPieceTop, kKindPattern[kind], 255, kPocketPieceScale);
    const int amount = int(std::floor(BuySlots->Accounts()[std::size_t(kind)]));
    GlobalGameText->DrawText(left + 14, y + 52, std::to_string(amount), 0.45f, 0, 255, 0, TextColor::Black);
  }
}

void TFormMain::ShopMouseDown(int x, int y, TMouseButton button) {
  if (ChapterDialog->Playing()) {
    ChapterDialogMouseDown(x, y, button);
    return;
  }
  if (TutorialButtonOpen()) {
    if (TGameButton* ok = TutorialButtonReady()) ok->MouseDown(x, y, button);
    return;
  }
  BuySlots->MouseDown(x, y, button);
  if (!BuySlots->Enabled) return;
  BookPlayButton->MouseDown(x, y, button);
  ShopMenuButton->MouseDown(x, y, button);
}

void TFormMain::ShopMouseMove(int x, int y) {
  DialogSkipButton->MouseMove(x, y);
  if (ChapterDialog->Playing()) return;
  if (TGameButton* ok = TutorialButtonOpen()) {
    ok->MouseMove(x, y);
    return;
  }
  BuySlots->MouseMove(x, y);
  BookPlayButton->MouseMove(x, y);
  ShopMenuButton->MouseMove(x, y);
}

void TFormMain::ShopMouseUp(int x, int y) {
  DialogSkipButton->MouseUp(x, y);
  if (ChapterDialog->Playing()) return;
  if (TutorialButtonOpen()) {
    if (TGameButton* ok = TutorialButtonReady()) ok->MouseUp(x, y);
    return;
  }
  BuySlots->MouseUp(x, y);
  if (!BuySlots->Enabled) return;
  BookPlayButton->MouseUp(x, y);
  ShopMenuButton->MouseUp(x, y);
}

void TFormMain::UpgradeBought(int island, const TAccounts& prices, int slot) {
  BuySlots->Enabled = false;
  BuySlotsInfo->Hide();
  for (int kind = 0; kind < TBuySlots::KindCount; ++kind) BuySlots->Spend(TElementKind(kind), prices[std::size_t(kind)]);
  BuySlots->UpdateAffordable();
  State.PurchaseIsland = island;
  State.PurchaseSlot = slot;
  const TGameButton& bought = BuySlots->BuyButton(slot);
  const float pieceSize = float(PatternWidth(*OmegaImageList1, "Elements")) * kPocketPieceScale;
  Effects->Purchase(bought.Left + bought.Width() / 2, bought.Top, SpentPieces(prices, pieceSize));
  // Untold until its chapter closes: a game that stops before then tells it
  // at the next visit.
  State.UntoldChapters.push_back(TStickerBookObjects::GroupOf(island, slot));
  // The guide cheers standing on the shop panel over the slot, in view.
  const TGameButton& button = BuySlots->BuyButton(slot);
  SmallWren->FlyTo(button.Left + button.Width() / 2 - kWrenWidth / 2, ShopPanelMover->CurrentPos().Y - kWrenHeight);
}

void TFormMain::CheerPeak() {
  StickerBookObjects->Reveal(TStickerBookObjects::GroupOf(State.PurchaseIsland, State.PurchaseSlot), true);
  PlaySound("Scoring");
  BookProgressTube->SetPosition(StickerBookObjects->ZeppelinRevealed() ? 100 : BuySlots->BookPoints());
  OpenIslandAfter(State.PurchaseIsland);
  SaveProgress(true);
}

// The purchase that completes an island opens the next one and moves the
// resume point there in its own save: a game that stops during the chapter
// or before the book's Play goes on from the new island.
void TFormMain::OpenIslandAfter(int island) {
  if (island > 4 || !BuySlots->IslandBought(island)) return;
  MapIslands->Unlock(island + 1);
  if (Progress.NextUncompletedIslandIdx > island) return;
  Progress.NextUncompletedIslandIdx = island + 1;
  Progress.NextUncompletedLevelIdx = 1;
}

// What a game that stopped between a purchase and the close of its chapter
// left: the town shows the bought upgrades, the islands they complete are
// open, and their chapters wait for the next visit to the upgrade scene.
void TFormMain::SettlePurchases() {
  State.UntoldChapters.clear();
  for (int island = 1; island <= TBuySlots::IslandCount; ++island) {
    for (int slot = 1; slot <= TBuySlots::SlotCount; ++slot) {
      const int group = TStickerBookObjects::GroupOf(island, slot);
      if (!BuySlots->Slot(island, slot).Bought || StickerBookObjects->GroupRevealed(group)) continue;
      StickerBookObjects->Reveal(group, false);
      State.UntoldChapters.push_back(group);
    }
    OpenIslandAfter(island);
  }
}

void TFormMain::TellUntoldChapter() {
  const int group = State.UntoldChapters.front();
  ShowChapterDialog(group, [this, group] {
    std::erase(State.UntoldChapters, group);
    SaveProgress(true);
    if (!State.UntoldChapters.empty())
      TellUntoldChapter();
    else
      ChapterClosed();
  });
}

void TFormMain::ChapterClosed() {
  BuySlots->Enabled = true;
  BuySlots->UpdateAffordable();
  if (StickerBookObjects->ZeppelinRevealed()) {
    StartEndingStory();
    return;
  }
  if (!BuySlots->IslandComplete()) return;
  const int island = BuySlots->IslandIdx;
  if (island <= 4) {
    const std::string text = WithValue(GameText(GameTextId::ChapterCompletePrefix), NumberPlaceholder,
                                       std::to_string(island), GameText(GameTextId::ChapterCompleteSuffix));
    StickerBookComment->ShowText(text);
    PlaySound("ChapterComplete" + std::to_string(island));
    return;
  }
  CompleteTheBook();
}

void TFormMain::CompleteTheBook() {
  StickerBookComment->ShowText(GameText(GameTextId::AllComplete));
  PlaySound("AllComplete");
  StickerBookObjects->Reveal(TStickerBookObjects::ZeppelinGroup, true);
  BookProgressTube->SetPosition(100);
  SaveProgress(true);
}

void TFormMain::BookPlayClick() {
  StickerBookComment->FinishWaving();
  if (GameComplete()) {
    // The last chapter closes the book over the town alone; the ending
    // follows it.
    ShopPanelMover->Hide();
    StickerBookPanelMover->Hide();
    ShowChapterDialog(ChatTextId::Final, [this] { StartEndingStory(); });
    return;
  }
  if (!BuySlots->IslandComplete()) {
    Progress.LevelIdx += 1;
    StartLevel();
    return;
  }
  // The last island's last chapter completes the book as it closes; a game
  // that stopped during that chapter saved the purchase alone, and the
  // book is completed here instead.
  if (Progress.IslandIdx >= 5) {
    CompleteTheBook();
    return;
  }
  // Open already since the purchase, except in a save from an older game.
  MapIslands->Unlock(Progress.IslandIdx + 1);
  MapIslands->SelectHighestUnlocked();
  SceneTransition->Start(gsStickerBook, gsMap);
}

}  // namespace qm
