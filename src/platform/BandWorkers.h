#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace qm {

// A few threads that each take a share of one job and come back: the frame
// drawn by the processor is shared out in stripes of rows, one band of
// stripes per core, which touch no pixel in common.
class TBandWorkers {
 public:
  // bands 0 takes one per core, at most four.
  explicit TBandWorkers(int bands = 0);
  ~TBandWorkers();
  TBandWorkers(const TBandWorkers&) = delete;
  TBandWorkers& operator=(const TBandWorkers&) = delete;

  int Bands() const { return FBands; }
  // Calls job(band) once for every band, band 0 on the calling thread, and
  // returns when all are done.
  void Run(const std::function<void(int band)>& job);

 private:
  void Work(int band);

  int FBands;
  std::vector<std::thread> FThreads;
  std::mutex FLock;
  std::condition_variable FStart, FDone;
  const std::function<void(int)>* FJob = nullptr;
  std::uint64_t FRound = 0;
  int FBusy = 0;
  bool FStopping = false;
};

}  // namespace qm
