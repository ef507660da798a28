#include "platform/BandWorkers.h"

#include <algorithm>

namespace qm {

namespace {

int BandsFor(int asked) {
  if (asked > 0) return asked;
  return std::clamp(int(std::thread::hardware_concurrency()), 1, 4);
}

}  // namespace

TBandWorkers::TBandWorkers(int bands) : FBands(BandsFor(bands)) {
  for (int band = 1; band < FBands; ++band) FThreads.emplace_back([this, band] { Work(band); });
}

TBandWorkers::~TBandWorkers() {
  {
    std::lock_guard lock(FLock);
    FStopping = true;
  }
  FStart.notify_all();
  for (auto& thread : FThreads) thread.join();
}

void TBandWorkers::Run(const std::function<void(int band)>& job) {
  if (FBands == 1) {
    job(0);
    return;
  }
  {
    std::lock_guard lock(FLock);
    FJob = &job;
    FBusy = FBands - 1;
    ++FRound;
  }
  FStart.notify_all();
  job(0);
  std::unique_lock lock(FLock);
  FDone.wait(lock, [this] { return FBusy == 0; });
  FJob = nullptr;
}

void TBandWorkers::Work(int band) {
  std::uint64_t done = 0;
  for (;;) {
    const std::function<void(int)>* job;
    {
      std::unique_lock lock(FLock);
      FStart.wait(lock, [&] { return FStopping || FRound != done; });
      if (FStopping) return;
      done = FRound;
      job = FJob;
    }
    (*job)(band);
    {
      std::lock_guard lock(FLock);
      --FBusy;
    }
    FDone.notify_one();
  }
}

}  // namespace qm
