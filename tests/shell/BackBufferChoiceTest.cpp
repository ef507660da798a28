#include "shell/BackBufferChoice.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(BackBufferChoice, TheGamesOwnSizeComesFirst) {
  EXPECT_EQ(ChooseBackBufferSize({{1024, 768}, {1366, 768}, {1920, 1080}}), (TDisplayMode{1366, 768}));
}

TEST(BackBufferChoice, WideSizesRankAboveTheSquareOne) {
  EXPECT_EQ(ChooseBackBufferSize({{1024, 768}, {1280, 800}}), (TDisplayMode{1280, 800}));
  EXPECT_EQ(ChooseBackBufferSize({{1280, 720}, {1280, 800}}), (TDisplayMode{1280, 800}));
  EXPECT_EQ(ChooseBackBufferSize({{1360, 768}, {1280, 768}}), (TDisplayMode{1360, 768}));
}

TEST(BackBufferChoice, NoneOfTheSizesGivesEightHundredBySixHundred) {
  EXPECT_EQ(ChooseBackBufferSize({{1920, 1080}, {2560, 1440}}), (TDisplayMode{800, 600}));
  EXPECT_EQ(ChooseBackBufferSize({}), (TDisplayMode{800, 600}));
}

}  // namespace
}  // namespace qm
