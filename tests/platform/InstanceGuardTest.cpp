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

TEST(InstanceGuard, AnUnusableFolderFallsBackToTheSharedFolderUnderTheUsersOwnName) {
  const std::string name = "QSR_Quillmere_Test_" + std::to_string(::getpid());
  TInstanceGuard guard(name, "/nonexistent/folder");
  ASSERT_TRUE(guard.Acquired());
  EXPECT_EQ(guard.LockFile(), std::filesystem::path("/tmp") / (name + "-" + std::to_string(::getuid()) + ".lock"));
  std::filesystem::remove(guard.LockFile());
}

TEST(InstanceGuard, ALinkUnderTheLocksNameIsNotFollowed) {
  auto folder = TempFolder();
  const std::string name = "QSR_Quillmere_Test_" + std::to_string(::getpid());
  const auto target = folder / "elsewhere";
  std::filesystem::create_symlink(target, folder / (name + ".lock"));
  TInstanceGuard guard(name, folder);
  EXPECT_FALSE(std::filesystem::exists(target)) << "nothing was made at the link's target";
  EXPECT_NE(guard.LockFile(), folder / (name + ".lock"));
  std::filesystem::remove(guard.LockFile());
}

TEST(InstanceGuard, ARelativeRuntimeFolderIsNotUsed) {
  ::setenv("XDG_RUNTIME_DIR", "relative/run", 1);
  const auto files = TInstanceGuard::LockFiles("Q", {});
  ::unsetenv("XDG_RUNTIME_DIR");
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].parent_path(), std::filesystem::path("/tmp"));
}

}  // namespace
}  // namespace qm
