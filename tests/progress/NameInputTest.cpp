#include "progress/NameInput.h"

#include <gtest/gtest.h>

#include "engine/FrameTime.h"

#include "text/GlobalGameText.h"

namespace qm {
namespace {

std::string Typed(const std::string& keys) {
  TNameInput input;
  for (char key : keys) input.KeyPress(key);
  return input.Entry();
}

TEST(NameEntry, LettersBecomeCapitalsAndOnlyNameCharactersAreTaken) {
  const struct {
    std::string Keys;
    std::string Entry;
  } cases[] = {
      {"ann 2", "ANN 2"},
      {"\xE9", "\xC9"},             // é becomes É
      {"\xF1\xE1\xF8", "\xD1\xC1\xD8"},  // ñ, á and ø become Ñ, Á and Ø
      {"\x80\xBF", ""},               // € and ¿ are not taken
      {"\xFF\x9C\xDF", "\x9F\x8C\xDF"},  // ÿ, œ and ß
      {"a-b.c!", "ABC"},
      {"abc\b", "AB"},
  };
  for (const auto& c : cases) EXPECT_EQ(Typed(c.Keys), c.Entry) << c.Keys;
}

TEST(NameEntry, TypingStopsAtSixteenCharacters) { EXPECT_EQ(Typed(std::string(20, 'x')), std::string(16, 'X')); }

TEST(NameEntry, EnterConfirmsAndBlankMeansSpacesOnly) {
  TNameInput input;
  int confirmed = 0;
  input.OnEntryConfirmed = [&] { ++confirmed; };
  for (char key : std::string("   \r")) input.KeyPress(key);
  EXPECT_EQ(confirmed, 1);
  EXPECT_TRUE(input.IsBlank());
  input.KeyPress('a');
  EXPECT_FALSE(input.IsBlank());
}

TEST(NameEntry, TheCursorBlinksAndALongEntryShowsItsEnd) {
  TNameInput input;
  input.MaxPrintEntryPixelLength = MeasureText(input.FontKind, "WWWW", 0, input.LetterSizeRatio);
  input.SetEntry("ABWWWW");
  input.Tick();
  EXPECT_EQ(input.DisplayText(), "WWWW|");
  for (int tick = 1; tick < 350 / 30 + 1; ++tick) input.Tick();
  EXPECT_EQ(input.DisplayText(), "WWWW") << "the cursor is off after 350 ms";
}

// A key or an OK that does nothing says why, under the entry, for two
// seconds; a key that is taken clears the notice.
TEST(NameEntry, AKeyThatDoesNothingSaysWhy) {
  const struct {
    const char* Typed;
    TNameInput::TNotice Notice;
  } cases[] = {
      {"ANNA", TNameInput::nnNone},
      {"ANNA#", TNameInput::nnRefused},
      {"AB#C", TNameInput::nnNone},
      {"ABCDEFGHIJKLMNOPQ", TNameInput::nnFull},
  };
  for (const auto& c : cases) {
    TNameInput input;
    for (const char* key = c.Typed; *key != 0; ++key) input.KeyPress(*key);
    EXPECT_EQ(input.Notice(), c.Notice) << c.Typed;
  }
}

TEST(NameEntry, TheNoticeGoesAfterTwoSeconds) {
  TNameInput input;
  input.RefuseEmpty();
  for (int ms = 0; ms + FrameMs < TNameInput::NoticeTime; ms += FrameMs) input.Tick();
  EXPECT_EQ(input.Notice(), TNameInput::nnEmpty);
  input.Tick();
  EXPECT_EQ(input.Notice(), TNameInput::nnNone);
}

}  // namespace
}  // namespace qm
