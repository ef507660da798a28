// The scale the screen draws at, and the pictures it takes, for a screen of
// a given size.
#include "engine/OutputScale.h"

#include <gtest/gtest.h>

#include <ostream>

#include "engine/ImageCatalogue.h"

namespace qm {
namespace {

struct TScaleCase {
  const char* Screen;
  TScaleMode Mode;
  int Width, Height;
  float Scale;
  int Density;
};

void PrintTo(const TScaleCase& c, std::ostream* out) { *out << c.Screen; }

class OutputScales : public ::testing::TestWithParam<TScaleCase> {};

TEST_P(OutputScales, FollowTheScreensSizeAndTheChosenMode) {
  const TScaleCase& c = GetParam();
  const TOutputScale chosen = ChooseOutputScale(c.Mode, c.Width, c.Height, 1366, 768);
  EXPECT_FLOAT_EQ(chosen.Scale, c.Scale) << c.Screen;
  EXPECT_EQ(chosen.Density, c.Density) << c.Screen;
}

INSTANTIATE_TEST_SUITE_P(
    Screens, OutputScales,
    ::testing::Values(TScaleCase{"the game's own size", TScaleMode::Auto, 1366, 768, 1, 1},
                      TScaleCase{"a little larger: stretched", TScaleMode::Auto, 1600, 900, 1, 1},
                      TScaleCase{"full HD: drawn at its size, finer", TScaleMode::Auto, 1920, 1080, 1920.0f / 1366, 2},
                      TScaleCase{"twice: drawn at twice", TScaleMode::Auto, 2732, 1536, 2, 2},
                      TScaleCase{"on 4K the narrower side decides", TScaleMode::Auto, 3840, 2160, 3840.0f / 1366, 2},
                      TScaleCase{"1 keeps the frame's size", TScaleMode::One, 2732, 1536, 1, 1},
                      TScaleCase{"2 in a small window draws at twice", TScaleMode::Two, 1366, 768, 2, 2},
                      TScaleCase{"2 on 4K draws at its size", TScaleMode::Two, 3840, 2160, 3840.0f / 1366, 2}));

TEST(ScaleModes, AreNamedAsTheCommandLineTakesThem) {
  EXPECT_EQ(ScaleModeNamed("1"), TScaleMode::One);
  EXPECT_EQ(ScaleModeNamed("2"), TScaleMode::Two);
  EXPECT_EQ(ScaleModeNamed("auto"), TScaleMode::Auto);
  EXPECT_FALSE(ScaleModeNamed("3"));
}

// The finer set mirrors the "Images" tree and nothing else.
TEST(FinerSetPaths, MirrorTheImagesTreeOnly) {
  const struct {
    const char* Path;
    int Density;
    const char* Expected;
  } cases[] = {
      {"Images/Menu/MenuBG.jpg", 2, "Images2x/Menu/MenuBG.jpg"},
      {"Images/Elements.png", 2, "Images2x/Elements.png"},
      {"Images", 2, "Images2x"},
      {"Images/Menu/MenuBG.jpg", 1, "Images/Menu/MenuBG.jpg"},
      {"ImagesOld/Elements.png", 2, "ImagesOld/Elements.png"},
      {"Texts/GameTexts.txt", 2, "Texts/GameTexts.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(PathAtDensity(c.Path, c.Density), c.Expected) << c.Path;
}

}  // namespace
}  // namespace qm
