// What fights the player on the board: spiders that crawl and spin webs,
// and the island's monster on its ledge above a boss round's board. The
// spiders and the monster only know themselves; the board, the objectives
// and the timer are asked and told from here.
#include "shell/FormMain.h"

namespace qm {

namespace {

// The monster of each island, by its creature folder: 0 owl, 1 squirrel,
// 2 bee, 3 bat, 4 cat.
constexpr int kMonsterOfIsland[] = {4, 2, 3, 1, 0};

}  // namespace

int TFormMain::MonsterKindOfIsland(int island) {
  return island >= 1 && island <= 5 ? kMonsterOfIsland[island - 1] : 0;
}

void TFormMain::CreateEnemies() {
  TOmegaImageList* images = OmegaImageList1.get();
  auto playSound = SoundRequest();
  Spiders = std::make_unique<TCrawlingSpiders>();
  Spiders->OmgImgList = images;
  Spiders->OnPlaySound = playSound;
  Spiders->OnAnySpiderLanding = [this](TPoint tile) { SpiderLanded(tile); };
  WireSpiders();
  Bosses[0] = std::make_unique<TOwlBoss>();
  Bosses[1] = std::make_unique<TSquirrelBoss>();
  Bosses[2] = std::make_unique<TBeeBoss>();
  Bosses[3] = std::make_unique<TBatBoss>();
  Bosses[4] = std::make_unique<TCatBoss>();
  for (auto& boss : Bosses) {
    boss->OmgImgList = images;
    boss->OnPlaySound = playSound;
    boss->Visible = false;
    WireBoss(*boss);
  }
  MonsterAura = std::make_unique<TMonsterAura>();
  MonsterAura->OmgImgList = images;
  MonsterAura->OnAuraPeak = [this] { CurrentBoss().AbsorbAtAuraPeak(); };
  AbsorbedEnergy = std::make_unique<TAbsorbedEnergy>();
  AbsorbedEnergy->OmgImgList = images;
  // Fruit thrown off the board hits the monster on its way down.
  RoundPlay->Falling->OnMonsterHitCheck = [this](TPoint fruit, bool& hitting, bool& absorbing) {
    if (State.RoundObjective != goBossMode) return;
    TBossMonster& boss = CurrentBoss();
    hitting = boss.Hit(fruit.X, fruit.Y, false);
    absorbing = boss.IsAbsorbing();
    // A caught fruit feeds the monster; only a blow knocks stars off it.
    if (hitting && !absorbing) MonsterHitStars(fruit.X, fruit.Y);
  };
}

void TFormMain::WireSpiders() {
  Spiders->OnTopBoardPosRequest = [this](TPoint& tile) { tile = GameBoard().RandomTopTile(); };
  Spiders->OnTilePossibleToWebQuestion = [this](TPoint tile, bool& possible) { possible = GameBoard().CanWebTile(tile); };
  Spiders->OnPutWeb = [this](TPoint tile) { GameBoard().PlaceWeb(tile); };
  Spiders->OnFruitsIntervalReached = [this] { Spiders->StartWave(GameBoard().BoardData(), GameBoard().CountWebs()); };
  Spiders->OnOneSpiderHit = [this](int x, int y, bool& required) {
    BuySlots->AddOwned(elSpider, 1.0f);
    required = ElementGather->IsRequired(ieSpider);
    if (required) RoundPlay->Flowing->StartSpider({x, y});
  };
  // Every cleared piece brings the next wave nearer, and every group
  // cleared or area blasted knocks off the spiders on it.
  RoundScore->OnSpiderPiecesCount = [this](TRoundScore&, int pieces) {
    for (int piece = 0; piece < pieces; ++piece) Spiders->CountClearedFruit();
  };
  RoundPlay->OnEnemiesBanned = [this](const TSimpleObjectArray& cells) { Spiders->KnockOffCleared(cells); };
}

void TFormMain::WireBoss(TBossMonster& boss) {
  boss.OnDead = [this] { RoundWon(); };
  boss.OnStartAbsorbing = [this, &boss] { MonsterAura->Start(boss.AuraPos()); };
  boss.OnFinishAbsorbing = [this] { MonsterAura->Stop(); };
  boss.OnAbsorbTime = [this, &boss](int seconds) {
    TubeTimer->Absorb(seconds);
    AbsorbedEnergy->Start({TubeTimer->Left + 11, TubeTimer->Top + 150}, boss.Anchor(), TubeTimer->PercentLeft());
  };
}

TBossMonster& TFormMain::CurrentBoss() const { return *Bosses[MonsterKindOfIsland(Progress.IslandIdx)]; }

void TFormMain::ResetEnemies() {
  Spiders->Reset();
  for (auto& boss : Bosses) {
    boss->Reset();
    boss->Visible = false;
  }
  MonsterAura->Reset();
  AbsorbedEnergy->Reset();
}

// The level's spiders and monster; the monster's pictures are those of the
// island's creature, loaded for a boss round only.
void TFormMain::SetUpEnemies(const TLevelRecord& level) {
  Spiders->FruitsInterval = level.FruitsInterval;
  Spiders->MaxSpidersOnBoard = level.MaxSpidersOnBoard;
  Spiders->MaxWebs = level.MaxWebs;
  Spiders->OneWebEveryProb = std::max(1, level.OneWebEveryProb);
  TBossMonster& boss = CurrentBoss();
  boss.ApplyLevelValues(level.Boss);
  boss.Visible = level.GameObjective == goBossMode;
  ImageLoader->UnloadGroup(igCreatures);
  if (!boss.Visible) return;
  ImageLoader->CreatureIndex = MonsterKindOfIsland(Progress.IslandIdx);
  ImageLoader->LoadImageFolder(ikCreatures);
}

void TFormMain::PlaceEnemies(TPoint boardOrigin) {
  Spiders->Left = boardOrigin.X;
  Spiders->Top = boardOrigin.Y;
}

void TFormMain::SprayEnemies(const TSprayRect& rect) {
  Spiders->KnockOffSprayed(rect);
  if (State.RoundObjective == goBossMode) CurrentBoss().SprayTest(rect);
}

bool TFormMain::EnemiesLeft() const { return Spiders->LiveSpiders() > 0 || GameBoard().CountWorms() > 0; }

void TFormMain::SetEnemiesActive(bool active) {
  Spiders->Frozen = !active;
  CurrentBoss().EnableAttempts(active && State.RoundObjective == goBossMode);
}

void TFormMain::HideEnemies(bool hidden) {
  Spiders->Visible = !hidden;
  MonsterAura->Visible = !hidden;
  AbsorbedEnergy->Visible = !hidden;
  // A fallen monster stays in view.
  TBossMonster& boss = CurrentBoss();
  if (State.RoundObjective == goBossMode && !boss.IsDead()) boss.Visible = !hidden;
}

void TFormMain::EnemiesLeaveTheBoard() {
  Spiders->KnockOffAll();
  CurrentBoss().EnableAttempts(false);
}

void TFormMain::MonsterRoutine() {
  for (auto& boss : Bosses)
    if (boss->Visible) boss->TickAndDraw();
  MonsterAura->TickAndDraw();
}

void TFormMain::SpidersRoutine() {
  // A cascade falling through a spider's tile takes it down with it.
  Spiders->KnockOffFalling(GameBoard().TileStates());
  Spiders->UpdateAndDraw();
}

}  // namespace qm
