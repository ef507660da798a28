#include "shell/HeadlessGame.h"

#include <unistd.h>

#include <atomic>
#include <cmath>

#include "platform/PngWriter.h"

namespace qm::testing {

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

THeadlessGame::THeadlessGame(TOptions options)
    : FPlatform(options.Rendering ? CreateRenderingTestPlatform() : CreateHeadlessPlatform()) {
  auto& system = System();
  if (options.WithContent) {
    system.ProgramDir = QUILLMERE_GAME_DIR;
  } else {
    // No pictures, but the words: the game cannot start without them.
    system.ProgramDir = FFolder.Path() / "program";
    fs::create_directories(system.ProgramDir);
    fs::copy(fs::path(QUILLMERE_GAME_DIR) / "Texts", system.ProgramDir / "Texts", fs::copy_options::recursive);
  }
  system.SaveRoots = {FFolder.Path() / "home" / ".local" / "share"};
  FForm = std::make_unique<TFormMain>(*FPlatform);
}

THeadlessGame::~THeadlessGame() {
  FForm.reset();
  // Start-up changes the working folder; leave it somewhere that survives
  // the temporary folder.
  std::error_code ec;
  fs::current_path(fs::temp_directory_path(), ec);
}

THeadlessScreenDevice* THeadlessGame::Device() {
  return dynamic_cast<THeadlessScreenDevice*>(FForm->OmegaScreen1->Device());
}

void THeadlessGame::Start() {
  FForm->FormCreate();
  FForm->FormShow();
}

void THeadlessGame::RunTicks(int ticks) {
  long long target = FForm->FramesTicked() + ticks;
  // One loop pass per millisecond of game time: the timer fires each time a
  // whole frame period has gone by.
  for (long long guard = 0; FForm->FramesTicked() < target && guard < ticks * 100LL; ++guard) {
    Clock().AdvanceMs(1.0);
    Application().Idle();
  }
}

bool THeadlessGame::RunUntilScene(TGameSceneValues scene, int maxTicks) {
  for (int tick = 0; tick < maxTicks && Scene() != scene; ++tick) RunTicks(1);
  return Scene() == scene;
}

void THeadlessGame::FrameToWindow(int frameX, int frameY, int& x, int& y) {
  x = int(std::lround(frameX * FForm->OmegaScreen1->ScaleX));
  y = int(std::lround(frameY * FForm->OmegaScreen1->ScaleY));
}

void THeadlessGame::MouseDown(int frameX, int frameY, TMouseButton button) {
  int x, y;
  FrameToWindow(frameX, frameY, x, y);
  TShiftState shift;
  shift.Left = button == TMouseButton::mbLeft;
  if (Window().OnMouseDown) Window().OnMouseDown(button, shift, x, y);
}

void THeadlessGame::MouseMove(int frameX, int frameY) {
  int x, y;
  FrameToWindow(frameX, frameY, x, y);
  if (Window().OnMouseMove) Window().OnMouseMove({}, x, y);
}

void THeadlessGame::MouseUp(int frameX, int frameY, TMouseButton button) {
  int x, y;
  FrameToWindow(frameX, frameY, x, y);
  if (Window().OnMouseUp) Window().OnMouseUp(button, {}, x, y);
}

void THeadlessGame::Click(int frameX, int frameY) {
  MouseMove(frameX, frameY);
  MouseDown(frameX, frameY);
  MouseUp(frameX, frameY);
}

void THeadlessGame::KeyDown(int key) {
  if (Window().OnKeyDown) Window().OnKeyDown(key, {});
}

std::optional<TRgbaImage> THeadlessGame::Frame() {
  IScreenDevice* device = FForm->OmegaScreen1->Device();
  return device ? device->ReadFrame() : std::nullopt;
}

fs::path THeadlessGame::CaptureFrame(const std::string& name) {
  fs::path folder = QUILLMERE_TEST_OUTPUT_DIR;
  fs::create_directories(folder);
  fs::path file = folder / (name + ".png");
  if (auto frame = Frame()) WritePng(file, *frame);
  return file;
}

}  // namespace qm::testing
