#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/AnimData.h"

namespace qm {
namespace {

// The patterns an owner would draw over `ticks` ticks: Next, then draw.
std::vector<int> Play(TAnimData& anim, int ticks) {
  std::vector<int> frames;
  for (int i = 0; i < ticks; ++i) {
    anim.Next();
    frames.push_back(anim.CurrentFrame());
  }
  return frames;
}

TAnimData Anim(const std::string& seq, bool looped) {
  TAnimData anim;
  anim.SetSeq(seq);
  anim.SetLooped(looped);
  anim.Reset();
  return anim;
}

TEST(AnimDataDefaults, NewSequenceIsOneLoopedAndAlwaysPatternZero) {
  TAnimData anim;
  EXPECT_EQ(anim.Seq(), "1");
  EXPECT_TRUE(anim.Looped());
  EXPECT_EQ(anim.CurrentFrame(), 0);
  EXPECT_EQ(Play(anim, 4), (std::vector<int>{0, 0, 0, 0}));
  anim.SetLooped(false);
  EXPECT_EQ(Play(anim, 3), (std::vector<int>{0, 0, 0}));
}

TEST(AnimDataCode, DigitsAreOneBasedAndLettersStartAtA) {
  TAnimData anim = Anim("19AJZ-", false);
  EXPECT_EQ(anim.CurrentFrame(), 0);
  EXPECT_EQ(Play(anim, 5), (std::vector<int>{8, 0, 9, 25, -999}));
}

TEST(AnimDataCode, DashDrawsNothing) {
  TAnimData anim = Anim("-", false);
  EXPECT_TRUE(anim.IsHidden());
  EXPECT_EQ(anim.CurrentFrame(), kPatternNone);
}

TEST(AnimDataSeq, LowerCaseIsStoredUpperCased) {
  TAnimData lower = Anim("aabb", false);
  EXPECT_EQ(lower.Seq(), "AABB");
  TAnimData upper = Anim("AABB", false);
  EXPECT_EQ(Play(lower, 5), Play(upper, 5));
}

TEST(AnimDataSeq, KeepsAtMost255Characters) {
  TAnimData anim;
  anim.SetSeq(std::string(300, '1'));
  EXPECT_EQ(anim.Seq().size(), 255u);
}

TEST(AnimDataSeq, ChangingTheSequenceKeepsThePosition) {
  TAnimData anim = Anim("1234", false);
  Play(anim, 2);
  anim.SetSeq("5678");
  EXPECT_EQ(anim.CurrentFrame(), 5);
}

TEST(AnimDataOneShot, TwoCharactersFinishOnTheSecondAndHoldIt) {
  TAnimData anim = Anim("12", false);
  anim.Next();
  EXPECT_EQ(anim.CurrentFrame(), 0);
  EXPECT_FALSE(anim.IsFinished());
  anim.Next();
  EXPECT_EQ(anim.CurrentFrame(), 1);
  EXPECT_TRUE(anim.IsFinished());
  EXPECT_EQ(Play(anim, 3), (std::vector<int>{1, 1, 1}));
  EXPECT_TRUE(anim.IsFinished());
}

TEST(AnimDataOneShot, LettersThenDashesEndHidden) {
  TAnimData anim = Anim("AABBCCDDEEEFF---------", false);
  EXPECT_EQ(Play(anim, 13), (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4, 5, 5}));
  for (int dash = 1; dash <= 9; ++dash) {
    anim.Next();
    EXPECT_TRUE(anim.IsHidden()) << "dash " << dash;
    EXPECT_EQ(anim.IsFinished(), dash == 9) << "dash " << dash;
  }
  anim.Next();
  EXPECT_TRUE(anim.IsHidden());
  EXPECT_TRUE(anim.IsFinished());
}

TEST(AnimDataLoop, LastCharacterIsNeverShown) {
  TAnimData anim = Anim("123", true);
  EXPECT_EQ(Play(anim, 6), (std::vector<int>{0, 1, 0, 1, 0, 1}));
}

TEST(AnimDataLoop, FinalPatternOfDoubledSequenceLastsOneTick) {
  TAnimData anim = Anim("11223344", true);
  EXPECT_EQ(Play(anim, 8), (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 0}));
}

TEST(AnimDataReset, ReadingTheFrameFirstMakesTheNextStepShowTheSecondCharacter) {
  TAnimData anim = Anim("123", false);
  Play(anim, 2);
  anim.Reset();
  EXPECT_EQ(anim.CurrentFrame(), 0);
  anim.Next();
  EXPECT_EQ(anim.CurrentFrame(), 1);
}

TEST(AnimDataReset, WithoutReadingTheFrameTheFirstNextLandsOnTheFirstCharacter) {
  TAnimData anim = Anim("123", false);
  anim.Next();
  EXPECT_EQ(anim.CurrentFrame(), 0);
}

}  // namespace
}  // namespace qm
