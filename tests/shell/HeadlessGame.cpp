#include "shell/HeadlessGame.h"

#include <unistd.h>

#include <atomic>
#include <string>

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

THeadlessGame::THeadlessGame(bool rendering)
    : FPlatform(rendering ? CreateRenderingTestPlatform() : CreateHeadlessPlatform()) {
  auto& system = System();
  system.ProgramDir = FFolder.Path() / "program";
  fs::create_directories(system.ProgramDir);
  system.SaveRoots = {FFolder.Path() / "home" / ".local" / "share"};
  FForm = std::make_unique<TFormMain>(*FPlatform);
}

THeadlessGame::~THeadlessGame() {
  FForm.reset();
  // Tests change the working folder through start-up; leave it somewhere
  // that survives the temporary folder.
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
  for (int guard = 0; FForm->FramesTicked() < target && guard < ticks * 100; ++guard) {
    Clock().AdvanceMs(1.0);
    Application().Idle();
  }
}

}  // namespace qm::testing
