#include <gtest/gtest.h>

#include "platform/Window.h"

namespace qm {
namespace {

// The system's quit after the window's own close is a second request: it
// must neither close twice nor get past a close the game refused.
TEST(WindowClose, ASecondRequestAfterTheCloseChangesNothing) {
  THeadlessWindow window;
  int closes = 0;
  window.OnClose = [&] { ++closes; };
  window.Close();
  window.Close();
  window.CloseWithoutAsking();
  EXPECT_EQ(closes, 1);
}

TEST(WindowClose, ARefusedCloseStaysRefusedUntilTheGameAgrees) {
  THeadlessWindow window;
  bool allow = false;
  int closes = 0;
  window.OnCloseQuery = [&](bool& canClose) { canClose = allow; };
  window.OnClose = [&] { ++closes; };
  window.Close();
  window.Close();
  EXPECT_EQ(closes, 0);
  allow = true;
  window.Close();
  EXPECT_EQ(closes, 1);
}

TEST(WindowClose, CloseWithoutAskingSkipsTheQuestion) {
  THeadlessWindow window;
  int questions = 0, closes = 0;
  window.OnCloseQuery = [&](bool& canClose) {
    ++questions;
    canClose = false;
  };
  window.OnClose = [&] { ++closes; };
  window.CloseWithoutAsking();
  EXPECT_EQ(questions, 0);
  EXPECT_EQ(closes, 1);
}

}  // namespace
}  // namespace qm
