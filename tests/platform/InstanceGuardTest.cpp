#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/InstanceGuard.h"

namespace qm {
namespace {

std::filesystem::path TempFolder() {
  auto folder = std::filesystem::temp_directory_path() / ("qm-guard-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  return folder;
}

TEST(InstanceGuard, FirstCopyRunsAndSecondIsRefused) {
  auto folder = TempFolder();
  TInstanceGuard first("QSR_Quillmere_Game", folder);
  ASSERT_TRUE(first.Acquired());
  EXPECT_EQ(first.LockFile().filename(), "QSR_Quillmere_Game.lock");
  TInstanceGuard second("QSR_Quillmere_Game", folder);
  EXPECT_FALSE(second.Acquired());
  EXPECT_TRUE(first.Acquired()) << "the refused copy leaves the first one alone";
}

TEST(InstanceGuard, LockIsFreedWhenTheFirstCopyEnds) {
  auto folder = TempFolder();
  { TInstanceGuard first("QSR_Quillmere_Game", folder); }
  TInstanceGuard again("QSR_Quillmere_Game", folder);
  EXPECT_TRUE(again.Acquired());
}

TEST(InstanceGuard, UnusableFolderRefuses) {
  TInstanceGuard guard("QSR_Quillmere_Game", "/nonexistent/folder");
  EXPECT_FALSE(guard.Acquired());
}

}  // namespace
}  // namespace qm
