// The frame's bands of rows are drawn side by side: every band once each
// time, all done when the call returns.
#include "platform/BandWorkers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace qm {
namespace {

TEST(BandWorkers, EveryBandRunsOnceEachTimeAndIsDoneOnReturn) {
  for (int bands : {1, 2, 3}) {
    TBandWorkers workers(bands);
    ASSERT_EQ(workers.Bands(), bands);
    std::vector<std::atomic<int>> runs(static_cast<std::size_t>(bands));
    for (int round = 1; round <= 50; ++round) {
      workers.Run([&](int band) { ++runs[std::size_t(band)]; });
      for (int band = 0; band < bands; ++band) ASSERT_EQ(runs[std::size_t(band)], round) << bands << " bands";
    }
  }
}

}  // namespace
}  // namespace qm
