#include "shell/HeadlessGame.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cmath>

#include <algorithm>
#include <map>

#include "engine/EffectsMode.h"
#include "platform/PngWriter.h"
#include "platform/SilentAudioDevice.h"
#include "progress/PlayerFiles.h"
#include "progress/StickerBookObjects.h"

namespace qm::testing {

void MarkBought(TProgressRecord& record, int number) {
  record.UpgradesBought[std::size_t(number - 1)] = 1;
  for (int object = 1; object <= TStickerBookObjects::ObjectCount; ++object)
    if (TStickerBookObjects::Object(object).Group == number + 1) record.ObjectStates[std::size_t(object - 1)] = 1;
}

namespace fs = std::filesystem;

TTempFolder::TTempFolder() {
  static std::atomic<int> counter{0};
  FPath = fs::temp_directory_path() /
          ("quillmere-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(FPath);
  fs::create_directories(FPath);
}

TTempFolder::~TTempFolder() {
  std::error_code ec;
  fs::remove_all(FPath, ec);
}

namespace {

fs::path ProgramFolderFor(bool withContent, const fs::path& root) {
  if (withContent) return QUILLMERE_GAME_DIR;
  // No pictures, but the words: the game cannot start without them.
  fs::path program = root / "program";
  fs::create_directories(program);
  fs::copy(fs::path(QUILLMERE_GAME_DIR) / "Texts", program / "Texts", fs::copy_options::recursive);
  return program;
}

fs::path SaveRoot(const fs::path& root) { return root / "home" / ".local" / "share"; }

}  // namespace

fs::path THeadlessGame::SaveFolder() const { return SaveRoot(FFolder.Path()) / kSaveFolderName; }

void THeadlessGame::AddSavedPlayer(const std::string& name, const TProgressRecord& record) {
  fs::create_directories(SaveFolder());
  std::string error;
  ASSERT_TRUE(WriteProgressFile(PlayerSaveFile(SaveFolder(), name), record, error)) << error;
  TNameList list;
  list.FileName = SaveFolder() / "Players.dat";
  list.Load();
  list.Add(name);
}

void THeadlessGame::StartAsPlayerWithoutTutorials(const std::string& name) {
  TProgressRecord record = DefaultProgressRecord();
  record.TutorialsOn = 0;
  AddSavedPlayer(name, record);
  Start();
  for (int tick = 0; tick < 400 && !Form().State.MainImagesLoaded; ++tick) {
    Click(683, 384);  // the logos go on at once
    RunTicks(1);
  }
  Form().LoadProgress(name);
}

THeadlessGame::THeadlessGame(TOptions options) {
  THeadlessDriver::TOptions driver;
  driver.ProgramFolder = ProgramFolderFor(options.WithContent, FFolder.Path());
  driver.SaveRoot = SaveRoot(FFolder.Path());
  driver.Rendering = options.Rendering;
  driver.DrawOnDemand = !options.DrawEveryTick;
  driver.RecordQuads = true;
  FDriver = std::make_unique<THeadlessDriver>(driver);
}

THeadlessScreenDevice* THeadlessGame::Device() {
  return dynamic_cast<THeadlessScreenDevice*>(Form().OmegaScreen1->Device());
}

bool THeadlessGame::RunUntilScene(TGameSceneValues scene, int maxTicks) {
  for (int tick = 0; tick < maxTicks && Scene() != scene; ++tick) RunTicks(1);
  return Scene() == scene;
}

void THeadlessGame::KeyDown(int key) {
  if (Window().OnKeyDown) Window().OnKeyDown(key, {});
}

std::vector<TPoint> THeadlessGame::DrawnAt(const std::string& image) {
  std::vector<TPoint> corners;
  const TImageListItem* item = Form().OmegaImageList1->FindImage(image);
  THeadlessScreenDevice* device = Device();
  if (item == nullptr || device == nullptr) return corners;
  for (const auto& quad : device->Quads)
    if (quad.Texture == item->Texture())
      corners.push_back({int(std::lround(quad.Vertices[0].X + 0.5f)), int(std::lround(quad.Vertices[0].Y + 0.5f))});
  return corners;
}

std::optional<TRgbaImage> THeadlessGame::Frame() {
  if (FDrawnAt != FDriver->Ticks()) {
    FDriver->DrawTick();
    FDrawnAt = FDriver->Ticks();
  }
  IScreenDevice* device = Form().OmegaScreen1->Device();
  return device ? device->ReadFrame() : std::nullopt;
}

int THeadlessGame::TimesPlayed(const std::string& name) {
  const auto& device = static_cast<const TSilentAudioDevice&>(*Platform().Audio);
  std::map<TAudioHandle, std::string> names;
  for (const auto& load : device.Loads) names[load.Handle] = load.File.stem().string();
  return static_cast<int>(std::count_if(device.Plays.begin(), device.Plays.end(),
                                        [&](const auto& play) { return names[play.Handle] == name; }));
}

namespace {

int ChangedPixels(const TRgbaImage& a, const TRgbaImage& b, TFrameRect rect) {
  int changed = 0;
  for (int y = std::max(rect.Top, 0); y <= std::min(rect.Bottom, a.Height - 1); ++y)
    for (int x = std::max(rect.Left, 0); x <= std::min(rect.Right, a.Width - 1); ++x) {
      const std::uint8_t* p = a.At(x, y);
      const std::uint8_t* q = b.At(x, y);
      changed += std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 24;
    }
  return changed;
}

}  // namespace

int THeadlessGame::PixelsTheDecorationChanges(TFrameRect rect) {
  IScreenDevice* device = Form().OmegaScreen1->Device();
  if (!device) return 0;
  const bool wasOff = ReducedDecoration;
  ReducedDecoration = true;
  FDriver->DrawTick();
  const std::optional<TRgbaImage> first = device->ReadFrame();
  FDriver->DrawTick();
  const std::optional<TRgbaImage> second = device->ReadFrame();
  ReducedDecoration = wasOff;
  const std::optional<TRgbaImage> decorated = Frame();
  if (!first || !second || !decorated) return 0;
  // What moves from one tick to the next anyway is not the decoration's.
  return std::max(0, ChangedPixels(*second, *decorated, rect) - ChangedPixels(*first, *second, rect));
}

fs::path THeadlessGame::CaptureFrame(const std::string& name) {
  fs::path folder = QUILLMERE_TEST_OUTPUT_DIR;
  fs::create_directories(folder);
  fs::path file = folder / (name + ".png");
  auto frame = Frame();
  if (!frame || !WritePng(file, *frame)) ADD_FAILURE() << "no frame to capture as " << file;
  return file;
}

}  // namespace qm::testing
